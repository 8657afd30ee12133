#pragma once
// The texts of cards and plan nodes in the lists of the stand's exit dialogs and
// of the flight-plan editor, which show them alike.

#include <string>

struct EntreePlan;
struct FicheVol;

// " =>  <model> " after a card's line, nothing when the card has no model.
std::string SuffixeModele(const FicheVol& fiche);
// A node of the flight plan: "%04u  <text> " for a remark, "  999" for a pause,
// "  %03u   <frequency>   %-12s " and the model for a flight.
std::string TexteNoeudPlan(const EntreePlan& noeud, const FicheVol& fiche);
