#pragma once
// Fonts and colours of the stand, made once at start-up from the screen's scale.

#include <QColor>
#include <QFont>

struct EtatGlobal;

namespace Couleurs {
inline const QColor FondFenetre{222, 222, 222};
inline const QColor Tableau{99, 132, 255};
inline const QColor CadreTableau{0, 204, 255};
inline const QColor Blanc{255, 255, 255};
inline const QColor Sortie{0, 0, 255};
inline const QColor Perturbee{255, 128, 0};
inline const QColor Defilant2{0, 200, 0};
inline const QColor Noir{0, 0, 0};
inline const QColor TitreVert{0, 200, 0};
inline const QColor TitreRouge{255, 0, 0};
inline const QColor Alerte{255, 128, 0};
// Validated lines of the band editor: the green of "may go", not the blue of "out".
inline const QColor Validee{0, 150, 0};
} // namespace Couleurs

struct Polices {
    QFont Grande;          // frequency buttons, command buttons, mode button
    QFont Petite;          // frequency buttons from 36 per band
    QFont Points20;
    QFont Points14;
    QFont Defilant;        // the two ticker lines
    QFont Points14DemiGras;
    QFont Liste;           // lists of the dialogs
    QFont Peinte;          // the texts painted on the main window: legend, constraints
    QFont PeinteGrasse;    // the board's bottom bar
    int HauteurLigneListe = 18;    // item height of owner-drawn lists
    int HauteurLigneGrande = 20;
};

// Built on first use for the screen size held by the meeting state.
const Polices& PolicesKoral(const EtatGlobal& etat);
