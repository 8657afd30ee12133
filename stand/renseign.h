#pragma once
// RENSEIGN: the details of one frequency of the board. Whether it could transmit
// and why not, who uses it, what interferes with it, the cards registered on it;
// the return of its transmitter to the stand; in free service and by cards, a
// second way out.

#include "engine/textes.h"

#include <cstdint>
#include <string>
#include <vector>

struct EtatGlobal;

// A line of list 801.
struct LigneUtilisateur {
    int32_t Numero = 0;      // the card; 0 for the unidentified user of free service
    std::string Texte;       // Windows-1252
    std::string Image;       // FEUVERT, FEUROUGE or VIDE
};

struct VueRenseign {
    std::string Titre;                       // LibelleEntree, painted
    bool TitreRouge = false;
    std::string TexteEtat;                   // painted under the title
    std::vector<LigneUtilisateur> Utilisateurs;
    int LigneChoisie = -1;                   // selected line of 801
    int Legende641 = 0;                      // string number of caption 641; 0 hides it
    std::vector<std::string> Interferences;  // lines of 802
    bool Bouton804Visible = false;
    int Texte804 = NumTexte{633}.n;          // 633 "RETOUR KORAL" or 571 "SORTIR"
    bool Aide806Visible = false;
    bool RetourDemande = false;              // the return is asked at once (a card typed on the board)
};

enum class SuiteRenseign { Rester, Fermer };

class Renseign {
public:
    // Opens on the entry at FrequenceChoisie; clears SortieDemandee and CommandeDemandee.
    explicit Renseign(EtatGlobal& etat);

    const VueRenseign& Vue() const { return vue_; }
    // False when FrequenceChoisie names no entry: there is nothing to show.
    bool Valide() const { return index_ >= 0; }

    // Button 804 with the selected line of 801 (-1 for none).
    SuiteRenseign Bouton804(int ligne);
    SuiteRenseign DoubleClic(int ligne);

private:
    void Utilisateurs();
    void DecrireEtat();
    void EtatPerturbe(NumTexte texte, NumTexte legende);
    void LignesPerturbateurs();
    void LignesImage();
    void LignesImagePerturbee();
    void LignesSortie();
    void Bloquer();

    SuiteRenseign Retour();
    bool SortirCarte(int32_t numero);
    bool SortirLibre();
    bool ExitsOfferts() const;

    EtatGlobal& etat_;
    int index_ = -1;
    bool sortiePermise_ = true;
    VueRenseign vue_;
};
