#include "storage/dialfic.h"

#include "engine/etat.h"
#include "storage/manifestation.h"

namespace {

constexpr int SUJET_AIDE_FICHIER = 3;

void Reprendre(EtatGlobal& etat)
{
    const auto chemin = etat.Port.Fichier(PreparerDialogueFichier(etat, 64, false));
    if (chemin) ReprendreManifestation(etat, *chemin);
}

} // namespace

int ChoisirFichierDemarrage(EtatGlobal& etat, ChoixFichier choix, bool historique)
{
    etat.HistoriqueAuDemarrage = historique ? 1 : 0;
    switch (choix) {
    case ChoixFichier::Creer: ChoisirNouveauFichier(etat); break;
    case ChoixFichier::Reprendre: Reprendre(etat); break;
    case ChoixFichier::SansSauvegarde: etat.SauvegardeActive = 0; break;
    case ChoixFichier::Arret: etat.QuitterAuDemarrage = 1; break;
    }
    if (!etat.SauvegardeActive) {
        etat.CheminManifestation.clear();
        etat.CheminSecours.clear();
    }
    return etat.SauvegardeActive;
}

void AideDialogueFichier(EtatGlobal& etat)
{
    etat.Port.Aide(SUJET_AIDE_FICHIER, false);
}
