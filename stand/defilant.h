#pragma once
// Ticker line 2: in the waiting-list and planned modes, who is next, for the
// pilots waiting near the stand. Empty in the other modes.

struct EtatGlobal;

// At most this many flights, pauses or remarks are named: the line scrolls one
// character every half second, so a longer one would take minutes to come round.
constexpr int NB_ELEMENTS_DEFILANT2 = 8;

// Rebuilds TexteDefilant2 from the mode, the waiting list and the flight plan.
void MajTexteDefilant2(EtatGlobal& etat);
