#include "engine/etat.h"

#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"

#include <algorithm>
#include <bitset>
#include <utility>
#include <new>

EtatGlobal::EtatGlobal(Plateforme& plateforme) : Port(plateforme)
{
    InitialiserManifestation(*this);
}

int EtatGlobal::NbEntreesPlan() const
{
    int n = 0;
    for (const EntreePlan& e : ListePlan) n += e.Liste != FileAttente;
    return n;
}

int EtatGlobal::NbEntreesAttente() const
{
    int n = 0;
    for (const EntreePlan& e : ListePlan) n += e.Liste == FileAttente;
    return n;
}

void DefinirPlan(EtatGlobal& etat, std::vector<EntreeFrequence> plan)
{
    etat.PlanFrequences = std::move(plan);
    etat.FrequencesTouchees.assign(etat.PlanFrequences.size(), 0);
    etat.Actives.clear();
    etat.Actives.reserve(etat.PlanFrequences.size());
    TrierPlan(etat);
}

EntreeFrequence* ChercheFrequence(EtatGlobal& etat, int32_t frequence)
{
    if (frequence == FREQUENCE_AUCUNE) return &etat.EntreeSansFrequence;
    const int i = etat.Index.Chercher(etat.PlanFrequences, frequence);
    if (i < 0) {
        SignalerPointeurPerdu(etat, "FINDFREQUENCE");
        return nullptr;
    }
    return &etat.PlanFrequences[static_cast<std::size_t>(i)];
}

const FicheVol* ChercheFiche(const EtatGlobal& etat, int32_t numero)
{
    auto& index = etat.IndexFiches;
    const bool indexable = numero >= 0 && numero < TAILLE_INDEX_FICHES;
    if (indexable && !index.empty()) {
        const FicheVol* f = index[static_cast<std::size_t>(numero)];
        if (f && f->Numero == numero) return f;
    }
    const FicheVol* trouvee = nullptr;
    for (const FicheVol& f : etat.Fiches)
        if (f.Numero == numero) {
            trouvee = &f;
            break;
        }
    // A card the index missed (one just made or numbered): the index is made anew.
    if (trouvee && indexable) {
        index.assign(TAILLE_INDEX_FICHES, nullptr);
        for (const FicheVol& f : etat.Fiches)
            if (f.Numero >= 0 && f.Numero < TAILLE_INDEX_FICHES && !index[static_cast<std::size_t>(f.Numero)])
                index[static_cast<std::size_t>(f.Numero)] = &f;
    }
    return trouvee;
}

FicheVol* ChercheFiche(EtatGlobal& etat, int32_t numero, int obligatoire)
{
    auto* fiche = const_cast<FicheVol*>(ChercheFiche(std::as_const(etat), numero));
    if (!fiche && obligatoire) SignalerPointeurPerdu(etat, "FINDPILOTE");
    return fiche;
}

EntreePlan* ChercheEntreePlan(EtatGlobal& etat, int32_t numero, int32_t etatVol)
{
    for (EntreePlan& e : etat.ListePlan)
        if (e.Liste == PlanVols && e.NumeroFiche == numero && e.Rang == 0 && e.EtatVol == etatVol)
            return &e;
    SignalerPointeurPerdu(etat, "FINDPLAN");
    return nullptr;
}

EntreePlan* ChercheRangDansListe(EtatGlobal& etat, int32_t rang, int32_t liste)
{
    for (EntreePlan& e : etat.ListePlan)
        if (e.Liste == liste && e.Rang == rang) return &e;
    SignalerPointeurPerdu(etat, "FINDPLANRANG");
    return nullptr;
}

EntreePlan* ChercheRangPlan(EtatGlobal& etat, int32_t rang)
{
    if (etat.ModeSortie == ModeFileAttente) return ChercheRangDansListe(etat, rang, FileAttente);
    if (etat.ModeSortie == ModePlanifie) return ChercheRangDansListe(etat, rang, PlanVols);
    SignalerPointeurPerdu(etat, "FINDPLANRANG");
    return nullptr;
}

void SignalerPointeurPerdu(EtatGlobal& etat, const char* fonction)
{
    // The program ends: whatever its callers do on the way out is not written.
    etat.SauvegardeActive = 0;
    etat.HistoriqueActif = 0;
    etat.Port.RapportFatal(Texte(etat, 2), FormaterTexte(Texte(etat, 17), fonction));
}

FicheVol* NouvelleFiche(EtatGlobal& etat)
{
    try {
        return &etat.Fiches.emplace_back(FicheVol{});
    } catch (const std::bad_alloc&) {
        MessageMemoireInsuffisante(etat);
        return nullptr;
    }
}

void RetirerFiche(EtatGlobal& etat, int32_t numero)
{
    etat.IndexFiches.clear();
    etat.Fiches.remove_if([numero](const FicheVol& f) { return f.Numero == numero; });
}

EntreePlan* NouvelleEntreePlan(EtatGlobal& etat)
{
    try {
        EntreePlan& e = etat.ListePlan.emplace_back(EntreePlan{});
        e.NumeroFiche = etat.FicheCourante;
        return &e;
    } catch (const std::bad_alloc&) {
        MessageMemoireInsuffisante(etat);
        return nullptr;
    }
}

void RetirerNoeud(EtatGlobal& etat, const EntreePlan& noeud)
{
    const auto cible = std::find_if(etat.ListePlan.begin(), etat.ListePlan.end(),
                                    [&noeud](const EntreePlan& e) { return &e == &noeud; });
    if (cible == etat.ListePlan.end()) return;
    const int32_t liste = cible->Liste, rang = cible->Rang;
    etat.ListePlan.erase(cible);
    for (EntreePlan& e : etat.ListePlan)
        if (e.Liste == liste && e.Rang > rang) --e.Rang;
}

int NumeroFicheLibre(const EtatGlobal& etat)
{
    std::bitset<DERNIERE_FICHE_PILOTE + 1> pris;
    for (const FicheVol& f : etat.Fiches)
        if (EstFichePilote(f.Numero)) pris.set(static_cast<std::size_t>(f.Numero));
    for (int n = 1; n <= DERNIERE_FICHE_PILOTE; ++n)
        if (!pris.test(static_cast<std::size_t>(n))) return n;
    return 0;
}

int NumeroRemarqueLibre(const EtatGlobal& etat)
{
    std::bitset<DERNIERE_REMARQUE - PREMIERE_REMARQUE + 1> pris;
    for (const FicheVol& f : etat.Fiches)
        if (f.Numero >= PREMIERE_REMARQUE && f.Numero <= DERNIERE_REMARQUE)
            pris.set(static_cast<std::size_t>(f.Numero - PREMIERE_REMARQUE));
    for (int n = DERNIERE_REMARQUE; n >= PREMIERE_REMARQUE; --n)
        if (!pris.test(static_cast<std::size_t>(n - PREMIERE_REMARQUE))) return n;
    return 0;
}

int FicheExiste(EtatGlobal& etat, int32_t numero)
{
    return ChercheFiche(etat, numero, 0) != nullptr;
}

void ViderManifestation(EtatGlobal& etat)
{
    etat.IndexFiches.clear();
    etat.Fiches.clear();
    etat.ListePlan.clear();
}

void CreerFichePause(EtatGlobal& etat)
{
    if (FicheVol* pause = NouvelleFiche(etat)) {
        pause->Numero = FICHE_PAUSE;
        pause->Frequence = FREQUENCE_AUCUNE;
        pause->Etat = Arretee;
    }
    etat.EntreeSansFrequence = EntreeFrequence{};
    etat.EntreeSansFrequence.Frequence = FREQUENCE_AUCUNE;
    etat.EntreeSansFrequence.Etat = Libre;
    etat.EntreeSansFrequence.NbUtilisateurs = 1;
    etat.EntreeSansFrequence.FicheEmettrice = 0;
}

bool ChangerFrequenceFiche(EtatGlobal& etat, FicheVol& fiche, int32_t frequence)
{
    const int32_t ancienne = fiche.Frequence;
    EntreeFrequence* nouvelle = ChercheFrequence(etat, frequence);
    EntreeFrequence* avant = nouvelle ? ChercheFrequence(etat, ancienne) : nullptr;
    if (!avant) return false;
    ++nouvelle->NbUtilisateurs;
    --avant->NbUtilisateurs;
    fiche.Frequence = frequence;
    fiche.Canal = nouvelle->Canal;
    etat.TexteEvenement = Formater("n\xB0 %u - %d ---> %d", static_cast<unsigned>(fiche.Numero), ancienne, frequence);
    return true;
}

void InitialiserManifestation(EtatGlobal& etat)
{
    ViderManifestation(etat);
    etat.Contraintes = Contraintes{};
    etat.ModeSortie = ModeFiches;
    etat.ModePrecedent = ModeFiches;
    etat.CleTri = 0;
    etat.MotDePasse.Vider();
    etat.BandeauSorties = " - - - - - - - - ";
    etat.TexteDefilant2.Vider();
    etat.SourceDefilant2.Vider();
    etat.PageGauche = 1;
    etat.PageDroite = 0;
    etat.SauvegardeActive = 0;
    etat.CheminManifestation.clear();
    etat.CheminSecours.clear();
    CreerFichePause(etat);
}
