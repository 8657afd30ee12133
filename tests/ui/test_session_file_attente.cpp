// A morning of twenty pilots on the real main window: exits by cards, refusals
// explained, a switch to the waiting list after one of them, the queue taken in
// order as transmitters come back; then the meeting file and the log read back.
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

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>

namespace {

int32_t FrequenceDe(int numero) { return 35000 + 10 * (numero - 1); }
std::string NomDe(int numero) { return "Pilote " + std::to_string(numero); }

struct Matinee : ::testing::Test {
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
            for (int n = 1; n <= 20; ++n) plan.push_back(FrequenceDe(n));
            source.Plan(plan);
            for (int n = 1; n <= 20; ++n) {
                source.Fiche(n, NomDe(n), FrequenceDe(n));
                ++source.Entree(FrequenceDe(n)).NbUtilisateurs;
            }
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
        if (d == Dialogue::Sortir) {
            auto s = std::make_unique<DialogueSortieFiches>(r.etat, fenetre.get());
            if (s->Vide()) return 0;
            dialogue = std::move(s);
        } else if (d == Dialogue::SortirAttente) {
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
            ADD_FAILURE() << "a dialog opened that the morning did not expect";
            return 0;
        }
        auto geste = std::move(gestes.front());
        gestes.pop_front();
        geste(*dialogue);
        return dialogue->result();
    }

    // The line of a card in list `liste`, clicked, then SORTIR.
    static std::function<void(QDialog&)> Sortir(int liste, int numero)
    {
        return [liste, numero](QDialog& d) {
            QListWidget* l = d.findChild<QListWidget*>(QString::number(liste));
            const QString debut = QStringLiteral("%1").arg(numero, 3, 10, QLatin1Char('0'));
            bool trouve = false;
            for (int i = 0; i < l->count() && !trouve; ++i)
                if (l->item(i)->text().trimmed().startsWith(debut)) {
                    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
                    trouve = true;
                }
            EXPECT_TRUE(trouve) << numero;
            QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
        };
    }
    static std::function<void(QDialog&)> Cliquer(int bouton)
    {
        return [bouton](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(QString::number(bouton)), Qt::LeftButton); };
    }
    void CliquerSortie() { QTest::mouseClick(fenetre->findChild<QPushButton*>("201"), Qt::LeftButton); }
    void CliquerFrequence(int32_t f)
    {
        QTest::mouseClick(fenetre->BoutonsFrequences()[static_cast<std::size_t>(r.Index(f))], Qt::LeftButton);
    }
    std::vector<std::string> Journal()
    {
        std::istringstream flux(Utf8VersCp1252(LireOctets(fichier.substr(0, fichier.rfind('.')) + ".txt")));
        std::vector<std::string> lignes;
        for (std::string l; std::getline(flux, l);) lignes.push_back(l.substr(0, l.size() - 1));
        return lignes;
    }
};

} // namespace

TEST_F(Matinee, CardsThenTheQueueTakenInOrder)
{
    // Pilots 2 (35.010) and 6 (35.050) leave by their cards.
    gestes.push_back(Sortir(920, 2));
    CliquerSortie();
    gestes.push_back(Sortir(920, 6));
    CliquerSortie();
    EXPECT_EQ(r.etat.NbSorties, 2);

    // Pilot 3 is 10 kHz from 35.010: refused, and no queue wanted.
    gestes.push_back(Sortir(920, 3));
    r.port.RepondreOk();
    r.port.RepondreBascule(false, false);
    CliquerSortie();
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 93));
    EXPECT_EQ(r.port.Messages.back().Detail, "35.010______ - n\xB0 2 - Pilote 2\n");
    EXPECT_EQ(r.etat.ModeSortie, ModeFiches);

    // Pilot 10 (35.090) is hit by 2 x 35.050 - 35.010: queued, and the stand goes to the waiting list.
    gestes.push_back([](QDialog& d) {
        Capturer(&d, "DIALSORTIR_matinee_fr");
        Sortir(920, 10)(d);
    });
    r.port.RepondreOk();
    r.port.RepondreBascule(true, false);
    CliquerSortie();
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 94));
    EXPECT_EQ(r.etat.ModeSortie, ModeFileAttente);
    EXPECT_TRUE(fenetre->DefilantVisible(2));
    EXPECT_NE(r.etat.TexteDefilant2.Chaine().find("10 Pilote 10 35.090"), std::string::npos);

    // From the other cards, pilot 3 again: refused, put in the queue, and the dialog opens again.
    gestes.push_back(Sortir(923, 3));
    gestes.push_back([this](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("922")->text(), QString::fromStdString(Cp1252VersUtf8(FormaterTexte(Texte(r.etat, 53), 2u))));
        EXPECT_TRUE(d.findChild<QListWidget*>("920")->item(1)->text().contains("Pilote 3"));
        Capturer(&d, "DIALSORTIR2_matinee_fr");
        Cliquer(2)(d);
    });
    r.port.RepondreOk();
    r.port.RepondreOui();
    CliquerSortie();
    EXPECT_EQ(r.etat.NbEntreesAttente(), 2);

    // 35.010 comes back: the head of the queue may go, and the exit dialog opens by itself.
    r.port.Avancer(90000);
    gestes.push_back(Cliquer(804));
    r.port.RepondreOui();
    gestes.push_back([](QDialog& d) {
        EXPECT_EQ(d.findChild<QListWidget*>("920")->currentRow(), 0);
        Cliquer(1)(d);
    });
    CliquerFrequence(35010);
    EXPECT_EQ(r.Entree(35090).FicheEmettrice, 10);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 1);

    // 35.050 comes back: pilot 3 goes in turn.
    r.port.Avancer(30000);
    gestes.push_back(Cliquer(804));
    r.port.RepondreOui();
    gestes.push_back(Cliquer(1));
    CliquerFrequence(35050);
    EXPECT_EQ(r.Entree(35020).FicheEmettrice, 3);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 0);
    EXPECT_TRUE(gestes.empty());
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);

    // The file holds the morning.
    LibererManifestation(r.etat);   // the stand lets the file go, as when it quits
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, fichier));
    EXPECT_EQ(relue.etat.ModeSortie, ModeFileAttente);
    EXPECT_EQ(relue.etat.NbSorties, 2);
    EXPECT_EQ(relue.etat.NbEntreesAttente(), 0);
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 2, 1)->CumulEmission}, 90000);
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 6, 1)->CumulEmission}, 120000);
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 10, 1)->Etat}, EnVol);
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 3, 1)->NbVols}, 1);

    const std::vector<std::string> j = Journal();
    const std::vector<std::pair<int, std::string>> attendu = {
        {122, "---> 1"},
        {132, "35010 - n\xB0 2 - Pilote 2"},
        {132, "35050 - n\xB0 6 - Pilote 6"},
        {124, "1 --> 2"},
        {133, "35010 - n\xB0 2 - Pilote 2"},
        {132, "35090 - n\xB0 10 - Pilote 10"},
        {133, "35050 - n\xB0 6 - Pilote 6"},
        {132, "35020 - n\xB0 3 - Pilote 3"},
    };
    ASSERT_EQ(j.size(), attendu.size());
    for (std::size_t i = 0; i < j.size(); ++i) {
        std::string e = Texte(r.etat, attendu[i].first);
        e.resize(20, ' ');
        EXPECT_EQ(j[i], "06/12/26 14:03:27   " + e + " " + attendu[i].second) << i;
    }
}
