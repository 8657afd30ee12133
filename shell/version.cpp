#include "shell/version.h"

#include "shell/textes.h"

std::string TexteVersion(const EtatGlobal& etat)
{
    return Texte(etat, 4) + VERSION_KORALIS;
}
