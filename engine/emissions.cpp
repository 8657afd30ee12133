#include "engine/emissions.h"

#include "engine/etat.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

void RecompteSorties(EtatGlobal& etat)
{
    std::vector<std::pair<uint32_t, int32_t>> sorties;
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Etat >= Sortie) sorties.emplace_back(e.DebutEmission, e.FicheEmettrice);
    etat.NbSorties = static_cast<int32_t>(sorties.size());
    std::sort(sorties.begin(), sorties.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    auto& bandeau = etat.BandeauSorties;
    if (sorties.empty()) {
        bandeau = " - - - - - - - - ";
    } else {
        static constexpr std::string_view FIN = "<>  ";
        static constexpr std::string_view SUITE = "...  ";
        bandeau.Vider();
        for (const auto& [debut, fiche] : sorties) {
            const std::string element = fiche == FICHE_LIBRE ? "?  " : std::to_string(fiche) + "  ";
            // Past its room the ticker keeps the oldest exits and says that more follow.
            if (bandeau.Place() < element.size() + SUITE.size() + FIN.size()) {
                bandeau.Ajouter(SUITE);
                break;
            }
            bandeau.Ajouter(element);
        }
        bandeau.Ajouter(FIN);
    }
    while (bandeau.Longueur() < 25) bandeau.Ajouter(bandeau.Chaine());
}
