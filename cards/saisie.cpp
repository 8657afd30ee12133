#include "cards/saisie.h"

#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "storage/historique.h"
#include "storage/manifestation.h"

#include <algorithm>

namespace {

constexpr int COMMANDE_NOUVELLE_FICHE = 207;

// x of the 1st, 2nd ... list for 1 to 6 bands in use.
constexpr PositionsListes POSITIONS_X = {{
    {405},
    {240, 569},
    {125, 405, 685},
    {125, 311, 498, 685},
    {75, 240, 405, 569, 735},
    {75, 207, 339, 471, 603, 735},
}};
constexpr int Y_LISTES = 25;

std::string Numero3(int32_t n) { return Formater(" %03u", static_cast<unsigned>(n)); }

} // namespace

Saisie::Saisie(EtatGlobal& etat) : etat_(etat)
{
    vue_.Listes = ListesBandes(etat, POSITIONS_X, Y_LISTES);
    if (etat.ModeModification) {
        vue_.Titre = NumTexte{646}.n;
        vue_.TexteValider = NumTexte{647}.n;
        vue_.NumeroVisible = vue_.TermineVisible = vue_.NumerosPrisVisibles = false;
        const FicheVol* fiche = ChercheFiche(etat, etat.FicheCourante, 1);
        if (!fiche) return;
        vue_.Champs = {"", std::string(VueChamp(fiche->Nom)), std::string(VueChamp(fiche->Licence)),
                       std::string(VueChamp(fiche->Modele)), std::string(VueChamp(fiche->Remarques))};
        frequence_ = frequenceInitiale_ = fiche->Frequence;
        canalInitial_ = fiche->Canal;
        const EntreeFrequence* e = ChercheFrequence(etat, frequence_);
        if (!e) return;
        texteFrequence_ = LibelleEntree(etat, e->Index);
        if (!etat.ModeDuplication) return;
        // From here on a new card that starts with the old card's texts and frequency.
        vue_.Titre = NumTexte{67}.n;
        vue_.TexteValider = NumTexte{68}.n;
        vue_.NumeroVisible = vue_.NumerosPrisVisibles = true;
        etat.ModeModification = 0;
    }
    vue_.Champs.Numero = Numero3(NumeroFicheLibre(etat));
    std::vector<int32_t> pris;
    for (const FicheVol& f : etat.Fiches)
        if (f.Numero < FICHE_PAUSE) pris.push_back(f.Numero);
    std::sort(pris.begin(), pris.end());
    for (int32_t n : pris) vue_.NumerosPris.push_back(Numero3(n));
}

bool Saisie::InsererOffert(bool modeleAFocus) const { return modeleAFocus && etat_.EtatDictionnaire == 1; }

std::vector<int> Saisie::ChoisirFrequence(int controle, int ligne)
{
    const int bande = BandeDuControle(controle);
    std::vector<int> aVider;
    if (bande < 0) return aVider;
    const auto& lignes = vue_.Listes[static_cast<std::size_t>(bande)].Lignes;
    if (ligne < 0 || ligne >= static_cast<int>(lignes.size())) return aVider;
    frequence_ = lignes[static_cast<std::size_t>(ligne)].Frequence;
    texteFrequence_ = lignes[static_cast<std::size_t>(ligne)].Texte;
    for (int c : CONTROLES_BANDES)
        if (c != controle) aVider.push_back(c);
    return aVider;
}

std::string Saisie::TextePeint() const { return texteFrequence_ + "            "; }

std::string Saisie::NumeroPeint(const std::string& champNumero) const
{
    const int32_t n = etat_.ModeModification ? etat_.FicheCourante : EntierEnTete(champNumero.substr(0, LONGUEUR_NUMERO));
    return Formater("%03u", static_cast<unsigned>(n));
}

bool Saisie::Serie() const { return !etat_.ModeModification && !etat_.ModeDuplication; }

int Saisie::Fermer(int resultat)
{
    // Each card of a series is a form of its own: the next one opens once this one has closed.
    if (resultat == 1 && Serie()) etat_.CommandeDemandee = COMMANDE_NOUVELLE_FICHE;
    etat_.ModeDuplication = 0;
    return resultat;
}

bool Saisie::Refuser(int texte, int sujetAide)
{
    AfficherMessageTexte(etat_, texte, BOUTONS_OK, sujetAide);
    return false;
}

// The bound before the use: a remark card's number is out of range, not "in use".
bool Saisie::NumeroValide(int32_t numero)
{
    const int aide = SUJET_AIDE_SAISIE + 100;
    if (numero == 0) return Refuser(70, aide);
    if (numero > DERNIERE_FICHE_PILOTE) return Refuser(72, aide);
    if (FicheExiste(etat_, numero)) return Refuser(71, aide);
    return true;
}

std::optional<int> Saisie::Valider(const ChampsSaisie& champs)
{
    if (frequence_ == 0) {
        Refuser(69, SUJET_AIDE_SAISIE + 100);
        return std::nullopt;
    }
    const bool nouvelle = !etat_.ModeModification;
    const int32_t numero = nouvelle ? EntierEnTete(champs.Numero.substr(0, LONGUEUR_NUMERO)) : etat_.FicheCourante;
    if (nouvelle && !NumeroValide(numero)) return std::nullopt;
    // Refusals, lists and the export name the pilot: a card always has a name.
    if (SansBlancs(std::string_view(champs.Nom).substr(0, LONGUEUR_NOM)).empty()) {
        Refuser(220, SUJET_AIDE_SAISIE + 100);
        return std::nullopt;
    }
    FicheVol* fiche = nouvelle ? NouvelleFiche(etat_) : ChercheFiche(etat_, numero, 1);
    if (!fiche) return std::nullopt;
    EntreeFrequence* entree = ChercheFrequence(etat_, frequence_);
    if (!entree) return std::nullopt;
    Enregistrer(*fiche, numero, champs);
    fiche->Canal = entree->Canal;

    if (nouvelle) {
        etat_.TexteEvenement = TexteFicheHistorique(frequence_, numero, VueChamp(fiche->Nom));
        EcrireHistorique(etat_, EVT_SAISIE_FICHE);
        ++entree->NbUtilisateurs;
    } else if (frequence_ != frequenceInitiale_) {
        if (fiche->Etat < 1) {
            // The counts follow the card from where it was.
            fiche->Frequence = frequenceInitiale_;
            if (!ChangerFrequenceFiche(etat_, *fiche, frequence_)) return std::nullopt;
            EcrireHistorique(etat_, EVT_MODIF_FREQUENCE);
        } else {
            AfficherMessageTexte(etat_, 73);
            fiche->Frequence = frequenceInitiale_;
            fiche->Canal = canalInitial_;
        }
    }
    SauverManifestation(etat_);
    return Fermer(1);
}

void Saisie::Enregistrer(FicheVol& fiche, int32_t numero, const ChampsSaisie& champs)
{
    fiche.Frequence = frequence_;
    fiche.Numero = numero;
    CopierChamp(fiche.Nom, std::string_view(champs.Nom).substr(0, LONGUEUR_NOM));
    CopierChamp(fiche.Licence, std::string_view(champs.Licence).substr(0, LONGUEUR_LICENCE));
    CopierChamp(fiche.Modele, std::string_view(champs.Modele).substr(0, LONGUEUR_MODELE));
    CopierChamp(fiche.Remarques, std::string_view(champs.Remarques).substr(0, LONGUEUR_REMARQUES));
}

int Saisie::Abandonner()
{
    // In a series the typed card is dropped and an empty form comes back.
    return Fermer(Serie() ? 1 : 0);
}

int Saisie::Terminer()
{
    if (!Serie()) return Fermer(0);
    return Fermer(AfficherMessageTexte(etat_, 74, BOUTONS_OUI_NON) ? 0 : 1);
}
