#include "engine/compatibilite.h"

#include "engine/etat.h"
#include "engine/frequences.h"

#include <algorithm>
#include <cstring>

namespace {

inline bool EstActive(const EntreeFrequence& e) { return e.Etat >= Sortie; }

inline int Chercher(const EtatGlobal& etat, int32_t f) { return etat.Index.Chercher(etat.PlanFrequences, f); }

void AjusterIntermodulation(EntreeFrequence& e, int direction)
{
    const int32_t intermod = std::max(0, e.Perturbations - e.PerturbationsImage + direction);
    e.Perturbations = intermod + e.PerturbationsImage;
    if (!EstActive(e)) e.Etat = EtatAuRepos(e);
}

void AjusterImage(EntreeFrequence& e, int direction)
{
    const int32_t intermod = e.Perturbations - e.PerturbationsImage;
    e.PerturbationsImage = std::max(0, e.PerturbationsImage + direction);
    e.Perturbations = intermod + e.PerturbationsImage;
    if (!EstActive(e)) e.Etat = EtatAuRepos(e);
}

void MarquerIndex(EtatGlobal& etat, int i, int direction)
{
    if (i >= 0) AjusterIntermodulation(etat.PlanFrequences[static_cast<std::size_t>(i)], direction);
}

void CollecterActives(EtatGlobal& etat)
{
    etat.Actives.clear();
    for (std::size_t i = 0; i < etat.PlanFrequences.size(); ++i)
        if (EstActive(etat.PlanFrequences[i])) etat.Actives.push_back(static_cast<int32_t>(i));
}

// ModuleraSurActives over a list of the active entries already collected.
int ModuleraParmi(EtatGlobal& etat, int x)
{
    EffacerTouches(etat);
    const auto& plan = etat.PlanFrequences;
    const int32_t fx = plan[static_cast<std::size_t>(x)].Frequence;
    int reponse = 0;
    for (int32_t i : etat.Actives) {
        if (i == x) continue;
        const int32_t fi = plan[static_cast<std::size_t>(i)].Frequence;
        for (int32_t produit : {2 * fx - fi, 2 * fi - fx}) {
            const int touchee = IndexActif(etat, produit);
            if (touchee < 0) continue;
            etat.FrequencesTouchees[static_cast<std::size_t>(touchee)] = plan[static_cast<std::size_t>(touchee)].FicheEmettrice;
            reponse = 1;
        }
    }
    return reponse;
}

bool ProduitTouche(const EtatGlobal& etat, int32_t produit, int32_t cible)
{
    return produit == cible || FrequenceProche(etat, produit, +1) == cible ||
           FrequenceProche(etat, produit, -1) == cible;
}

} // namespace

int IndexActif(const EtatGlobal& etat, int32_t frequence)
{
    const int i = Chercher(etat, frequence);
    return i >= 0 && EstActive(etat.PlanFrequences[static_cast<std::size_t>(i)]) ? i : -1;
}

int32_t EtatAuRepos(const EntreeFrequence& e)
{
    if (e.Perturbations - e.PerturbationsImage > 0) return Intermodulee;
    if (e.PerturbationsImage > 0) return FrequenceImage;
    return Libre;
}

int FrequenceAbsente(const EtatGlobal& etat, int32_t frequence)
{
    return Chercher(etat, frequence) < 0;
}

int32_t ProduitIntermod(const EtatGlobal& etat, int a, int b)
{
    return 2 * etat.PlanFrequences[static_cast<std::size_t>(a)].Frequence -
           etat.PlanFrequences[static_cast<std::size_t>(b)].Frequence;
}

int32_t FrequenceProche(const EtatGlobal& etat, int32_t x, int direction)
{
    const int i = etat.Index.PlusProche(etat.PlanFrequences, x, FENETRE_PRODUIT, direction > 0);
    return i < 0 ? 0 : etat.PlanFrequences[static_cast<std::size_t>(i)].Frequence;
}

void AjusterPerturbation(EtatGlobal& etat, int32_t frequence, int direction)
{
    if (EntreeFrequence* e = ChercheFrequence(etat, frequence)) AjusterIntermodulation(*e, direction);
}

void MarquerProduit(EtatGlobal& etat, int32_t produit, int direction)
{
    const auto& plan = etat.PlanFrequences;
    MarquerIndex(etat, Chercher(etat, produit), direction);
    MarquerIndex(etat, etat.Index.PlusProche(plan, produit, FENETRE_PRODUIT, true), direction);
    MarquerIndex(etat, etat.Index.PlusProche(plan, produit, FENETRE_PRODUIT, false), direction);
}

void AppliquerSortie(EtatGlobal& etat, int a, int direction)
{
    auto& plan = etat.PlanFrequences;
    EntreeFrequence& entree = plan[static_cast<std::size_t>(a)];
    const int32_t fa = entree.Frequence;
    if (Est24GHz(fa)) {
        entree.Perturbations = 0;
        entree.PerturbationsImage = 0;
        return;
    }
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const int32_t fi = plan[i].Frequence;
        if (fi == fa || !EstActive(plan[i])) continue;
        MarquerProduit(etat, 2 * fa - fi, direction);
        MarquerProduit(etat, 2 * fi - fa, direction);
    }
    // The image is counted apart from intermodulation and whatever the entry's
    // status, so that a return always undoes exactly what the exit did.
    const int image = Chercher(etat, fa - DECALAGE_IMAGE);
    if (image >= 0) AjusterImage(plan[static_cast<std::size_t>(image)], direction);
}

int ModuleraSurActives(EtatGlobal& etat, int x)
{
    CollecterActives(etat);
    return ModuleraParmi(etat, x);
}

void MajEtatsFrequences(EtatGlobal& etat)
{
    auto& plan = etat.PlanFrequences;
    for (EntreeFrequence& e : plan)
        if (e.Etat < FrequenceImage) e.Etat = Libre;
    CollecterActives(etat);

    for (std::size_t i = 0; i < plan.size(); ++i) {
        EntreeFrequence& e = plan[i];
        if (Est24GHz(e.Frequence)) continue;
        if (e.Etat == Libre && ModuleraParmi(etat, static_cast<int>(i))) e.Etat = Modulante;

        const int m = Chercher(etat, e.Frequence - DECALAGE_FI);
        if (m >= 0) {
            EntreeFrequence& em = plan[static_cast<std::size_t>(m)];
            if (EstActive(e) && em.Etat < Modulante) em.Etat = ImagePerturbee;
            if (e.Etat < Modulante && EstActive(em)) e.Etat = ImagePerturbee;
        }

        if (!EstActive(e)) continue;
        for (int32_t j : etat.Actives) {
            const int32_t fj = plan[static_cast<std::size_t>(j)].Frequence;
            if (fj == e.Frequence) continue;
            const int32_t produit = 2 * std::min(e.Frequence, fj) - std::max(e.Frequence, fj) + DECALAGE_IMAGE;
            const int k = Chercher(etat, produit);
            if (k >= 0 && plan[static_cast<std::size_t>(k)].Etat < FrequenceImage)
                plan[static_cast<std::size_t>(k)].Etat = ImagePerturbee;
        }
    }
}

int VoisinBloquantDe(const EtatGlobal& etat, int a)
{
    if (!etat.Contraintes.Ecart20kHz) return -1;
    const auto& plan = etat.PlanFrequences;
    const int32_t fa = plan[static_cast<std::size_t>(a)].Frequence;
    int voisin = -1;
    for (int i = a - 1; i >= 0 && fa - plan[static_cast<std::size_t>(i)].Frequence < ECART_VOISIN; --i)
        if (EstActive(plan[static_cast<std::size_t>(i)])) voisin = i;
    if (voisin >= 0) return voisin;
    for (int i = a + 1; i < etat.NbFrequences() && plan[static_cast<std::size_t>(i)].Frequence - fa < ECART_VOISIN; ++i)
        if (EstActive(plan[static_cast<std::size_t>(i)])) voisin = i;
    return voisin;
}

int VoisineActive(EtatGlobal& etat, int a)
{
    const int voisin = VoisinBloquantDe(etat, a);
    etat.VoisinBloquant = std::max(voisin, 0);
    return voisin >= 0;
}

int FrequenceBloquee(EtatGlobal& etat, int index)
{
    if (VoisineActive(etat, index)) return 1;
    const int32_t e = etat.PlanFrequences[static_cast<std::size_t>(index)].Etat;
    return etat.Contraintes.ControleIntermodulation && (e == ImagePerturbee || e == Modulante);
}

void EffacerTouches(EtatGlobal& etat)
{
    std::fill(etat.FrequencesTouchees.begin(), etat.FrequencesTouchees.end(), 0);
}

void ListerPerturbateurs(EtatGlobal& etat, int32_t cible, int x)
{
    const auto& plan = etat.PlanFrequences;
    const int32_t fx = plan[static_cast<std::size_t>(x)].Frequence;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (static_cast<int>(i) == x || !EstActive(plan[i])) continue;
        const int32_t fi = plan[i].Frequence;
        if (ProduitTouche(etat, 2 * fx - fi, cible)) etat.FrequencesTouchees[i] = plan[i].FicheEmettrice;
        if (ProduitTouche(etat, 2 * fi - fx, cible)) etat.FrequencesTouchees[i] = plan[i].FicheEmettrice;
    }
}

void MoteurSortie(EtatGlobal& etat, int index)
{
    if (Est24GHz(etat.PlanFrequences[static_cast<std::size_t>(index)].Frequence)) return;
    AppliquerSortie(etat, index, SORTANT);
    MajEtatsFrequences(etat);
}

void MoteurRetour(EtatGlobal& etat, int index)
{
    AppliquerSortie(etat, index, RENTRANT);
    EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index)];
    e.Etat = EtatAuRepos(e);
    MajEtatsFrequences(etat);
}

bool ActivesTropProches(const EtatGlobal& etat)
{
    const EntreeFrequence* precedente = nullptr;
    for (const EntreeFrequence& e : etat.PlanFrequences) {
        if (!EstActive(e)) continue;
        if (precedente && e.Frequence - precedente->Frequence < ECART_VOISIN) return true;
        precedente = &e;
    }
    return false;
}

bool ActivePerturbee(const EtatGlobal& etat)
{
    return std::any_of(etat.PlanFrequences.begin(), etat.PlanFrequences.end(),
                       [](const EntreeFrequence& e) { return EstActive(e) && e.Perturbations >= 1; });
}

void LeverHorsTemps(EtatGlobal& etat)
{
    for (EntreeFrequence& e : etat.PlanFrequences)
        if (e.Etat == HorsTemps) e.Etat = Sortie;
}
