#pragma once
// A list of cards found by typing (engine/recherche.h): digits for a card's
// number, letters for its pilot's name; Return does what a double click does.
// A search that finds nothing keeps the selection and beeps.

#include "engine/recherche.h"

#include <QObject>

#include <functional>

class QAbstractItemView;
struct EtatGlobal;

class RechercheListe : public QObject {
public:
    using Lignes = std::function<std::vector<LigneRecherche>()>;
    // `lignes`: the cards of the view's rows, in their order; `activer`: the row's double click.
    RechercheListe(EtatGlobal& etat, QAbstractItemView* vue, Lignes lignes, std::function<void(int)> activer);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    EtatGlobal& etat_;
    QAbstractItemView* vue_;
    Lignes lignes_;
    std::function<void(int)> activer_;
    RechercheCarte recherche_;
};

// The cards of a presenter's lines (each with its Numero and Nom).
template <class Ligne>
std::vector<LigneRecherche> LignesRecherche(const std::vector<Ligne>& lignes)
{
    std::vector<LigneRecherche> r;
    r.reserve(lignes.size());
    for (const Ligne& l : lignes) r.push_back({l.Numero, l.Nom});
    return r;
}
