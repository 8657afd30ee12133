#pragma once
// A meeting for the stand's tests: its history log and meeting file in a
// temporary folder of its own, and transmitters put out as the exit dialogs do.

#include "tests/support/meeting.h"

#include <filesystem>
#include <string>
#include <vector>

struct ReunionStand : Reunion {
    ReunionStand();
    ~ReunionStand();

    // The history lines written so far (UTF-8, without their line ends).
    std::vector<std::string> Historique() const;
    // The meeting file as last rewritten; empty when it was never written.
    std::string FichierManifestation() const;

    // Commits an exit on `frequence` for card `fiche` (FICHE_LIBRE for none) and recounts.
    EntreeFrequence& Sortir(int32_t frequence, int32_t fiche);
    // A node of a list, with its rank.
    EntreePlan& Noeud(int32_t liste, int32_t rang, int32_t numero, int32_t etatVol = 0);

    std::filesystem::path dossier;
};

// The 2.4 GHz band entry and its 24 slots.
std::vector<int32_t> Bande24();
