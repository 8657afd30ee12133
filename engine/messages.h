#pragma once
// The message dialog DIALMESS as the core sees it: the caller fills TexteMessage,
// TexteDetail, JeuBoutons and SujetAide, then asks.

#include <optional>
#include <string>
#include <vector>

struct EtatGlobal;

constexpr int BOUTONS_OUI_NON = 960;
constexpr int BOUTONS_OUI_NON_CONTINUER = 961;
constexpr int BOUTONS_OK = 962;

// What a button set shows: the first button's text, which of the other two
// buttons appear (NON is always string 29), the third's text and the icon.
struct AspectJeuBoutons {
    int TextePremier;
    bool Second;
    bool Troisieme;
    int TexteTroisieme;
    const char* Icone;
};
AspectJeuBoutons AspectDuJeu(int jeuBoutons);

// 1 for the first button (OK, OUI), 0 for any other way out. MessageAnnule tells
// the third button. TexteDetail and SujetAide are cleared on every close.
int AfficherMessage(EtatGlobal& etat);

// The same with choices under the message (Windows-1252): the choice taken,
// nothing for any other way out. Without choices, a message as above.
std::optional<int> AfficherMessageAvecChoix(EtatGlobal& etat, const std::vector<std::string>& choix);

// String n of the running language with a button set and a help topic.
int AfficherMessageTexte(EtatGlobal& etat, int n, int jeuBoutons = BOUTONS_OK, int sujetAide = 0);

// The "?" of a message: a topic above 99 is the pop-up of topic - 100.
void OuvrirAideMessage(EtatGlobal& etat, int sujet);

// String 87, when a card or a plan node cannot be allocated.
void MessageMemoireInsuffisante(EtatGlobal& etat);
