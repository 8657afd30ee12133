#pragma once
// The validated frequencies as one list per band in use, side by side: the
// free-service exit and the card form both offer them so.

#include "engine/etat.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Lists 408 to 412 and 427, one per band in band order.
constexpr std::array<int, NB_BANDES> CONTROLES_BANDES = {408, 409, 410, 411, 412, 427};

struct LigneListeBande {
    int32_t Frequence = 0;   // the band entry 2400000 for the 2.4 GHz line
    std::string Texte;       // LibelleEntree, Windows-1252
    bool Alerte = false;     // drawn in the alert colour
    const char* Image = "";  // whether a transmitter could go out on it now (the board's legend)
};

struct ListeBande {
    int Controle = 0;
    bool Visible = false;
    int X = 0;               // dialog pixels
    int Y = 0;
    std::vector<LigneListeBande> Lignes;
};

// x of the 1st, 2nd ... visible list, by the number of bands in use (1 to 6).
using PositionsListes = std::array<std::array<int, NB_BANDES>, NB_BANDES>;

// One list per band, each line a validated frequency with its channel; the
// 2.4 GHz band is one line, its band entry, offered only when the plan holds it
// (the slot is chosen at the exit). A band without a line is hidden and the
// others close up.
std::array<ListeBande, NB_BANDES> ListesBandes(const EtatGlobal& etat, const PositionsListes& x, int y);
// Which list a control is, -1 for none.
int BandeDuControle(int controle);
