#include "stand/modes.h"

#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/textes.h"
#include "stand/defilant.h"
#include "stand/sortie.h"
#include "storage/historique.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::size_t LONGUEUR_MOT_DE_PASSE = 12;

struct RegleMode {
    int32_t Mode;
    bool Porte;          // the password gate applies
    bool Recompte;       // RecompteSorties
    bool Active;         // the enable flag of ActiverCommandes
};

// Commands 220 to 223 in order.
constexpr std::array<RegleMode, 4> REGLES = {{
    {ModeLibreService, false, false, false},
    {ModeFiches, true, false, true},
    {ModeFileAttente, true, true, true},
    {ModePlanifie, true, true, true},
}};

Defilant2 Ligne2(int32_t precedent, int32_t nouveau)
{
    if (nouveau < ModeFileAttente) return Defilant2::Cacher;
    return precedent < ModeFileAttente ? Defilant2::Montrer : Defilant2::Inchange;
}

} // namespace

bool PorteMotDePasse(EtatGlobal& etat)
{
    if (etat.MotDePasse.Vide() || etat.ModeSortie != ModeLibreService) return true;
    const auto tape = etat.Port.MotDePasse();
    if (tape && std::string_view(*tape).substr(0, LONGUEUR_MOT_DE_PASSE) == etat.MotDePasse.Vue()) return true;
    etat.Port.Bip();
    return false;
}

ChangementMode ChangerMode(EtatGlobal& etat, int commande)
{
    ChangementMode r;
    if (commande < COMMANDE_LIBRE_SERVICE || commande > COMMANDE_MODE_PLANIFIE) return r;
    const RegleMode& regle = REGLES[static_cast<std::size_t>(commande - COMMANDE_LIBRE_SERVICE)];
    if (regle.Porte && !PorteMotDePasse(etat)) return r;

    etat.ModePrecedent = etat.ModeSortie;
    etat.ModeSortie = regle.Mode;
    r.Fait = true;
    r.Ligne2 = Ligne2(etat.ModePrecedent, regle.Mode);
    r.ActiverCommandes = regle.Active;
    if (regle.Recompte) RecompteSorties(etat);
    MajTexteDefilant2(etat);

    etat.TexteEvenement = Formater("%u --> %u", static_cast<unsigned>(etat.ModePrecedent), static_cast<unsigned>(etat.ModeSortie));
    EcrireHistorique(etat, EVT_CHANGEMENT_MODE);
    // The mode is part of the meeting: a restart must come back in it.
    SauverManifestation(etat);
    return r;
}

EtatCommandes CommandesDuMode(int32_t mode)
{
    // Free service locks everything a self-service user could change; the planning
    // menu and the flight-plan item only serve in planned mode.
    static const std::array<EtatCommandes, 4> PAR_MODE = {{
        {{false, false, false, false, false}, false, false, false, NumTexte{16}.n, false, 0},
        {{true, true, false, true, true}, true, true, true, NumTexte{16}.n, false, 0},
        {{true, true, false, true, true}, true, true, true, NumTexte{16}.n, false, 0},
        {{true, true, true, true, true}, true, true, true, NumTexte{10}.n, true, 214},
    }};
    return PAR_MODE[static_cast<std::size_t>(std::clamp<int32_t>(mode, ModeLibreService, ModePlanifie))];
}
