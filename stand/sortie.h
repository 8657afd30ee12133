#pragma once
// What every exit shares, whatever the mode: the commit, the 2.4 GHz slot, the
// recount with its ticker text, and the rule that paints a line in alert colour.

#include <cstdint>

struct EtatGlobal;
struct EntreeFrequence;

// First free 2.4 GHz slot from 2400020 up, 0 when none is free.
int32_t CreneauLibre24(EtatGlobal& etat);
// Commits an exit on `entree` for a card (FICHE_LIBRE in free service).
// False when nothing was committed (no real frequency, or a lookup missed).
bool SortieFrequence(EtatGlobal& etat, EntreeFrequence& entree, int32_t numeroFiche);
void RecompteSorties(EtatGlobal& etat);
bool EstBloquee(EtatGlobal& etat, const EntreeFrequence& entree);
