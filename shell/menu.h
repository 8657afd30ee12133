#pragma once
// The menu "MainMenu": five menus by position, each item a command number and
// a string number (TraduireMenu puts the texts of the running language in place).

#include "engine/textes.h"

#include <cstdint>
#include <vector>

struct ElementMenu {
    int Commande = 0;               // 0: a separator, or a sub-menu when SousMenu is not empty
    NumTexte Texte{0};
    std::vector<ElementMenu> SousMenu;
    bool Actif = true;
};

struct MenuBarre {
    NumTexte Titre;
    std::vector<ElementMenu> Elements;
};

enum PositionMenu { MENU_KORAL = 0, MENU_FICHES = 1, MENU_PLANIFICATION = 2, MENU_FREQUENCES = 3, MENU_AIDE = 4 };

const std::vector<MenuBarre>& MenuPrincipal();
// The pop-up menu of button 202 ("FICHES DE VOL"), 216 ("FREQUENCES") or 407
// (the exit mode) in the current mode.
std::vector<ElementMenu> MenuSurgissant(int bouton, int32_t mode);
// Only French, English and Portuguese have a string block: the other three are greyed.
bool LangueDisponible(int commande);
