#pragma once
// The planned-mode DIALSORTIR2 without its window: what is still to come in the
// flight plan (pauses that hold it, remarks, flights with their lights), the
// other cards on the ground, the exit in plan order, the insertion of an
// unplanned flight, and the skip of a line.

#include "stand/sortie_fiches.h"

#include <optional>
#include <string>
#include <vector>

struct EtatGlobal;
struct EntreePlan;

class SortiePlan : public SortieDeuxListes {
public:
    // A pause at the head holds the plan while a transmitter is out (string 52);
    // nothing to list says so. Then Vide(): the dialog closes with 0 at once.
    explicit SortiePlan(EtatGlobal& etat);
    bool Vide() const override { return ferme_ || (plan_.empty() && autres_.empty()); }
    const std::vector<LigneCarte>& Plan() const { return plan_; }
    const std::vector<LigneCarte>& Principale() const override { return plan_; }
    const std::vector<LigneCarte>& Autres() const override { return autres_; }
    // Caption 922: string 54 with the number of plan lines.
    std::string Entete() const override;
    std::optional<int> Sortir(int liste, int ligne) override;
    // The line of the plan passes without flying.
    std::optional<int> Sauter(int liste, int ligne);
    std::optional<int> Annuler(int liste, int ligne) override { return Sauter(liste, ligne); }

private:
    EntreePlan* NoeudDeLigne(int ligne) const;
    EntreePlan* InsererEnTete(int32_t numero);

    EtatGlobal& etat_;
    std::vector<LigneCarte> plan_;
    std::vector<LigneCarte> autres_;
    int32_t premierRang_ = 0;
    bool ferme_ = false;
};
