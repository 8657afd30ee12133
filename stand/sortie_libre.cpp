#include "stand/sortie_libre.h"

#include "engine/etat.h"
#include "engine/frequences.h"
#include "stand/sortie.h"

#include <algorithm>

namespace {

// x of the 1st, 2nd ... list for 1 to 6 bands in use.
constexpr PositionsListes POSITIONS_X = {{
    {350},
    {178, 514},
    {80, 345, 610},
    {40, 245, 450, 655},
    {10, 178, 346, 514, 682},
    {10, 150, 290, 430, 570, 710},
}};

} // namespace

SortieLibre::SortieLibre(EtatGlobal& etat) : etat_(etat), listes_(ListesBandes(etat, POSITIONS_X, Y_LISTES_BANDES))
{
    // The 2.4 GHz line never shows blocked: a free slot is looked for at the exit.
    for (ListeBande& liste : listes_) {
        if (liste.Controle == CONTROLES_BANDES[BANDE_24GHZ]) continue;
        for (LigneListeBande& ligne : liste.Lignes) ligne.Alerte = EstBloquee(etat, *ChercheFrequence(etat, ligne.Frequence));
    }
}

std::vector<int> SortieLibre::Selection(int controle)
{
    const bool bande = BandeDuControle(controle) >= 0;
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
