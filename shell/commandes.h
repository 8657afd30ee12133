#pragma once
// The one dispatcher of the program: menus, buttons, pop-up menus, constraint
// controls, arrow keys, the close box and the commands dialogs send.

#include <string>

struct EtatGlobal;
class Fenetre;

// The notification of an edit field that lost the keyboard focus.
constexpr int NOTIFICATION_PERTE_FOCUS = 512;
// Opens or closes the public display.
constexpr int COMMANDE_AFFICHAGE_PUBLIC = 243;
constexpr int COMMANDE_TABLEAU_WEB = 244;

void ExecuterCommande(EtatGlobal& etat, Fenetre& fenetre, int commande, int notification = 0);

// The creation of the main window: the meeting file (from the command line, or
// chosen in DIALFIC), the controls' states, the history. False when the
// program ends there.
bool CreerFenetrePrincipale(EtatGlobal& etat, Fenetre& fenetre, const std::string& cheminLigneCommande);

// A click on a board button: the frequency's details, then the board refreshed
// and what the details asked for (an exit, a mode change).
void CliquerFrequence(EtatGlobal& etat, Fenetre& fenetre, int index);

// A card's number typed on the board, then Return (the card modes): the exit
// dialog on that card's line when it is on the ground, its frequency's details
// asking for its return when it is out; a beep for a card that is neither.
void AllerALaCarte(EtatGlobal& etat, Fenetre& fenetre, int32_t numero);

// Timers 28 and 30: ticker line 1 or 2 moves by one character; line 2 first
// follows any change of the queue or the plan made since.
void FaireDefilerLigne(EtatGlobal& etat, int ligne);
// Timer 27, every 10 s: the flight-time supervision.
void SuperviserTemps(EtatGlobal& etat, Fenetre& fenetre);
// Timer 29, every 5 minutes.
void SauvegardePeriodique(EtatGlobal& etat);

// The board's refresh, with its warning when the plan is empty.
void RafraichirTableau(EtatGlobal& etat, Fenetre& fenetre);
// "%s - %s": the program's name and the meeting file's.
std::string TitreFenetrePrincipale(EtatGlobal& etat);
// "%s    (%s)": string 145 and the file's title, on the board's bottom bar.
std::string TexteBarreTableau(EtatGlobal& etat);
