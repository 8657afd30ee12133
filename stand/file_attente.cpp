#include "stand/file_attente.h"

#include "engine/etat.h"
#include "stand/defilant.h"

EntreePlan* AjouterEnFile(EtatGlobal& etat)
{
    const int rang = etat.NbEntreesAttente() + 1;
    EntreePlan* noeud = NouvelleEntreePlan(etat);
    if (!noeud) return nullptr;
    noeud->Rang = rang;
    noeud->Liste = FileAttente;
    noeud->EtatVol = VolEnAttente;
    MajTexteDefilant2(etat);
    return noeud;
}

void RetirerDeFile(EtatGlobal& etat, EntreePlan& noeud)
{
    // Only a node of the queue itself: anything else would shift ranks for nothing.
    if (noeud.Liste != FileAttente) return;
    RetirerNoeud(etat, noeud);
    MajTexteDefilant2(etat);
}
