#pragma once
// The waiting list: nodes of ListePlan of kind FileAttente, ranks 1..NbEntreesAttente
// without gaps at every moment.

struct EtatGlobal;
struct EntreePlan;

// Queues FicheCourante at the end of the waiting list. Nothing when memory ran
// out (string 87 has been shown).
EntreePlan* AjouterEnFile(EtatGlobal& etat);
// Takes a queued node out; the nodes behind it move up by one rank.
void RetirerDeFile(EtatGlobal& etat, EntreePlan& noeud);

// After a refused exit by cards: BASCULE, while its proposals are wanted. On OUI
// FicheCourante is queued, the file rewritten and the waiting-list mode asked
// of the main window (222). True when it was queued.
bool ProposerBascule(EtatGlobal& etat);
