// One action of the operator, one write of the meeting file: a program killed at
// any moment leaves a file that holds the meeting before or after the action,
// never half of it.
#include "cards/liste_fiches.h"
#include "cards/plan_vols.h"
#include "shell/commandes.h"
#include "stand/file_attente.h"
#include "stand/renseign.h"
#include "stand/sortie_fiches.h"
#include "stand/sortie_plan.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"
#include "tests/support/fenetre_test.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Geste {
    const char* Nom;
    int32_t Mode;
    int Commande;            // 0: a click on the board's button of 35.020
    Dialogue Dans;           // the dialog the operator acts in
    std::function<void(EtatGlobal&)> Agir;
    bool Change = true;      // the meeting changes, so the file is written once
};

// Pilots 3 (35.010), 7 (35.030, queued and planned), 12 (35.020, out),
// 20 (35.050, on the ground, planned nowhere); 35.000 is out on free service.
void Preparer(ReunionStand& r, int32_t mode)
{
    r.Plan(PlanExemple35());
    r.port.MessagesLibres = true;   // every question answered with its first button
    for (auto [n, f] : {std::pair{3, 35010}, {7, 35030}, {12, 35020}, {20, 35050}}) {
        r.Fiche(n, "Pilote " + std::to_string(n), f);
        ++r.Entree(f).NbUtilisateurs;
    }
    r.Noeud(PlanVols, 1, 7);
    r.Noeud(FileAttente, 1, 7);
    r.etat.ModeSortie = mode;
    r.Sortir(35000, FICHE_LIBRE);
    r.Sortir(35020, 12);
}

} // namespace

TEST(UneEcriture, EveryActionWritesTheMeetingFileOnce)
{
    const Geste gestes[] = {
        {"a flight added to the plan", ModePlanifie, 212, Dialogue::PlanVols,
         [](EtatGlobal& e) { EditeurPlan(e, [](int) {}).Executer(PLAN_FICHE + 3, 0); }},
        {"a remark inserted in the plan", ModePlanifie, 212, Dialogue::PlanVols,
         [](EtatGlobal& e) {
             static_cast<PlateformeTest&>(e.Port).RepondreTexte("Voltige");
             EditeurPlan(e, [](int) {}).Executer(PLAN_REMARQUE, 0);
         }},
        {"an unplanned card inserted and sent out", ModePlanifie, 201, Dialogue::SortirPlan,
         [](EtatGlobal& e) { SortiePlan(e).Sortir(LISTE_AUTRES, 1); }},   // pilot 20
        {"a card sent out", ModeFiches, 201, Dialogue::Sortir, [](EtatGlobal& e) { SortieFiches(e).Sortir(2); }},   // pilot 20
        {"a refused card queued, and the waiting-list mode", ModeFiches, 201, Dialogue::Sortir,
         [](EtatGlobal& e) {
             static_cast<PlateformeTest&>(e.Port).RepondreBascule(true, false);
             SortieFiches(e).Sortir(1);   // pilot 7: 35.030 is 10 kHz from 35.020
         }},
        {"a queued flight taken off the queue", ModeFileAttente, 201, Dialogue::SortirAttente,
         [](EtatGlobal& e) { SortieAttente(e).Retirer(LISTE_PRINCIPALE, 0); }},
        {"a transmitter back", ModeFiches, 0, Dialogue::Renseign, [](EtatGlobal& e) { Renseign(e).Bouton804(-1); }},
        {"a queued pilot deleted", ModeFileAttente, 302, Dialogue::ListeFiches,
         [](EtatGlobal& e) { ListePilotes(e, [](int) {}).Supprimer(1); }},
        {"the waiting-list mode", ModeFiches, 222, Dialogue::APropos, [](EtatGlobal&) {}},
        {"an exit dialog left with Abandon", ModeFiches, 201, Dialogue::Sortir, [](EtatGlobal&) {}, false},
    };
    for (const Geste& g : gestes) {
        ReunionStand r;
        Preparer(r, g.Mode);
        SauverManifestation(r.etat);
        const uint32_t avant = r.etat.NbEcritures;
        const std::string image = ImageManifestation(r.etat);
        FenetreTest f;
        bool agi = false;
        f.PendantDialogue = [&](Dialogue d) {
            if (d != g.Dans || agi) return;
            agi = true;
            g.Agir(r.etat);
        };
        if (g.Commande) ExecuterCommande(r.etat, f, g.Commande);
        else CliquerFrequence(r.etat, f, r.Index(35020));
        EXPECT_TRUE(agi || g.Dans == Dialogue::APropos) << g.Nom;
        EXPECT_EQ(r.etat.NbEcritures - avant, g.Change ? 1u : 0u) << g.Nom;
        EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat)) << g.Nom;
        if (g.Change) {
            EXPECT_NE(r.FichierManifestation(), image) << g.Nom;
        }
    }
}
