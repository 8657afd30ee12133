#include "shell/menu.h"

#include "shell/commandes.h"
#include "stand/modes.h"

namespace {

ElementMenu Item(int commande, int texte) { return {commande, NumTexte{texte}, {}}; }
ElementMenu Separateur() { return {}; }

} // namespace

const std::vector<MenuBarre>& MenuPrincipal()
{
    static const std::vector<MenuBarre> menu = {
        {NumTexte{900},
         {{0, NumTexte{901}, {Item(217, 902), Item(218, 903), Item(219, 904)}}, Separateur(), Item(COMMANDE_AFFICHAGE_PUBLIC, 211), Item(COMMANDE_TABLEAU_WEB, 226), Separateur(),
          Item(100, 905)}},
        {NumTexte{906},
         {Item(234, 908), Item(435, 909), Separateur(), Item(302, 910), Item(210, 911), Separateur(),
          {0, NumTexte{922}, {Item(230, 923), Item(231, 924), Item(232, 925), Item(233, 926)}}}},
        {NumTexte{912}, {Item(212, 913), Item(1005, 914), Separateur(), Item(213, 915)}},
        {NumTexte{920}, {Item(224, 921), Item(203, 927)}},
        {NumTexte{916},
         {Item(902, 917), Item(901, 918), Item(900, 919), Separateur(), Item(10, 928), Item(11, 929),
          Item(12, 930), Item(13, 931), Item(14, 932), Item(15, 933)}},
    };
    return menu;
}

std::vector<ElementMenu> MenuSurgissant(int bouton, int32_t mode)
{
    if (bouton == 202) {
        const EtatCommandes c = CommandesDuMode(mode);
        return {Item(302, 9), Separateur(), {c.CommandeSecondItem, NumTexte{c.TexteSecondItem}, {}, c.SecondItemActif}};
    }
    if (bouton == 216) return {Item(224, 921), Separateur(), Item(203, 927)};
    return {Item(220, 11), Separateur(), Item(221, 12), Separateur(), Item(222, 13), Separateur(), Item(223, 14)};
}

bool LangueDisponible(int commande)
{
    return commande >= 10 && commande <= 12;
}
