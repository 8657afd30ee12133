#pragma once
// The language of the program, chosen once per run; a change takes effect at the next start.

#include <string>

struct EtatGlobal;

// DIALLANGUE's radio buttons 10 (French), 11 (English), 12 (Portuguese): the
// choice is taken at once and kept for the next starts.
void ChoisirLangueDemarrage(EtatGlobal& etat, int bouton);
// DIALLANGUE's prompt: the language is not chosen yet, so it asks in all three,
// one line each (line breaks as "\r").
std::string InviteLangue();
// The stored value, when it is one of the three languages; anything else is French.
int DecalageValide(int valeur);
// The string of an exit mode's name (11 to 14).
int TexteNomMode(int mode);
// The string of a language's name (928 to 933) for items and buttons 10 to 15.
int TexteNomLangue(int bouton);
