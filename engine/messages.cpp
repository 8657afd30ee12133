#include "engine/messages.h"

#include "engine/etat.h"
#include "engine/textes.h"

AspectJeuBoutons AspectDuJeu(int jeuBoutons)
{
    switch (jeuBoutons) {
    case BOUTONS_OUI_NON: return {NumTexte{28}.n, true, false, NumTexte{177}.n, "QUESTION"};
    case BOUTONS_OUI_NON_CONTINUER: return {NumTexte{28}.n, true, true, NumTexte{724}.n, "ALERTE"};
    default: return {NumTexte{176}.n, false, false, NumTexte{177}.n, "ALERTE"};
    }
}

namespace {

DemandeMessage Demande(const EtatGlobal& etat)
{
    DemandeMessage demande;
    demande.Texte = etat.TexteMessage.Chaine();
    demande.Detail = etat.TexteDetail.Chaine();
    demande.JeuBoutons = etat.JeuBoutons;
    demande.SujetAide = etat.SujetAide;
    return demande;
}

} // namespace

int AfficherMessage(EtatGlobal& etat)
{
    etat.MessageAnnule = 0;
    const BoutonMessage bouton = etat.Port.Message(Demande(etat));
    etat.MessageAnnule = bouton == BoutonMessage::Troisieme && etat.JeuBoutons == BOUTONS_OUI_NON_CONTINUER;
    etat.TexteDetail.Vider();
    etat.SujetAide = 0;
    return bouton == BoutonMessage::Premier ? 1 : 0;
}

std::optional<int> AfficherMessageAvecChoix(EtatGlobal& etat, const std::vector<std::string>& choix)
{
    if (choix.empty()) {
        AfficherMessage(etat);
        return std::nullopt;
    }
    etat.MessageAnnule = 0;
    DemandeMessage demande = Demande(etat);
    demande.Choix = choix;
    const auto pris = etat.Port.MessageAvecChoix(demande);
    etat.TexteDetail.Vider();
    etat.SujetAide = 0;
    if (pris && (*pris < 0 || *pris >= static_cast<int>(choix.size()))) return std::nullopt;
    return pris;
}

int AfficherMessageTexte(EtatGlobal& etat, int n, int jeuBoutons, int sujetAide)
{
    ChargerMessage(etat, n);
    etat.JeuBoutons = jeuBoutons;
    etat.SujetAide = sujetAide;
    return AfficherMessage(etat);
}

void MessageMemoireInsuffisante(EtatGlobal& etat)
{
    AfficherMessageTexte(etat, 87);
}

void OuvrirAideMessage(EtatGlobal& etat, int sujet)
{
    if (sujet > 99) etat.Port.Aide(sujet - 100, true);
    else if (sujet > 0) etat.Port.Aide(sujet, false);
}
