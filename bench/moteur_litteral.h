#pragma once
// The engine written as plainly as its rules read: every lookup a scan of the
// plan. Kept as the baseline the fast engine is measured and checked against.

#include <cstdint>

struct EtatGlobal;

namespace litteral {

void AppliquerSortie(EtatGlobal& etat, int a, int direction);
int ModuleraSurActives(EtatGlobal& etat, int x);
void MajEtatsFrequences(EtatGlobal& etat);
void MoteurSortie(EtatGlobal& etat, int index);
void MoteurRetour(EtatGlobal& etat, int index);

} // namespace litteral
