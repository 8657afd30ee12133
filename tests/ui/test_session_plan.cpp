// A display in planned mode on the real main window: sixty flights in three
// sequences prepared in the editor, then run with one unplanned flight inserted
// and one flight skipped; then the meeting file and the log are read back.
#include "cards/ui/dialogue_plan_vols.h"
#include "engine/cp1252.h"
#include "engine/textes.h"
#include "shell/commandes.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_renseign.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"
#include "tests/ui/support/captures.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>

namespace {

int32_t FrequenceDe(int n) { return 35010 + 45 * (n - 1); }

struct Meeting : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::string fichier = dossier.Fichier("Koral du 06_12_26.mhz");
    std::unique_ptr<FenetrePrincipale> fenetre;
    std::deque<std::function<void(QDialog&)>> gestes;

    void SetUp() override
    {
        {
            Reunion source;
            std::vector<int32_t> plan;
            for (int n = 1; n <= 21; ++n) plan.push_back(FrequenceDe(n));
            source.Plan(plan);
            for (int n = 1; n <= 21; ++n) {
                source.Fiche(n, "Pilote " + std::to_string(n), FrequenceDe(n));
                ++source.Entree(FrequenceDe(n)).NbUtilisateurs;
            }
            source.etat.ModeSortie = ModePlanifie;
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, fichier);
            SauverManifestation(source.etat);
        }
        r.port.Documents = dossier.Chemin().string();
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) { return Ouvrir(d); };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, fichier));
        fenetre->show();
    }

    int Ouvrir(Dialogue d)
    {
        std::unique_ptr<QDialog> dialogue;
        if (d == Dialogue::PlanVols) {
            auto p = std::make_unique<DialoguePlanVols>(r.etat, [this](int c) { fenetre->Commande(c); }, fenetre.get());
            if (p->Ferme()) return 0;
            dialogue = std::move(p);
        } else if (d == Dialogue::SortirPlan) {
            auto s = std::make_unique<DialogueSortie2>(r.etat, fenetre.get());
            if (s->Vide()) return 0;
            dialogue = std::move(s);
        } else if (d == Dialogue::Renseign) {
            dialogue = std::make_unique<DialogueRenseign>(r.etat, fenetre.get());
        } else {
            return 0;
        }
        dialogue->show();
        if (gestes.empty()) {
            ADD_FAILURE() << "a dialog opened that the display did not expect";
            return 0;
        }
        auto geste = std::move(gestes.front());
        gestes.pop_front();
        geste(*dialogue);
        return dialogue->result();
    }

    static void Cliquer(QDialog& d, int bouton) { QTest::mouseClick(d.findChild<QPushButton*>(QString::number(bouton)), Qt::LeftButton); }
    static void Ligne(QDialog& d, int liste, int ligne)
    {
        QListWidget* l = d.findChild<QListWidget*>(QString::number(liste));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(ligne)).center());
    }
    // Ajouter, then the add menu's item.
    static void Ajouter(DialoguePlanVols& d, int commande)
    {
        d.ChoixMenu = [commande](QMenu& menu) {
            EXPECT_NE(menu.findChild<QAction*>(QString::number(commande)), nullptr) << commande;
            return commande;
        };
        Cliquer(d, 1003);
    }
    void Sortir(std::function<void(QDialog&)> geste)
    {
        gestes.push_back(std::move(geste));
        QTest::mouseClick(fenetre->findChild<QPushButton*>("201"), Qt::LeftButton);
    }
    void Retour(int32_t f)
    {
        gestes.push_back([](QDialog& d) { Cliquer(d, 804); });
        r.port.RepondreOui();
        QTest::mouseClick(fenetre->BoutonsFrequences()[static_cast<std::size_t>(r.Index(f))], Qt::LeftButton);
    }
    std::vector<std::string> Journal()
    {
        std::istringstream flux(Utf8VersCp1252(LireOctets(fichier.substr(0, fichier.rfind('.')) + ".txt")));
        std::vector<std::string> lignes;
        for (std::string l; std::getline(flux, l);) lignes.push_back(l.substr(0, l.size() - 1));
        return lignes;
    }
    std::vector<int32_t> Plan()
    {
        std::vector<std::pair<int32_t, int32_t>> noeuds;
        for (const EntreePlan& e : r.etat.ListePlan)
            if (e.Liste == PlanVols) noeuds.emplace_back(e.Rang, e.NumeroFiche);
        std::sort(noeuds.begin(), noeuds.end());
        std::vector<int32_t> n;
        for (auto [rang, numero] : noeuds) n.push_back(numero);
        return n;
    }
};

} // namespace

TEST_F(Meeting, SixtyFlightsInThreeSequences)
{
    gestes.push_back([this](QDialog& d) {
        auto& editeur = static_cast<DialoguePlanVols&>(d);
        for (int sequence = 0; sequence < 3; ++sequence) {
            if (sequence) Ajouter(editeur, PLAN_PAUSE);
            for (int n = 1; n <= 20; ++n) Ajouter(editeur, PLAN_FICHE + n);
        }
        // A remark at the head of the second sequence.
        r.port.RepondreTexte("Changement de piste");
        Ligne(d, 1006, 20);
        Ajouter(editeur, PLAN_REMARQUE);
        EXPECT_EQ(editeur.Liste()->count(), 63);
        Capturer(&d, "DIALPLAN_seances_fr");
        Cliquer(d, 1);
    });
    fenetre->findChild<QAction*>("212")->trigger();
    std::vector<int32_t> attendu;
    for (int sequence = 0; sequence < 3; ++sequence) {
        if (sequence) attendu.push_back(999);
        if (sequence == 1) attendu.push_back(2999);
        for (int n = 1; n <= 20; ++n) attendu.push_back(n);
    }
    ASSERT_EQ(Plan(), attendu);
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 5, 1)->NbVolsPlanifies}, 3);

    // The stand: 1 leaves from the head of the plan.
    Sortir([](QDialog& d) {
        EXPECT_EQ(d.findChild<QListWidget*>("920")->currentRow(), 0);
        Cliquer(d, 1);
    });
    EXPECT_EQ(r.Entree(FrequenceDe(1)).RangPlanifie, 1);
    // Pilot 21, unplanned, is inserted and leaves at once.
    r.port.RepondreOui();
    Sortir([](QDialog& d) {
        QListWidget* autres = d.findChild<QListWidget*>("923");
        ASSERT_EQ(autres->count(), 1);
        Ligne(d, 923, 0);
        Cliquer(d, 1);
    });
    EXPECT_EQ(Plan()[1], 21);
    EXPECT_EQ(r.Entree(FrequenceDe(21)).RangPlanifie, 2);
    // 2 is skipped; the dialog opens again by itself on 3, which leaves.
    gestes.push_back([](QDialog& d) {
        Ligne(d, 920, 0);
        Cliquer(d, 924);
    });
    Sortir([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QListWidget*>("920")->item(0)->text().contains("Pilote 3"));
        Capturer(&d, "DIALSORTIR2_plan_fr");
        Cliquer(d, 1);
    });
    r.port.Avancer(61000);
    for (int32_t n : {1, 21, 3}) Retour(FrequenceDe(n));
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_TRUE(gestes.empty());
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);

    // The file: the plan with its states, durations and the skip.
    LibererManifestation(r.etat);   // the stand lets the file go, as when it quits
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, fichier));
    std::vector<std::tuple<int32_t, int32_t, int32_t>> tete;
    for (int32_t rang = 1; rang <= 4; ++rang) {
        const EntreePlan* n = ChercheRangDansListe(relue.etat, rang, PlanVols);
        tete.emplace_back(n->NumeroFiche, n->EtatVol, n->DureeVol);
    }
    EXPECT_EQ(tete, (std::vector<std::tuple<int32_t, int32_t, int32_t>>{
                        {1, VolTermine, 61000}, {21, VolTermine, 61000}, {2, VolTermine, 0}, {3, VolTermine, 61000}}));
    EXPECT_EQ(ChercheRangDansListe(relue.etat, 3, PlanVols)->Problemes, VOL_SAUTE);
    EXPECT_EQ(relue.etat.NbEntreesPlan(), 64);
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 21, 1)->NbVolsPlanifies}, 1);

    const std::vector<std::string> j = Journal();
    const std::vector<std::pair<int, std::string>> lignes = {
        {122, "---> 3"},
        {132, "35010 - n\xB0 1 - Pilote 1"},
        {132, "35910 - n\xB0 21 - Pilote 21"},
        {132, "35100 - n\xB0 3 - Pilote 3"},
        {133, "35010 - n\xB0 1 - Pilote 1"},
        {133, "35910 - n\xB0 21 - Pilote 21"},
        {133, "35100 - n\xB0 3 - Pilote 3"},
    };
    ASSERT_EQ(j.size(), lignes.size());
    for (std::size_t i = 0; i < j.size(); ++i) {
        std::string e = Texte(r.etat, lignes[i].first);
        e.resize(20, ' ');
        EXPECT_EQ(j[i], "06/12/26 14:03:27   " + e + " " + lignes[i].second) << i;
    }
}
