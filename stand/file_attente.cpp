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
    auto& liste = etat.ListePlan;
    auto cible = liste.begin();
    while (cible != liste.end() && &*cible != &noeud) ++cible;
    // Only a node of the queue itself: anything else would shift ranks for nothing.
    if (cible == liste.end() || cible->Liste != FileAttente) return;
    const int32_t rang = cible->Rang;
    liste.erase(cible);
    for (EntreePlan& e : liste)
        if (e.Liste == FileAttente && e.Rang > rang) --e.Rang;
    MajTexteDefilant2(etat);
}
