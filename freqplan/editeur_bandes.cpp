#include "freqplan/editeur_bandes.h"

#include "engine/format.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "engine/textes.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string TexteLigne(const EntreeFrequence& e)
{
    const std::string libelle = LibelleFrequence(e.Frequence);
    if (e.Canal == 0) return libelle;
    return Formater("%s__k%3u", libelle.c_str(), static_cast<unsigned>(e.Canal));
}

void PoserCreneaux24(EtatGlobal& etat, int32_t valide)
{
    for (EntreeFrequence& e : etat.CatalogueFrequences)
        if (e.Bande == BANDE_24GHZ) e.Valide = valide;
}

// Ascending frequency is the lists' order: bands 0..4 line by line, 2.4 GHz last.
std::vector<int32_t> EnOrdre(std::vector<int32_t> frequences)
{
    std::sort(frequences.begin(), frequences.end());
    frequences.erase(std::unique(frequences.begin(), frequences.end()), frequences.end());
    return frequences;
}

} // namespace

VueBandes RemplirBandes(const EtatGlobal& etat)
{
    VueBandes vue;
    for (const EntreeFrequence& e : etat.CatalogueFrequences) {
        if (e.Bande < 0 || e.Bande >= NB_BANDES) continue;
        auto& liste = vue.Listes[static_cast<std::size_t>(e.Bande)];
        // One line stands for every 2.4 GHz slot.
        if (e.Bande == BANDE_24GHZ && !liste.empty()) continue;
        liste.push_back({TexteLigne(e), e.Frequence, e.Valide == 1});
    }
    for (auto& liste : vue.Listes)
        std::stable_sort(liste.begin(), liste.end(),
                         [](const LigneEditeurBande& a, const LigneEditeurBande& b) { return a.Texte < b.Texte; });
    for (int b = 0; b < BANDE_24GHZ; ++b)
        vue.Comptes[static_cast<std::size_t>(b)] = std::to_string(static_cast<unsigned>(etat.NbValidesParBande[static_cast<std::size_t>(b)]));
    // The slots are not counted: their number says nothing about the band.
    vue.Comptes[BANDE_24GHZ] = "???";
    return vue;
}

void AjouterSelection(EtatGlobal& etat, std::vector<int32_t> frequences)
{
    for (int32_t f : EnOrdre(std::move(frequences))) {
        const int i = IndexCatalogue(etat, f);
        if (i < 0) continue;
        if (etat.CatalogueFrequences[static_cast<std::size_t>(i)].Bande == BANDE_24GHZ) ValiderCreneaux24(etat);
        else etat.CatalogueFrequences[static_cast<std::size_t>(i)].Valide = 1;
    }
    TrierCatalogue(etat);
}

void SupprimerSelection(EtatGlobal& etat, std::vector<int32_t> frequences)
{
    for (int32_t f : EnOrdre(std::move(frequences))) {
        const int i = IndexCatalogue(etat, f);
        if (i < 0) continue;
        EntreeFrequence& e = etat.CatalogueFrequences[static_cast<std::size_t>(i)];
        if (e.Bande == BANDE_24GHZ) {
            if (Bande24Protegee(etat)) AvertirFrequence(etat, Texte(etat, 157), Texte(etat, 179));
            else PoserCreneaux24(etat, 0);
        } else if (EstProtegee(e)) {
            AvertirFrequence(etat, Texte(etat, 157), LibelleFrequence(e.Frequence));
        } else {
            e.Valide = 0;
        }
    }
    TrierCatalogue(etat);
}

std::string EchantillonLegende()
{
    return LibelleFrequence(FREQUENCE_CRENEAU_LIBRE);
}
