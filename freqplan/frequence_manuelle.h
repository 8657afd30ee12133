#pragma once
// DIALFREQMANU without its window: a frequency the national tables do not hold,
// typed in kHz or MHz, with its channel.

#include <cstddef>
#include <string>
#include <string_view>

struct EtatGlobal;

// What the two edits hold at opening (a free slot's frequency, no channel).
std::string FrequenceManuelleInitiale();
std::string CanalManuelInitial();
// Only the first characters of each edit are read.
constexpr std::size_t LONGUEUR_LUE_FREQUENCE = 9;
constexpr std::size_t LONGUEUR_LUE_CANAL = 7;

enum class ResultatSaisie {
    Erronee,     // string 163 shown: the frequency text is selected again
    Existante,   // string 164 shown: the dialog stays open
    Ajoutee,     // the dialog closes with 1 (a full catalogue adds nothing)
};

// "Ajouter": texts in Windows-1252, as typed.
ResultatSaisie AjouterFrequenceManuelle(EtatGlobal& etat, std::string_view frequence, std::string_view canal);
