#pragma once
// The three printouts laid out in the printer's own units: the card list, the
// flight plan and a single card. The pages are computed here whole; the Qt side
// only draws them on the printer, one page after the other.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

enum class PoliceImpression { Corps, Accent };   // Arial 10 points; Arial bold 20 points

// What the printer measures: every length in its device units.
struct Mesures {
    int LargeurCar = 1;       // the body font's average character width
    int HauteurLigne = 1;     // the body font's height with its leading
    int LargeurPage = 0;      // the printable width
    int HauteurPage = 0;      // the printable height
    std::function<int(std::string_view, PoliceImpression)> Largeur;   // a text's width (Windows-1252)
};

struct TexteImprime {
    int X = 0;
    int Y = 0;                // the top of the text
    std::string Texte;        // Windows-1252
    PoliceImpression Police = PoliceImpression::Corps;
};

struct TraitImprime {
    int X1 = 0, X2 = 0, Y = 0;
};

struct PageImprimee {
    std::vector<TexteImprime> Textes;
    std::vector<TraitImprime> Traits;
};

enum class Impression { Fiches, Plan, Fiche };

// The average character width the layout is made in, measured in a font: the
// weighted average of the small letters and the blank (the classic definition,
// which gives Arial's own with a font of Arial's widths). The layout's
// 130 widths always fit the page's width.
int LargeurMoyenne(const std::function<int(std::string_view)>& largeur, int largeurPage);

// Whether the printout has something to print: the card list of no pilot card
// says so (string 3).
bool ImpressionPossible(EtatGlobal& etat, Impression impression);
// The pages of a printout.
std::vector<PageImprimee> MettreEnPage(EtatGlobal& etat, Impression impression, const Mesures& mesures);
// The title of the cancel dialog and the printer job's name.
int TitreImpression(Impression impression);
