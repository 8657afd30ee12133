#include "stand/sortie.h"

#include "engine/compatibilite.h"
#include "engine/conflit.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "storage/historique.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

int32_t CreneauLibre24(EtatGlobal& etat)
{
    for (int32_t f = PREMIER_CRENEAU_24; f <= DERNIER_CRENEAU_24; f += PAS_CRENEAU_24) {
        // A plan may hold the band without every slot; a missing slot is simply not free.
        const int i = etat.Index.Chercher(etat.PlanFrequences, f);
        if (i >= 0 && etat.PlanFrequences[static_cast<std::size_t>(i)].Etat == Libre) return f;
    }
    return 0;
}

bool SortieFrequence(EtatGlobal& etat, EntreeFrequence& entree, int32_t numeroFiche)
{
    if (&entree == &etat.EntreeSansFrequence || entree.Etat >= Sortie) return false;
    FicheVol* fiche = nullptr;
    if (numeroFiche != FICHE_LIBRE) {
        fiche = ChercheFiche(etat, numeroFiche, 1);
        if (!fiche) return false;
        CopierChamp(entree.Libelle, LibelleSortie(numeroFiche, LibelleEntree(etat, entree.Index)));
    }
    entree.Etat = Sortie;
    entree.FicheEmettrice = numeroFiche;
    entree.RangPlanifie = 0;
    entree.DebutEmission = etat.Port.Tick();
    if (fiche) {
        fiche->Etat = EnVol;
        ++fiche->NbVols;
    }
    MoteurSortie(etat, entree.Index);
    return true;
}

bool EstBloquee(EtatGlobal& etat, const EntreeFrequence& entree)
{
    const auto& c = etat.Contraintes;
    return entree.Etat >= Sortie || FrequenceBloquee(etat, entree.Index) ||
           (c.ControleIntermodulation && entree.Etat >= FrequenceImage) ||
           (c.LimiteEmissions && etat.NbSorties >= c.NbMaxEmissions);
}

EntreeFrequence* EntreeDeSortie(EtatGlobal& etat, int32_t frequence)
{
    if (frequence == FREQUENCE_AUCUNE) return nullptr;
    if (!Est24GHz(frequence)) return ChercheFrequence(etat, frequence);
    // A slot the operator chose leaves on itself while it is free.
    if (const int i = etat.Index.Chercher(etat.PlanFrequences, frequence);
        frequence != SEUIL_24GHZ && i >= 0 && etat.PlanFrequences[static_cast<std::size_t>(i)].Etat == Libre)
        return &etat.PlanFrequences[static_cast<std::size_t>(i)];
    const int32_t creneau = CreneauLibre24(etat);
    if (creneau == 0) {
        AfficherMessageTexte(etat, 166);
        return nullptr;
    }
    return ChercheFrequence(etat, creneau);
}

std::vector<int32_t> FrequencesPossibles(const EtatGlobal& etat, int32_t frequence)
{
    const int bande = BandeDe(frequence);
    std::vector<int32_t> possibles;
    if (bande < 0 || Est24GHz(frequence)) return possibles;
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Frequence != frequence && BandeDe(e.Frequence) == bande && RefusSortie(etat, e.Index) == 0)
            possibles.push_back(e.Frequence);
    std::stable_sort(possibles.begin(), possibles.end(),
                     [frequence](int32_t a, int32_t b) { return std::abs(a - frequence) < std::abs(b - frequence); });
    if (possibles.size() > NB_FREQUENCES_OFFERTES) possibles.resize(NB_FREQUENCES_OFFERTES);
    return possibles;
}

EntreeFrequence* ExaminerSortie(EtatGlobal& etat, int32_t numero)
{
    etat.FicheCourante = numero;
    FicheVol* fiche = ChercheFiche(etat, numero, 1);
    if (!fiche) return nullptr;
    EntreeFrequence* entree = EntreeDeSortie(etat, fiche->Frequence);
    if (!entree) return nullptr;
    const int32_t refus = RapportConflit(etat, entree->Index, true, false);
    if (refus == 0) return entree;
    // What would fly now, unless the count of transmitters is what refuses.
    const std::vector<int32_t> possibles = refus & CONFLIT_MAXIMUM ? std::vector<int32_t>() : FrequencesPossibles(etat, fiche->Frequence);
    std::vector<std::string> choix;
    for (int32_t f : possibles) choix.push_back(LibelleFrequence(f));
    etat.JeuBoutons = BOUTONS_OK;
    etat.SujetAide = SUJET_AIDE_CONFLIT;
    const auto pris = AfficherMessageAvecChoix(etat, choix);
    // A frequency taken: the card moves there as the card form moves it, logged like it.
    if (!pris || !ChangerFrequenceFiche(etat, *fiche, possibles[static_cast<std::size_t>(*pris)])) return nullptr;
    EcrireHistorique(etat, EVT_MODIF_FREQUENCE);
    entree = ChercheFrequence(etat, fiche->Frequence);
    return entree && RapportConflit(etat, entree->Index, true, true) == 0 ? entree : nullptr;
}

bool ValiderSortie(EtatGlobal& etat, EntreeFrequence& entree, int32_t numero)
{
    const FicheVol* fiche = ChercheFiche(etat, numero, 1);
    if (!fiche || !SortieFrequence(etat, entree, numero)) return false;
    RecompteSorties(etat);
    etat.TexteEvenement = TexteVolHistorique(entree.Frequence, numero, VueChamp(fiche->Nom));
    EcrireHistorique(etat, EVT_SORTIE);
    return true;
}

bool SortirFiche(EtatGlobal& etat, int32_t numero)
{
    EntreeFrequence* entree = ExaminerSortie(etat, numero);
    return entree && ValiderSortie(etat, *entree, numero);
}

bool SortirSansFiche(EtatGlobal& etat, int32_t frequence, int32_t ficheCourante, DetailSortieLibre detail)
{
    etat.FicheCourante = ficheCourante;
    EntreeFrequence* entree = EntreeDeSortie(etat, frequence);
    if (!entree || RapportConflit(etat, entree->Index, true, true) != 0) return false;
    if (!SortieFrequence(etat, *entree, FICHE_LIBRE)) return false;
    RecompteSorties(etat);
    etat.TexteEvenement = detail(entree->Frequence, Texte(etat, 50));
    EcrireHistorique(etat, EVT_SORTIE);
    return true;
}
