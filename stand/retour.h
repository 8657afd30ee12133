#pragma once
// A transmitter back at the stand: the entry freed, the flight time added to the
// card, a planned flight closed, the engine updated, the file rewritten, the
// recount and event 12. Then, in waiting-list mode, whether the board should
// open the exit dialog at once for the next queued flight.

struct EtatGlobal;

// The return of the transmitter out on plan entry `index`, once confirmed.
// False when nothing changed (the entry is not out, or a lookup missed).
bool RetourEnKoral(EtatGlobal& etat, int index);

// Waiting-list mode: SortieDemandee := 1 when a queued flight, tried in rank
// order, may leave now.
void ProposerSortieFileAttente(EtatGlobal& etat);
