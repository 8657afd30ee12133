// A meeting of 200 pilots run from the keyboard alone, as the operator does with
// a card in hand: its number and Return on the board, Return in the dialog that
// opens. A hundred exits and returns, every key counted.
#include "cards/ui/dialogue_liste_fiches.h"
#include "cards/ui/dialogue_plan_vols.h"
#include "engine/emissions.h"
#include "shell/commandes.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_renseign.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct SessionClavier : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::unique_ptr<FenetrePrincipale> fenetre;
    int touches = 0;
    int32_t selectionnee = 0;   // the card on the exit dialog's selected line

    void SetUp() override
    {
        const std::string fichier = dossier.Fichier("Club.mhz");
        {
            Reunion source;
            std::vector<int32_t> plan;
            for (int32_t f = 35010; f <= 35200; f += 10) plan.push_back(f);
            source.Plan(plan);
            for (int n = 1; n <= 200; ++n) {
                const int32_t f = plan[static_cast<std::size_t>(n % plan.size())];
                source.Fiche(n, "Pilote " + std::to_string(n), f);
                ++source.Entree(f).NbUtilisateurs;
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
        QApplication::setActiveWindow(fenetre.get());
    }

    // The real dialog, answered by the keys an operator presses.
    int Ouvrir(Dialogue d)
    {
        if (d == Dialogue::Sortir) {
            DialogueSortieFiches dialogue(r.etat, fenetre.get());
            dialogue.show();
            auto* liste = dialogue.findChild<QListWidget*>("920");
            selectionnee = r.etat.Fiches.size() > 1 ? std::stoi(liste->currentItem()->text().toStdString()) : 0;
            Touche(liste, Qt::Key_Return);
            return dialogue.result();
        }
        if (d == Dialogue::Renseign) {
            // Its return question comes at once; Return answers OUI.
            r.port.RepondreOui();
            ++touches;
            DialogueRenseign dialogue(r.etat, fenetre.get());
            dialogue.show();
            QApplication::processEvents();
            return dialogue.result();
        }
        ADD_FAILURE() << "a dialog the keyboard did not ask for";
        return 0;
    }
    void Touche(QWidget* w, Qt::Key k)
    {
        QTest::keyClick(w, k);
        ++touches;
    }
    void Numero(int32_t n)
    {
        const std::string chiffres = std::to_string(n);
        QTest::keyClicks(fenetre.get(), QString::fromStdString(chiffres));
        touches += static_cast<int>(chiffres.size());
    }
};

} // namespace

TEST_F(SessionClavier, AHundredExitsAndReturnsByTheirNumbersAndTwoReturns)
{
    for (int k = 0; k < 100; ++k) {
        const int32_t n = 1 + (k * 37) % 200;
        const FicheVol& fiche = *ChercheFiche(r.etat, n, 1);
        const int chiffres = static_cast<int>(std::to_string(n).size());

        touches = 0;
        Numero(n);
        Touche(fenetre.get(), Qt::Key_Return);
        EXPECT_EQ(selectionnee, n);
        ASSERT_EQ(fiche.Etat, EnVol) << n;
        EXPECT_EQ(touches, chiffres + 2) << "exit of " << n;

        r.port.Avancer(61000);
        touches = 0;
        Numero(n);
        Touche(fenetre.get(), Qt::Key_Return);
        ASSERT_EQ(fiche.Etat, AuSol) << n;
        EXPECT_EQ(touches, chiffres + 2) << "return of " << n;
        EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
    }
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_EQ(r.port.Bips, 0);
    // A number no card has: a beep, nothing opens.
    Numero(404);
    Touche(fenetre.get(), Qt::Key_Return);
    EXPECT_EQ(r.port.Bips, 1);
}

// Every list of cards finds a card by its number or its pilot's name as it is typed.
TEST_F(SessionClavier, EveryListOfCardsFindsACardAsItIsTyped)
{
    auto carte = [](QListWidget* l) { return std::stoi(l->currentItem()->text().toStdString()); };
    DialogueSortieFiches sortie(r.etat, fenetre.get());
    sortie.show();
    auto* cartes = sortie.findChild<QListWidget*>("920");
    QTest::keyClicks(cartes, "151");
    EXPECT_EQ(carte(cartes), 151);
    r.port.Avancer(2000);
    QTest::keyClicks(cartes, "pilote 7");
    EXPECT_EQ(carte(cartes), 7);
    r.port.Avancer(2000);
    QTest::keyClicks(cartes, "x");
    EXPECT_EQ(r.port.Bips, 1);
    EXPECT_EQ(carte(cartes), 7);

    r.etat.CleTri = 2;   // by names: card 120 is far from its number's place
    DialogueListeFiches pilotes(r.etat, [](int) {}, fenetre.get());
    pilotes.show();
    auto* liste = pilotes.findChild<QTreeWidget*>("900");
    QTest::keyClicks(liste, "120");
    EXPECT_EQ(liste->currentItem()->data(0, Qt::UserRole).toInt(), 120);
}
