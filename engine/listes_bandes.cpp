#include "engine/listes_bandes.h"

#include "engine/conflit.h"
#include "engine/frequences.h"

#include <algorithm>

std::array<ListeBande, NB_BANDES> ListesBandes(const EtatGlobal& etat, const PositionsListes& x, int y)
{
    std::array<ListeBande, NB_BANDES> listes;
    for (const EntreeFrequence& e : etat.PlanFrequences) {
        if (e.Bande < 0 || e.Bande >= NB_BANDES) continue;
        if (e.Bande == BANDE_24GHZ && e.Frequence != SEUIL_24GHZ) continue;
        listes[static_cast<std::size_t>(e.Bande)].Lignes.push_back({e.Frequence, LibelleEntree(etat, e.Index), false, ImageDeSortie(etat, e.Index)});
    }
    const int utilisees = static_cast<int>(
        std::count_if(listes.begin(), listes.end(), [](const ListeBande& l) { return !l.Lignes.empty(); }));
    int colonne = 0;
    for (std::size_t b = 0; b < listes.size(); ++b) {
        ListeBande& liste = listes[b];
        liste.Controle = CONTROLES_BANDES[b];
        liste.Y = y;
        if (liste.Lignes.empty()) continue;
        liste.Visible = true;
        liste.X = x[static_cast<std::size_t>(utilisees - 1)][static_cast<std::size_t>(colonne++)];
    }
    return listes;
}

int BandeDuControle(int controle)
{
    const auto it = std::find(CONTROLES_BANDES.begin(), CONTROLES_BANDES.end(), controle);
    return it == CONTROLES_BANDES.end() ? -1 : static_cast<int>(it - CONTROLES_BANDES.begin());
}
