#include "storage/historique.h"

#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <array>

namespace {

constexpr std::array<NumTexte, 18> LIBELLES = {{
    {121}, {122}, {123}, {124}, {125}, {126}, {127}, {128}, {129},
    {130}, {131}, {132}, {133}, {134}, {135}, {148}, {66}, {192},
}};

} // namespace

std::string LigneHistorique(EtatGlobal& etat, int evenement)
{
    const std::string libelle =
        evenement >= 0 && evenement < static_cast<int>(LIBELLES.size()) ? Texte(etat, LIBELLES[static_cast<std::size_t>(evenement)].n) : "";
    const DateHeure t = etat.Port.Maintenant();
    return Formater("%s %02d:%02d:%02d   %-20.20s %s\r\n", etat.DateHistorique.c_str(), t.Heure, t.Minute,
                    t.Seconde, libelle.c_str(), etat.TexteEvenement.c_str());
}

void EcrireHistorique(EtatGlobal& etat, int evenement)
{
    if (!etat.HistoriqueActif || etat.CheminHistorique.empty()) return;
    // UTF-8, so that any editor of today shows the accents of the labels and names.
    // It names the pilots: a private meeting keeps a private log.
    AjouterAuFichier(etat.CheminHistorique, Cp1252VersUtf8(LigneHistorique(etat, evenement)),
                     etat.SauvegardeActive ? etat.CheminManifestation : std::string());
}

void PreparerHistorique(EtatGlobal& etat)
{
    const std::string base = etat.SauvegardeActive && !etat.CheminManifestation.empty()
                                 ? etat.CheminManifestation
                                 : JoindreChemin(etat.Port.DossierDocuments(), "SpyKoral");
    etat.CheminHistorique = RemplacerExtension(base, ".txt");
    etat.DateHistorique = DateCourte(etat.Port.Maintenant(), '/');
}

void DemarrerHistorique(EtatGlobal& etat)
{
    etat.HistoriqueActif = etat.HistoriqueAuDemarrage ? 1 : 0;
    if (!etat.HistoriqueActif) return;
    etat.TexteEvenement = Formater("---> %u", static_cast<unsigned>(etat.ModeSortie));
    EcrireHistorique(etat, EVT_LANCEMENT);
}

void ArreterHistorique(EtatGlobal& etat)
{
    EcrireHistorique(etat, EVT_ARRET_HISTORIQUE);
    etat.HistoriqueActif = 0;
}

void CommandeVoirHistorique(EtatGlobal& etat)
{
    if (!etat.Port.OuvrirDocument(etat.CheminHistorique)) AfficherMessageTexte(etat, 77);
}
