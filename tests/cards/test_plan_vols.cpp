#include "cards/plan_vols.h"
#include "engine/tri.h"
#include "engine/frequences.h"
#include "stand/retour.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// A plan written as it reads: a card number, 999 for a pause.
struct PlanDeVols : ::testing::Test {
    ReunionStand r;
    std::vector<int> commandes;
    void SetUp() override
    {
        r.Plan({35010, 35020, 35030, 35050, 35090, 35465, 40665, 2400000, 2400020, 2400040});
        const std::pair<int32_t, int32_t> cartes[] = {{1, 35010}, {2, 35020}, {3, 35030}, {4, 35050}, {5, 35090},
                                                      {6, 35465}, {7, 40665}, {8, 2400000}, {9, 2400000}};
        for (auto [n, f] : cartes) r.Fiche(n, "P" + std::to_string(n), f);
        r.etat.ModeSortie = ModePlanifie;
    }
    void Planifier(std::initializer_list<int32_t> numeros)
    {
        int32_t rang = static_cast<int32_t>(NoeudsEnOrdre(r.etat, PlanVols).size());
        for (int32_t n : numeros) r.Noeud(PlanVols, ++rang, n);
    }
    std::vector<int32_t> Problemes()
    {
        std::vector<int32_t> p;
        for (const EntreePlan* n : NoeudsEnOrdre(r.etat, PlanVols)) p.push_back(n->Problemes);
        return p;
    }
    std::vector<int32_t> Ordre()
    {
        std::vector<int32_t> o;
        for (const EntreePlan* n : NoeudsEnOrdre(r.etat, PlanVols)) o.push_back(n->NumeroFiche);
        return o;
    }
    EditeurPlan Editeur()
    {
        return EditeurPlan(r.etat, [this](int c) { commandes.push_back(c); });
    }
    EntreePlan& Rang(int32_t rang) { return *NoeudsEnOrdre(r.etat, PlanVols)[static_cast<std::size_t>(rang - 1)]; }
    int32_t Planifies(int32_t n) { return ChercheFiche(r.etat, n, 1)->NbVolsPlanifies; }
};

} // namespace

TEST_F(PlanDeVols, TheWindowFlagsWhatCannotFlyWithTheFlightsJustBefore)
{
    struct Cas { std::vector<int32_t> plan; int taille; bool ecart, intermod; std::vector<int32_t> problemes; };
    const int32_t M = PROBLEME_MEME, V = PROBLEME_VOISINE, D = PROBLEME_MODULEE, A = PROBLEME_MODULERA;
    const Cas cas[] = {
        // A, B, pause, C: C is checked against an empty window.
        {{1, 2, 999, 1}, 5, true, true, {0, V, 0, 0}},
        // The same pilot 4 places apart is flagged, 5 apart is not.
        {{1, 3, 5, 7, 1}, 5, true, true, {0, 0, 0, 0, M}},
        {{1, 3, 5, 7, 8, 1}, 5, true, true, {0, 0, 0, 0, 0, 0}},
        // 35.010 next to 35.020: only with the 20 kHz check.
        {{1, 2}, 5, false, false, {0, 0}},
        {{1, 2}, 5, true, false, {0, V}},
        // 35.010, 35.030, 35.050: the third is a product and would make one.
        {{1, 3, 4}, 5, false, true, {0, 0, D | A}},
        // A neighbour is never also tested for products; a repeat never for anything else.
        {{1, 3, 2}, 5, true, true, {0, 0, V}},
        {{1, 3, 1}, 5, true, true, {0, 0, M}},
        // 455 kHz apart.
        {{1, 6}, 5, false, true, {0, A}},
        // 2.4 GHz: only the same pilot twice.
        {{8, 9, 8}, 5, true, true, {0, 0, M}},
        // A window of one flight compares nothing.
        {{1, 1}, 1, true, true, {0, 0}},
    };
    for (const Cas& c : cas) {
        r.etat.ListePlan.clear();
        Planifier({});
        int32_t rang = 0;
        for (int32_t n : c.plan) r.Noeud(PlanVols, ++rang, n);
        r.etat.Contraintes.Ecart20kHz = c.ecart;
        r.etat.Contraintes.ControleIntermodulation = c.intermod;
        VerifierPlan(r.etat, c.taille);
        EXPECT_EQ(Problemes(), c.problemes) << ::testing::PrintToString(c.plan);
    }
}

TEST_F(PlanDeVols, TheWindowSizeIsTheMaximumBounded)
{
    struct Cas { int32_t maximum; int taille; };
    for (const Cas& c : {Cas{0, 5}, Cas{-3, 5}, Cas{1, 1}, Cas{7, 7}, Cas{150, 99}}) {
        r.etat.Contraintes.NbMaxEmissions = c.maximum;
        EXPECT_EQ(TailleFenetre(r.etat), c.taille) << c.maximum;
    }
    // Opening the editor changes nothing of the meeting's own settings.
    r.etat.Contraintes.NbMaxEmissions = 0;
    r.etat.Contraintes.LimiteEmissions = 0;
    Planifier({1, 1});
    EditeurPlan e = Editeur();
    EXPECT_EQ(Rang(2).Problemes, PROBLEME_MEME);
    e.Fermer();
    EXPECT_EQ(r.etat.Contraintes.NbMaxEmissions, 0);
    EXPECT_EQ(r.etat.Contraintes.LimiteEmissions, 0);
}

TEST_F(PlanDeVols, LinesTellEachKindAndState)
{
    CopierChamp(ChercheFiche(r.etat, 1, 1)->Modele, "Pitts");
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    CopierChamp(ChercheFiche(r.etat, 2999, 1)->Modele, "Démonstration");
    Planifier({1, 999, 2999, 2, 3, 4, 1});
    Rang(1).EtatVol = VolTermine;
    Rang(2).EtatVol = VolTermine;
    Rang(4).EtatVol = VolEnCours;
    Rang(5).EtatVol = VolTermine;
    Rang(5).Problemes = VOL_SAUTE;
    const EditeurPlan e = Editeur();
    std::vector<std::string> images;
    for (const LignePlan& l : e.Lignes()) images.push_back(l.Image);
    // The last 1 comes 10 kHz after the 2 in the air (the flown and skipped ones are no longer in the window).
    EXPECT_THAT(images, ElementsAre("AVOLE", "PAUSE2", "REMARQUE", "BMPENVOL", "VOLSAUTE", "VIDE", "BMPDANGER"));
    EXPECT_EQ(e.Lignes()[0].Texte, "  001   35.010   P1            =>  Pitts ");
    EXPECT_EQ(e.Lignes()[2].Texte, "2999  D\xC3\xA9monstration ");
    EXPECT_FALSE(e.RepriseVisible());   // the last entry still waits
    EXPECT_EQ(e.Selection(), 0);
}

TEST_F(PlanDeVols, MovesKeepFlownNodesAndPassedPausesInPlace)
{
    Planifier({1, 999, 2, 3, 4});
    Rang(1).EtatVol = VolTermine;
    Rang(2).EtatVol = VolTermine;
    EditeurPlan e = Editeur();
    e.Executer(PLAN_MONTER, 0);
    e.Executer(PLAN_DESCENDRE, 4);
    e.Executer(PLAN_MONTER, -1);
    EXPECT_EQ(r.port.Bips, 3);
    r.port.RepondreOk();
    e.Executer(PLAN_MONTER, 2);   // past the passed pause
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 116));
    e.Executer(PLAN_DESCENDRE, 0);   // a flown flight
    e.Executer(PLAN_MONTER, 1);      // a passed pause over a flown flight
    EXPECT_EQ(r.port.Bips, 5);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 999, 2, 3, 4}));
    e.Executer(PLAN_DESCENDRE, 2);
    EXPECT_EQ(e.Selection(), 3);
    e.Executer(PLAN_MONTER, 4);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 999, 3, 4, 2}));
    // The ranks follow the order shown, and the file holds them.
    for (int32_t k = 1; k <= 5; ++k) EXPECT_EQ(Rang(k).Rang, k);
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
}

TEST_F(PlanDeVols, AddingAndDeletingKeepTheCardsPlannedCounts)
{
    Planifier({1});
    EditeurPlan e = Editeur();
    EXPECT_TRUE(e.Executer(PLAN_AJOUTER, -1));   // the add menu
    e.Executer(PLAN_FICHE + 3, -1);
    e.Executer(PLAN_FICHE + 3, 0);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 3, 3}));   // no line chosen: rank 2
    EXPECT_EQ(Planifies(3), 2);
    EXPECT_EQ(e.Selection(), 1);
    const auto coche = [&e](int32_t n) {
        for (const ElementMenuPlan& m : e.MenuAjout())
            if (m.Commande == PLAN_FICHE + n) return m.Coche;
        return false;
    };
    EXPECT_TRUE(coche(3));
    EXPECT_FALSE(coche(2));
    e.Executer(PLAN_SUPPRIMER, 1);
    e.Executer(PLAN_SUPPRIMER, 1);
    EXPECT_EQ(Planifies(3), 0);
    EXPECT_FALSE(coche(3));
    // A remark goes with its card.
    r.port.RepondreTexte("Pause d\xE9jeuner");
    e.Executer(PLAN_REMARQUE, 0);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 2999}));
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 2999, 1)->Modele), "Pause d\xE9jeuner");
    e.Executer(PLAN_SUPPRIMER, 1);
    EXPECT_FALSE(FicheExiste(r.etat, 2999));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
    // The add menu: pause, remark, the pilots not stopped in the card order, pause, remark.
    ChercheFiche(r.etat, 5, 1)->Etat = Arretee;
    const auto menu = e.MenuAjout();
    ASSERT_EQ(menu.size(), 3u + 8u + 3u);
    EXPECT_EQ(menu[3].Libelle, "001 - 35.010 - P1 - ");
    EXPECT_EQ(menu[7].Commande, PLAN_FICHE + 6);
}

TEST_F(PlanDeVols, NothingNewGoesBeforeAPassedPause)
{
    Planifier({1, 2, 999, 3});
    Rang(1).EtatVol = VolTermine;
    Rang(2).EtatVol = VolTermine;
    Rang(3).EtatVol = VolTermine;
    EditeurPlan e = Editeur();
    // Adding after line 0 would come before the passed pause: a remark is offered instead.
    r.port.RepondreNon();
    EXPECT_FALSE(e.Executer(PLAN_AJOUTER, 0));
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 115));
    EXPECT_EQ(r.port.Messages.back().SujetAide, 133);
    r.port.RepondreOui();
    r.port.RepondreTexte("Changement de piste");
    e.Executer(PLAN_AJOUTER, -1);   // nothing chosen: rank 2, before the pause too
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 2999, 2, 999, 3}));
    r.port.RepondreOk();
    e.Executer(PLAN_PAUSE, 0);
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 117));
    e.Executer(PLAN_FICHE + 4, 0);   // straight from a menu id: refused too
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 2999, 2, 999, 3}));
    // After the pause, adding is free.
    EXPECT_TRUE(e.Executer(PLAN_AJOUTER, 3));
    e.Executer(PLAN_PAUSE, 4);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 2999, 2, 999, 3, 999}));
}

TEST_F(PlanDeVols, LineMenusByKindAndState)
{
    Planifier({5, 1, 3, 4, 999, 2, 999, 2999});
    r.Fiche(2999, "", FREQUENCE_AUCUNE);
    Rang(1).EtatVol = VolTermine;
    Rang(2).EtatVol = VolEnCours;
    Rang(7).EtatVol = VolTermine;
    r.etat.Contraintes.Ecart20kHz = 0;
    EditeurPlan e = Editeur();
    const auto textes = [&e](int ligne) {
        std::vector<int> t;
        for (const ElementMenuPlan& m : e.MenuLigne(ligne)) t.push_back(m.Texte);
        return t;
    };
    EXPECT_THAT(textes(0), ElementsAre(101, 0, 111, 110));
    EXPECT_THAT(textes(1), ElementsAre(102, 0, 110));
    EXPECT_THAT(textes(2), ElementsAre(103, 0, 104, 105, 106, 107, 0, 110));
    EXPECT_THAT(textes(3), ElementsAre(99, 100, 0, 104, 105, 106, 107, 0, 110));   // 35.050 after 35.010 and 35.030
    EXPECT_THAT(textes(4), ElementsAre(104, 105, 106, 107));
    EXPECT_EQ(r.port.Bips, 0);
    EXPECT_THAT(textes(6), ElementsAre(113));
    EXPECT_EQ(r.port.Bips, 1);
    EXPECT_THAT(textes(7), ElementsAre(104, 105, 106, 107, 0, 112));
    Rang(1).Problemes = VOL_SAUTE;
    EXPECT_EQ(e.MenuLigne(0)[0].Texte, 198);
}

TEST_F(PlanDeVols, ModifyingAndCommenting)
{
    Planifier({1, 2, 2999});
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    CopierChamp(ChercheFiche(r.etat, 1, 1)->Remarques, std::string(252, 'r'));
    ChercheFiche(r.etat, 2, 1)->Etat = Arretee;
    r.port.MessagesLibres = false;
    EditeurPlan e = Editeur();
    e.Executer(PLAN_MODIFIER, 0);
    EXPECT_EQ(r.etat.FicheCourante, 1);
    EXPECT_THAT(commandes, ElementsAre(280));
    r.port.RepondreOk();
    e.Executer(PLAN_MODIFIER, 1);
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 114));
    r.port.RepondreTexte(std::string(140, 'm'));
    e.Executer(PLAN_MODIFIER, 2);
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 2999, 1)->Modele), std::string(127, 'm'));
    // The comment opens on the remarks and a line break, cut so that it fits its record.
    r.port.RepondreTexte(std::nullopt);
    e.Executer(PLAN_COMMENTER, 0);
    ASSERT_EQ(r.port.TextesDemandes.size(), 2u);
    EXPECT_TRUE(r.port.TextesDemandes[1].Commentaire);
    EXPECT_EQ(r.port.TextesDemandes[1].Texte, std::string(252, 'r'));
    EXPECT_EQ(r.port.TextesDemandes[1].Longueur, 253u);
    CopierChamp(ChercheFiche(r.etat, 1, 1)->Remarques, "Moteur neuf");
    r.port.RepondreTexte("Moteur neuf\r\nVole bien");
    e.Executer(PLAN_COMMENTER, 0);
    EXPECT_EQ(r.port.TextesDemandes[2].Texte, "Moteur neuf\r\n");
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 1, 1)->Remarques), "Moteur neuf\r\nVole bien");
    e.Executer(PLAN_COMMENTER, 2);   // a remark has no comment
    EXPECT_EQ(r.port.TextesDemandes.size(), 3u);
}

TEST_F(PlanDeVols, NoRemarkNumberLeftCreatesNothing)
{
    for (int32_t n = 2000; n <= 2999; ++n) r.Fiche(n, "", FREQUENCE_AUCUNE).Etat = Arretee;
    Planifier({1});
    const std::size_t fiches = r.etat.Fiches.size();
    EditeurPlan e = Editeur();
    r.port.RepondreTexte("Encore une");
    r.port.RepondreOk();
    e.Executer(PLAN_REMARQUE, 0);
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 87));
    EXPECT_EQ(r.etat.Fiches.size(), fiches);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1}));
}

TEST_F(PlanDeVols, StartingAgainPlansEachFlightOnceMore)
{
    Planifier({1, 999, 2, 2999});
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    Rang(4).EtatVol = VolTermine;
    EditeurPlan e = Editeur();
    EXPECT_TRUE(e.RepriseVisible());
    r.port.RepondreNombre(0);
    e.Executer(PLAN_REPRISE, -1);
    EXPECT_EQ(r.port.Bips, 1);
    r.port.RepondreNombre(std::nullopt);
    e.Executer(PLAN_REPRISE, -1);
    r.port.RepondreNombre(10);
    e.Executer(PLAN_REPRISE, -1);
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{1, 999, 2, 2999, 1, 2}));
    EXPECT_EQ(Rang(5).EtatVol, VolEnAttente);
    EXPECT_EQ(Planifies(1), 1);
    EXPECT_EQ(e.Selection(), 4);
    EXPECT_FALSE(e.RepriseVisible());
    EXPECT_EQ(r.port.Bips, 2);
}

TEST_F(PlanDeVols, ClosingAfterMovesKeepsAFlightOutOnItsNode)
{
    Planifier({1, 3, 4});
    r.Sortir(35050, 4).RangPlanifie = 3;
    Rang(3).EtatVol = VolEnCours;
    EditeurPlan e = Editeur();
    e.Executer(PLAN_DESCENDRE, 0);
    e.Fermer();
    EXPECT_EQ(Ordre(), (std::vector<int32_t>{3, 1, 4}));
    r.port.Avancer(60000);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(35050)));
    EXPECT_EQ(Rang(3).EtatVol, VolTermine);
    EXPECT_EQ(Rang(3).DureeVol, 60000);
    EXPECT_EQ(Rang(2).EtatVol, VolEnAttente);
}

TEST_F(PlanDeVols, ClearingThePlanLeavesTheQueue)
{
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    Planifier({1, 2999, 2});
    ChercheFiche(r.etat, 1, 1)->NbVolsPlanifies = 1;
    r.Noeud(FileAttente, 1, 3);
    r.Noeud(FileAttente, 2, 4, VolEnCours);
    r.port.RepondreOk();
    EffacerPlan(r.etat);
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 118));
    EXPECT_EQ(r.etat.NbEntreesPlan(), 3);
    r.etat.ListePlan.back().EtatVol = VolEnAttente;
    r.port.RepondreNon();
    EffacerPlan(r.etat);
    EXPECT_EQ(r.etat.NbEntreesPlan(), 3);
    r.port.RepondreOui();
    EffacerPlan(r.etat);
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 119));
    EXPECT_EQ(r.etat.NbEntreesPlan(), 0);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 2);
    EXPECT_FALSE(FicheExiste(r.etat, 2999));
    EXPECT_EQ(Planifies(1), 0);
    // Nothing to clear asks nothing.
    EffacerPlan(r.etat);
    EXPECT_EQ(r.port.Messages.size(), 3u);
}

TEST_F(PlanDeVols, NoPilotToPlanClosesTheEditor)
{
    for (FicheVol& f : r.etat.Fiches)
        if (EstFichePilote(f.Numero)) f.Etat = Arretee;
    r.port.RepondreOk();
    EXPECT_TRUE(Editeur().Ferme());
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 3));
}
