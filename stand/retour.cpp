#include "stand/retour.h"

#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "stand/defilant.h"
#include "stand/sortie.h"
#include "storage/historique.h"
#include "storage/manifestation.h"

bool RetourEnKoral(EtatGlobal& etat, int index)
{
    if (index < 0 || index >= etat.NbFrequences()) return false;
    EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index)];
    if (e.Etat < Sortie) return false;

    // Every lookup first: a miss ends the program and must find nothing half done.
    FicheVol* fiche = nullptr;
    EntreePlan* noeud = nullptr;
    if (e.FicheEmettrice != FICHE_LIBRE) {
        fiche = ChercheFiche(etat, e.FicheEmettrice, 1);
        if (!fiche) return false;
        // The plan node is looked for among the plan's nodes whatever the mode.
        if (e.RangPlanifie >= 1) {
            noeud = ChercheRangDansListe(etat, e.RangPlanifie, PlanVols);
            if (!noeud) return false;
        }
    }

    const uint32_t duree = etat.Port.Tick() - e.DebutEmission;
    if (fiche) {
        fiche->Etat = AuSol;
        fiche->CumulEmission = static_cast<int32_t>(static_cast<uint32_t>(fiche->CumulEmission) + duree);
        if (noeud && noeud->DureeVol == 0 && noeud->EtatVol == VolEnCours) {
            noeud->DureeVol = static_cast<int32_t>(duree);
            noeud->EtatVol = VolTermine;
            e.RangPlanifie = 0;
        }
        if (Est24GHz(e.Frequence)) fiche->Frequence = SEUIL_24GHZ;
        etat.TexteEvenement = TexteVolHistorique(e.Frequence, fiche->Numero, VueChamp(fiche->Nom));
    } else {
        etat.TexteEvenement = TexteLibreHistorique(e.Frequence, Texte(etat, 40));
    }

    e.DebutEmission = 0;
    e.FicheEmettrice = 0;
    CopierChamp(e.Libelle, LibelleEntree(etat, index));
    MoteurRetour(etat, index);
    SauverManifestation(etat);
    RecompteSorties(etat);
    EcrireHistorique(etat, EVT_RETOUR);
    MajTexteDefilant2(etat);
    return true;
}

void ProposerSortieFileAttente(EtatGlobal& etat)
{
    if (etat.ModeSortie != ModeFileAttente) return;
    const auto& c = etat.Contraintes;
    const int n = etat.NbEntreesAttente();
    for (int rang = 1; rang <= n; ++rang) {
        const EntreePlan* noeud = ChercheRangPlan(etat, rang);
        if (!noeud) return;
        const FicheVol* fiche = ChercheFiche(etat, noeud->NumeroFiche, 1);
        if (!fiche) return;
        const EntreeFrequence* e = ChercheFrequence(etat, fiche->Frequence);
        if (!e) return;
        // A card without a real frequency cannot leave; never test the plan in its place.
        if (e == &etat.EntreeSansFrequence) continue;
        // Nor a 2.4 GHz card while every slot is out.
        if (Est24GHz(e->Frequence) && CreneauLibre24(etat) == 0) continue;
        if (!FrequenceBloquee(etat, e->Index) && e->Etat == Libre &&
            (!c.LimiteEmissions || etat.NbSorties < c.NbMaxEmissions)) {
            etat.SortieDemandee = 1;
            return;
        }
    }
}
