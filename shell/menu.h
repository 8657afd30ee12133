#pragma once
// The menu "MainMenu": five menus by position, each item a command number and
// a string number (TraduireMenu puts the texts of the running language in place).

#include "shell/textes.h"

#include <vector>

struct ElementMenu {
    int Commande = 0;               // 0: a separator, or a sub-menu when SousMenu is not empty
    NumTexte Texte{0};
    std::vector<ElementMenu> SousMenu;
};

struct MenuBarre {
    NumTexte Titre;
    std::vector<ElementMenu> Elements;
};

enum PositionMenu { MENU_KORAL = 0, MENU_FICHES = 1, MENU_PLANIFICATION = 2, MENU_FREQUENCES = 3, MENU_AIDE = 4 };

const std::vector<MenuBarre>& MenuPrincipal();
// Only French, English and Portuguese have a string block: the other three are greyed.
bool LangueDisponible(int commande);
