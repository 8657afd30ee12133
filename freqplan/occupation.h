#pragma once
// OCCUPFREQ without its window: for one band at a time, each validated
// frequency with the cards registered on it, a button per card.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct EtatGlobal;

constexpr int BOUTONS_PAR_RANGEE = 25;
constexpr int SUJET_AIDE_OCCUPATION = 7;

struct BoutonCarte {
    int32_t Numero = 0;
    bool Actif = true;   // a stopped pilot's button is greyed
};

struct RangeeOccupation {
    std::string Libelle;                 // the frequency, "2.4 GHz" in that band
    const char* Image = "";              // whether a transmitter could go out on it now (the board's legend)
    std::vector<BoutonCarte> Cartes;     // at most 25, only cards that exist
    std::string Nombre;                  // the cards registered, even beyond 25; empty for none
};

class Occupation {
public:
    // No pilot card, or an empty plan: said; the view closes with 0 at once.
    // `voir` opens the card view (command 205) on FicheCourante.
    Occupation(EtatGlobal& etat, std::function<void(int)> commande);
    bool Ferme() const { return ferme_; }
    // The band buttons 701 to 706: a band without a validated frequency is greyed.
    const std::array<bool, 6>& BandesActives() const { return actives_; }
    int Bande() const { return bande_; }
    // As many rows as the largest band has frequencies; those past the band are blank.
    int NbRangees() const;
    const std::vector<RangeeOccupation>& Rangees() const { return rangees_; }

    void ChoisirBande(int bande);
    // A card button: its card is shown (command 205), then the rows are filled again.
    void VoirCarte(int32_t numero);

private:
    void Remplir();

    EtatGlobal& etat_;
    std::function<void(int)> commande_;
    std::array<bool, 6> actives_{};
    int bande_ = -1;
    std::vector<RangeeOccupation> rangees_;
    bool ferme_ = false;
};
