#include "stand/sortie_libre.h"

#include "engine/etat.h"
#include "engine/frequences.h"
#include "stand/sortie.h"

#include <algorithm>

namespace {

// x of the 1st, 2nd ... list for 1 to 6 bands in use.
constexpr std::array<std::array<int, 6>, 6> POSITIONS_X = {{
    {350},
    {178, 514},
    {80, 345, 610},
    {40, 245, 450, 655},
    {10, 178, 346, 514, 682},
    {10, 150, 290, 430, 570, 710},
}};

} // namespace

SortieLibre::SortieLibre(EtatGlobal& etat) : etat_(etat)
{
    const int utilisees = std::clamp<int>(etat.NbBandesUtilisees, 0, 6);
    int colonne = 0;
    for (int b = 0; b < NB_BANDES; ++b) {
        ListeBande& liste = listes_[static_cast<std::size_t>(b)];
        liste.Controle = CONTROLES_BANDES[static_cast<std::size_t>(b)];
        if (etat.NbParBande[static_cast<std::size_t>(b)] == 0 || colonne >= utilisees) continue;
        liste.Visible = true;
        liste.X = POSITIONS_X[static_cast<std::size_t>(utilisees - 1)][static_cast<std::size_t>(colonne++)];
    }
    for (const EntreeFrequence& e : etat.PlanFrequences) {
        if (e.Bande < 0 || e.Bande >= NB_BANDES) continue;
        ListeBande& liste = listes_[static_cast<std::size_t>(e.Bande)];
        // The 2.4 GHz band is one line: the slot is chosen at the exit.
        if (e.Bande == BANDE_24GHZ && !liste.Lignes.empty()) continue;
        LigneListeBande ligne;
        ligne.Frequence = e.Bande == BANDE_24GHZ ? SEUIL_24GHZ : e.Frequence;
        ligne.Texte = LibelleEntree(etat, e.Index);
        ligne.Alerte = e.Bande != BANDE_24GHZ && EstBloquee(etat, e);
        liste.Lignes.push_back(std::move(ligne));
    }
}

std::vector<int> SortieLibre::Selection(int controle)
{
    const bool bande = std::find(CONTROLES_BANDES.begin(), CONTROLES_BANDES.end(), controle) != CONTROLES_BANDES.end();
    courante_ = bande ? controle : 0;
    std::vector<int> aVider;
    if (!bande) return aVider;
    for (int c : CONTROLES_BANDES)
        if (c != controle) aVider.push_back(c);
    return aVider;
}

std::optional<int> SortieLibre::Sortir(int ligne)
{
    if (courante_ == 0) return std::nullopt;
    const auto liste = std::find_if(listes_.begin(), listes_.end(), [&](const ListeBande& l) { return l.Controle == courante_; });
    if (ligne < 0 || ligne >= static_cast<int>(liste->Lignes.size())) return 1;
    SortirSansFiche(etat_, liste->Lignes[static_cast<std::size_t>(ligne)].Frequence, 0, TexteLibreHistorique);
    return 1;
}
