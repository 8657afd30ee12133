#pragma once
// Ticker line 2: in the waiting-list and planned modes, who is next, for the
// pilots waiting near the stand. Empty in the other modes.

#include <cstdint>
#include <vector>

struct EtatGlobal;
struct EntreePlan;

// At most this many flights, pauses or remarks are named: the line scrolls one
// character every half second, so a longer one would take minutes to come round.
constexpr int NB_ELEMENTS_DEFILANT2 = 8;

// Rebuilds TexteDefilant2 from the mode, the waiting list and the flight plan,
// when what it names has changed; cheap enough to run after every command and
// at every step of the ticker, so no change of the queue from any dialog is missed.
void MajTexteDefilant2(EtatGlobal& etat);

// The nodes of one list still to come, in rank order.
std::vector<const EntreePlan*> NoeudsAVenir(const EtatGlobal& etat, int32_t liste);
