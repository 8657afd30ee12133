#pragma once
// DIALBANDE without its window: the catalogue band by band, and the personal
// validation or devalidation of any selection of its lines.

#include "engine/etat.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct LigneEditeurBande {
    std::string Texte;       // Windows-1252
    int32_t Frequence;       // the record the line stands for (2400000 for the 2.4 GHz line)
    bool Validee;
};

struct VueBandes {
    std::array<std::vector<LigneEditeurBande>, NB_BANDES> Listes;   // sorted by text
    std::array<std::string, NB_BANDES> Comptes;               // labels under the lists
};

// List boxes of bands 0..5, and the count labels under them.
constexpr std::array<int, NB_BANDES> LISTES_BANDES = {408, 409, 410, 411, 412, 427};
constexpr std::array<int, NB_BANDES> COMPTES_BANDES = {233, 234, 235, 236, 237, 238};

VueBandes RemplirBandes(const EtatGlobal& etat);
// The frequencies of the selected lines, in any order; the 2.4 GHz line stands
// for the 25 slots.
void AjouterSelection(EtatGlobal& etat, std::vector<int32_t> frequences);
// A line still in use is reported (string 157) and stays validated.
void SupprimerSelection(EtatGlobal& etat, std::vector<int32_t> frequences);

// The sample label painted in the legend.
std::string EchantillonLegende();
