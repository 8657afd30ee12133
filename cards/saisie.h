#pragma once
// SAISIE without its window: the one card form, for a new card (one of a series
// typed in a row), for the modification of a card, and for its duplication
// under a new number.

#include "engine/listes_bandes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EtatGlobal;

constexpr int SUJET_AIDE_SAISIE = 21;

// What a record field holds at most (bytes of Windows-1252, line breaks as CR LF).
constexpr std::size_t LONGUEUR_NOM = 22;
constexpr std::size_t LONGUEUR_LICENCE = 14;
constexpr std::size_t LONGUEUR_MODELE = 126;
constexpr std::size_t LONGUEUR_REMARQUES = 253;
constexpr std::size_t LONGUEUR_NUMERO = 5;

// The fields as typed, in Windows-1252.
struct ChampsSaisie {
    std::string Numero;       // 413
    std::string Nom;          // 415
    std::string Licence;      // 414
    std::string Modele;       // 417
    std::string Remarques;    // 418
};

struct VueSaisie {
    int Titre = 67;                 // caption: 67 new, 646 modification
    int TexteValider = 68;          // button 1: 68 or 647
    bool NumeroVisible = true;      // 413 and its label 422
    bool TermineVisible = true;     // 424
    bool NumerosPrisVisibles = true;   // 419
    ChampsSaisie Champs;            // contents on opening
    std::array<ListeBande, NB_BANDES> Listes;
    std::vector<std::string> NumerosPris;   // lines of 419, " %03u", ascending
};

class Saisie {
public:
    // Opens on the modes ModeModification, ModeDuplication and FicheCourante.
    explicit Saisie(EtatGlobal& etat);

    const VueSaisie& Vue() const { return vue_; }
    // "Insérer" is offered while the model field has the focus and words are loaded.
    bool InsererOffert(bool modeleAFocus) const;

    // A line chosen in band list `controle`: the lists to clear.
    std::vector<int> ChoisirFrequence(int controle, int ligne);
    // What the form paints: the frequency chosen ("00.000" for none) and the number.
    std::string TextePeint() const;
    std::string NumeroPeint(const std::string& champNumero) const;

    // Button 1. The form's result when it closes, nothing while it stays open.
    std::optional<int> Valider(const ChampsSaisie& champs);
    // "ABANDON", Escape and the close box.
    int Abandonner();
    // "Terminé".
    int Terminer();

private:
    bool Serie() const;
    int Fermer(int resultat);
    bool Refuser(int texte, int sujetAide);
    bool NumeroValide(int32_t numero);
    void Enregistrer(FicheVol& fiche, int32_t numero, const ChampsSaisie& champs);

    EtatGlobal& etat_;
    VueSaisie vue_;
    int32_t frequence_ = 0;
    std::string texteFrequence_ = "00.000";
    int32_t frequenceInitiale_ = 0;
    int32_t canalInitial_ = 0;
};
