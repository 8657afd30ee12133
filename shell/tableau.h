#pragma once
// The board: one button per validated frequency, a column per band, painted by
// the frequency's state. Positions are computed here in screen pixels.

#include <cstddef>
#include <cstdint>

struct EtatGlobal;
struct EntreeFrequence;

enum class CouleurTexte { Blanc, Orange, Bleu };

struct AspectBouton {
    const char* Image;
    CouleurTexte Couleur;
};

// A label's colour, "#RRGGBB": the board's own, wherever it is drawn.
const char* RgbTexte(CouleurTexte couleur);

// Button sizes and every entry's X and Y; six bands start with the first hidden.
void DisposerTableau(EtatGlobal& etat);
// Moves every button one column (sens -1: the board goes left).
void DecalerTableau(EtatGlobal& etat, int sens);
bool BoutonVisible(const EtatGlobal& etat, const EntreeFrequence& entree);
// A 2.4 GHz slot shows only while a transmitter is out on it.
bool EntreeMontree(const EntreeFrequence& entree);
AspectBouton AspectDuBouton(EtatGlobal& etat, int index);
// The aspect the entry would have in state `etatEntree`.
AspectBouton AspectDuBouton(EtatGlobal& etat, int index, int32_t etatEntree);
bool PetitePolice(const EtatGlobal& etat);

// Commands 1400 and 1401: false when the board cannot move that way (a beep).
bool PagerGauche(EtatGlobal& etat);
bool PagerDroite(EtatGlobal& etat);

// Entries out for longer than the limit become overdue (timer 27).
void MarquerHorsTemps(EtatGlobal& etat);
// Out for longer than the limit at tick `maintenant`.
bool DepasseDuree(const EtatGlobal& etat, const EntreeFrequence& entree, uint32_t maintenant);
// A ticker moves by one character: the first goes to the end.
template <std::size_t N> class TexteFixe;
void FaireDefiler(TexteFixe<1024>& texte);
