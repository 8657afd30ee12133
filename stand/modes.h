#pragma once
// The four exit modes: the change of mode with its password gate, and what the
// main window enables in each mode.

#include <array>
#include <cstdint>

struct EtatGlobal;

constexpr int COMMANDE_LIBRE_SERVICE = 220;
constexpr int COMMANDE_MODE_FICHES = 221;
constexpr int COMMANDE_FILE_ATTENTE = 222;
constexpr int COMMANDE_MODE_PLANIFIE = 223;

// True when the mode may change now: no password, or not in free service, or
// the password typed right. A refusal beeps and says nothing.
bool PorteMotDePasse(EtatGlobal& etat);

enum class Defilant2 { Inchange, Montrer, Cacher };

struct ChangementMode {
    bool Fait = false;                      // false: refused, nothing changed
    Defilant2 Ligne2 = Defilant2::Inchange; // ticker line 2 (button 45, timer 30)
    bool ActiverCommandes = false;          // the enable flag of ActiverCommandes
};

// Commands 220 to 223. The history gets "%u --> %u", the meeting file is rewritten.
ChangementMode ChangerMode(EtatGlobal& etat, int commande);

// What ActiverCommandes sets in a mode.
struct EtatCommandes {
    std::array<bool, 5> Menus{};    // positions 0 to 4 of the menu bar
    bool Controles = false;         // constraint controls 400 to 405
    bool Bouton202 = false;         // "FICHES DE VOL"
    bool Bouton216 = false;         // "FREQUENCES"
    int TexteSecondItem = 16;       // second item of the "FICHES DE VOL" pop-up: a string number
    bool SecondItemActif = false;
    int CommandeSecondItem = 0;     // 214 when active
};
EtatCommandes CommandesDuMode(int32_t mode);
