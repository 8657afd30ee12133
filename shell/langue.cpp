#include "shell/langue.h"

#include "engine/etat.h"
#include "engine/textes.h"

#include <array>

void ChoisirLangueDemarrage(EtatGlobal& etat, int bouton)
{
    if (bouton < 10 || bouton > 12) return;
    etat.DecalageLangue = (bouton - 10) * 1000;
    etat.Port.EnregistrerLangue(etat.DecalageLangue);
}

std::string InviteLangue()
{
    return TexteDansLangue(DECALAGE_FRANCAIS, 172) + "\r" + TexteDansLangue(DECALAGE_ANGLAIS, 172) + "\r" +
           TexteDansLangue(DECALAGE_PORTUGAIS, 172);
}

int DecalageValide(int valeur)
{
    return valeur == DECALAGE_ANGLAIS || valeur == DECALAGE_PORTUGAIS ? valeur : DECALAGE_FRANCAIS;
}

int TexteNomLangue(int bouton)
{
    static constexpr std::array<NumTexte, 6> NOMS = {{{928}, {929}, {930}, {931}, {932}, {933}}};
    return NOMS[static_cast<std::size_t>(bouton < 10 || bouton > 15 ? 0 : bouton - 10)].n;
}

int TexteNomMode(int mode)
{
    static constexpr std::array<NumTexte, 4> NOMS = {{{11}, {12}, {13}, {14}}};
    return NOMS[static_cast<std::size_t>(mode < 0 || mode > 3 ? 1 : mode)].n;
}
