#pragma once
// The transmitters out, as the meeting knows them: their number and the text of
// ticker line 1, recounted after every exit, return, reading or plan change.

struct EtatGlobal;

// NbSorties and BandeauSorties from the plan's entries that are out.
void RecompteSorties(EtatGlobal& etat);
