#include "shell/version.h"

#include "engine/textes.h"

std::string TexteVersion(const EtatGlobal& etat)
{
    return Texte(etat, 4) + VERSION_KORALIS;
}
