#pragma once
// A card found in a list by typing, as the operator does with the card in hand:
// digits give the card of that number (while more may come, the first whose
// number begins with them), letters the first pilot whose name begins with
// them, case and accents ignored. Each key refines the search; a pause starts
// a new one.

#include <cstdint>
#include <string>
#include <vector>

// Longer than this between two keys, the next key starts a new search.
constexpr uint32_t PAUSE_RECHERCHE_MS = 1000;

struct LigneRecherche {
    int32_t Numero = 0;
    std::string Nom;      // Windows-1252
};

class RechercheCarte {
public:
    // The line a key typed at tick `maintenant` leads to in `lignes` (list
    // order), -1 when none: the selection stays and the program beeps.
    int Touche(char c, uint32_t maintenant, const std::vector<LigneRecherche>& lignes);
    // The whole search typed so far.
    const std::string& Tape() const { return tape_; }

private:
    std::string tape_;
    uint32_t derniere_ = 0;
};

// The line of `lignes` that a search for `tape` finds, -1 when none.
int ChercherCarte(const std::string& tape, const std::vector<LigneRecherche>& lignes);
