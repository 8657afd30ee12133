#include "stand/file_attente.h"

#include "engine/etat.h"
#include "stand/defilant.h"
#include "stand/modes.h"
#include "storage/manifestation.h"

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

bool ProposerBascule(EtatGlobal& etat)
{
    if (etat.NePlusProposer) return false;
    const ReponseBascule r = etat.Port.Bascule();
    etat.NePlusProposer = r.NePlusProposer ? 1 : 0;
    if (!r.Oui || !AjouterEnFile(etat)) return false;
    // Written with the waiting-list mode that follows at once: one answer, one write.
    etat.CommandeDemandee = COMMANDE_FILE_ATTENTE;
    return true;
}
