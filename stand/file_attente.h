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
