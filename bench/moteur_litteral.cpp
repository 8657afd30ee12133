#include "bench/moteur_litteral.h"

#include "engine/compatibilite.h"
#include "engine/etat.h"
#include "engine/frequences.h"

#include <algorithm>

namespace litteral {
namespace {

int FrequenceAbsenteLineaire(const EtatGlobal& etat, int32_t f)
{
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Frequence == f) return 0;
    return 1;
}

EntreeFrequence* ChercheFrequenceLineaire(EtatGlobal& etat, int32_t f)
{
    for (EntreeFrequence& e : etat.PlanFrequences)
        if (e.Frequence == f) return &e;
    return nullptr;
}

int32_t FrequenceProcheLineaire(const EtatGlobal& etat, int32_t x, int direction)
{
    const auto& p = etat.PlanFrequences;
    const int n = static_cast<int>(p.size());
    if (direction > 0) {
        for (int i = 0; i < n; ++i)
            if (std::abs(p[i].Frequence - x) <= FENETRE_PRODUIT) return p[i].Frequence;
    } else {
        for (int i = n - 1; i >= 0; --i)
            if (std::abs(p[i].Frequence - x) <= FENETRE_PRODUIT) return p[i].Frequence;
    }
    return 0;
}

void AjusterPerturbationLineaire(EtatGlobal& etat, int32_t f, int direction)
{
    EntreeFrequence* e = ChercheFrequenceLineaire(etat, f);
    const int32_t intermod = std::max(0, e->Perturbations - e->PerturbationsImage + direction);
    e->Perturbations = intermod + e->PerturbationsImage;
    if (e->Etat < Sortie) e->Etat = EtatAuRepos(*e);
}

void MarquerProduitLineaire(EtatGlobal& etat, int32_t x, int direction)
{
    if (!FrequenceAbsenteLineaire(etat, x)) AjusterPerturbationLineaire(etat, x, direction);
    if (int32_t f = FrequenceProcheLineaire(etat, x, +1)) AjusterPerturbationLineaire(etat, f, direction);
    if (int32_t f = FrequenceProcheLineaire(etat, x, -1)) AjusterPerturbationLineaire(etat, f, direction);
}

} // namespace

void AppliquerSortie(EtatGlobal& etat, int a, int direction)
{
    auto& p = etat.PlanFrequences;
    const int32_t fa = p[a].Frequence;
    if (fa >= SEUIL_24GHZ) {
        p[a].Perturbations = 0;
        p[a].PerturbationsImage = 0;
        return;
    }
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i].Frequence == fa || p[i].Etat < Sortie) continue;
        MarquerProduitLineaire(etat, 2 * fa - p[i].Frequence, direction);
        MarquerProduitLineaire(etat, 2 * p[i].Frequence - fa, direction);
    }
    const int32_t m = fa - DECALAGE_IMAGE;
    if (!FrequenceAbsenteLineaire(etat, m)) {
        EntreeFrequence* e = ChercheFrequenceLineaire(etat, m);
        const int32_t intermod = e->Perturbations - e->PerturbationsImage;
        e->PerturbationsImage = std::max(0, e->PerturbationsImage + direction);
        e->Perturbations = intermod + e->PerturbationsImage;
        if (e->Etat < Sortie) e->Etat = EtatAuRepos(*e);
    }
}

int ModuleraSurActives(EtatGlobal& etat, int x)
{
    auto& p = etat.PlanFrequences;
    std::fill(etat.FrequencesTouchees.begin(), etat.FrequencesTouchees.end(), 0);
    int reponse = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (static_cast<int>(i) == x || p[i].Etat < Sortie) continue;
        for (int32_t produit : {2 * p[x].Frequence - p[i].Frequence, 2 * p[i].Frequence - p[x].Frequence}) {
            if (FrequenceAbsenteLineaire(etat, produit)) continue;
            EntreeFrequence* e = ChercheFrequenceLineaire(etat, produit);
            if (e->Etat < Sortie) continue;
            etat.FrequencesTouchees[e->Index] = e->FicheEmettrice;
            reponse = 1;
        }
    }
    return reponse;
}

void MajEtatsFrequences(EtatGlobal& etat)
{
    auto& p = etat.PlanFrequences;
    for (EntreeFrequence& e : p)
        if (e.Etat < FrequenceImage) e.Etat = Libre;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i].Frequence >= SEUIL_24GHZ) continue;
        if (p[i].Etat == Libre && litteral::ModuleraSurActives(etat, static_cast<int>(i))) p[i].Etat = Modulante;
        const int32_t m = p[i].Frequence - DECALAGE_FI;
        if (!FrequenceAbsenteLineaire(etat, m) && p[i].Etat >= Sortie) {
            EntreeFrequence* e = ChercheFrequenceLineaire(etat, m);
            if (e->Etat < Modulante) e->Etat = ImagePerturbee;
        }
        if (!FrequenceAbsenteLineaire(etat, m) && p[i].Etat < Modulante && ChercheFrequenceLineaire(etat, m)->Etat >= Sortie)
            p[i].Etat = ImagePerturbee;
        if (p[i].Etat < Sortie) continue;
        for (std::size_t j = 0; j < p.size(); ++j) {
            if (p[j].Frequence == p[i].Frequence || p[j].Etat < Sortie) continue;
            const int32_t e = 2 * std::min(p[i].Frequence, p[j].Frequence) -
                              std::max(p[i].Frequence, p[j].Frequence) + DECALAGE_IMAGE;
            if (!FrequenceAbsenteLineaire(etat, e) && ChercheFrequenceLineaire(etat, e)->Etat < FrequenceImage)
                ChercheFrequenceLineaire(etat, e)->Etat = ImagePerturbee;
        }
    }
}

void MoteurSortie(EtatGlobal& etat, int index)
{
    if (etat.PlanFrequences[index].Frequence >= SEUIL_24GHZ) return;
    litteral::AppliquerSortie(etat, index, SORTANT);
    litteral::MajEtatsFrequences(etat);
}

void MoteurRetour(EtatGlobal& etat, int index)
{
    litteral::AppliquerSortie(etat, index, RENTRANT);
    EntreeFrequence& e = etat.PlanFrequences[index];
    e.Etat = EtatAuRepos(e);
    litteral::MajEtatsFrequences(etat);
}

} // namespace litteral
