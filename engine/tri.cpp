#include "engine/tri.h"

#include "engine/etat.h"
#include "engine/frequences.h"

#include <algorithm>
#include <cstring>

namespace {

// Byte by byte, unsigned: capitals before small letters, a prefix before its extensions.
template <std::size_t N>
bool TexteAvant(const char (&a)[N], const char (&b)[N])
{
    return VueChamp(a) < VueChamp(b);
}

template <class Noeud, class Liste>
std::vector<Noeud*> EnOrdre(Liste& noeuds, int32_t liste)
{
    std::vector<Noeud*> ordre;
    for (Noeud& n : noeuds)
        if (n.Liste == liste) ordre.push_back(&n);
    std::stable_sort(ordre.begin(), ordre.end(), [](const Noeud* a, const Noeud* b) { return a->Rang < b->Rang; });
    return ordre;
}

} // namespace

std::vector<const FicheVol*> FichesTriees(const EtatGlobal& etat, const std::function<bool(const FicheVol&)>& garder)
{
    std::vector<LigneTri> lignes;
    for (const FicheVol& f : etat.Fiches)
        if (garder(f)) lignes.push_back(LigneTriDe(f));
    TrierFiches(etat, lignes);
    std::vector<const FicheVol*> fiches;
    fiches.reserve(lignes.size());
    for (const LigneTri& l : lignes) fiches.push_back(l.Fiche);
    return fiches;
}

std::vector<EntreePlan*> NoeudsEnOrdre(EtatGlobal& etat, int32_t liste)
{
    return EnOrdre<EntreePlan>(etat.ListePlan, liste);
}

std::vector<const EntreePlan*> NoeudsEnOrdre(const EtatGlobal& etat, int32_t liste)
{
    return EnOrdre<const EntreePlan>(etat.ListePlan, liste);
}

LigneTri LigneTriDe(const FicheVol& fiche)
{
    LigneTri ligne;
    ligne.Fiche = &fiche;
    ligne.Numero = fiche.Numero;
    ligne.Frequence = fiche.Frequence;
    CopierChamp(ligne.Nom, VueChamp(fiche.Nom));
    CopierChamp(ligne.Modele, VueChamp(fiche.Modele).substr(0, 30));
    return ligne;
}

void TrierFiches(const EtatGlobal& etat, std::vector<LigneTri>& lignes)
{
    auto avant = [cle = etat.CleTri](const LigneTri& a, const LigneTri& b) {
        switch (cle) {
        case 1: return a.Frequence < b.Frequence;
        case 2: return TexteAvant(a.Nom, b.Nom);
        case 3: return TexteAvant(a.Modele, b.Modele);
        default: return a.Numero < b.Numero;
        }
    };
    std::sort(lignes.begin(), lignes.end(), avant);
}

namespace {

// A 2.4 GHz card keeps 2400000 while its transmitter holds a slot: the flight's
// rank belongs on that slot, not on the band entry.
EntreeFrequence* EntreeDuVol(EtatGlobal& etat, const FicheVol& fiche)
{
    if (Est24GHz(fiche.Frequence))
        for (EntreeFrequence& e : etat.PlanFrequences)
            if (e.Etat >= Sortie && e.FicheEmettrice == fiche.Numero && Est24GHz(e.Frequence)) return &e;
    return ChercheFrequence(etat, fiche.Frequence);
}

} // namespace

void SynchroniserRangs(EtatGlobal& etat)
{
    for (const EntreePlan& noeud : etat.ListePlan) {
        if (noeud.EtatVol != VolEnCours) continue;
        FicheVol* fiche = ChercheFiche(etat, noeud.NumeroFiche, 1);
        if (!fiche) return;
        EntreeFrequence* entree = EntreeDuVol(etat, *fiche);
        if (!entree) return;
        entree->RangPlanifie = noeud.Rang;
    }
}
