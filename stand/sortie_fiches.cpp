#include "stand/sortie_fiches.h"

#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/lignes_cartes.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "engine/tri.h"
#include "stand/file_attente.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"

#include <set>

namespace {

constexpr int COMMANDE_SORTIE = 201;
constexpr int SUJET_AIDE_AUCUNE_FICHE = 7;
constexpr std::size_t LONGUEUR_MODELE = 30;

std::string Texte3(int32_t n) { return Formater("%03u", static_cast<unsigned>(n)); }
std::string Nom(const FicheVol& f) { return std::string(VueChamp(f.Nom)); }

// The pilot cards on the ground in the operator's order.
std::vector<const FicheVol*> AuSolTriees(const EtatGlobal& etat)
{
    return FichesTriees(etat, [](const FicheVol& f) { return EstFichePilote(f.Numero) && f.Etat == AuSol; });
}

// "No card but the pause card": pilot cards only, remark cards are no pilots.
bool AucunPilote(EtatGlobal& etat)
{
    for (const FicheVol& f : etat.Fiches)
        if (EstFichePilote(f.Numero)) return false;
    AfficherMessageTexte(etat, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
    return true;
}

void AucunEmetteur(EtatGlobal& etat) { AfficherMessageTexte(etat, 51); }

} // namespace

int LigneDeCarte(const std::vector<LigneCarte>& lignes, int32_t numero)
{
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (lignes[i].Numero == numero) return static_cast<int>(i);
    return -1;
}

void SortieDeuxListes::ChoisirInitiale(EtatGlobal& etat)
{
    const int32_t tapee = std::exchange(etat.CarteTapee, 0);
    if (const int l = LigneDeCarte(Principale(), tapee); l >= 0) initiale_ = {LISTE_PRINCIPALE, l};
    else if (const int a = LigneDeCarte(Autres(), tapee); a >= 0) initiale_ = {LISTE_AUTRES, a};
    else initiale_ = Principale().empty() ? std::pair{0, -1} : std::pair{LISTE_PRINCIPALE, 0};
}

bool CarteBloquee(EtatGlobal& etat, const FicheVol& fiche)
{
    if (Est24GHz(fiche.Frequence) && CreneauLibre24(etat) == 0) return true;
    const EntreeFrequence* e = ChercheFrequence(etat, fiche.Frequence);
    return !e || e == &etat.EntreeSansFrequence || EstBloquee(etat, *e);
}

// --- DIALSORTIR ----------------------------------------------------------------------

SortieFiches::SortieFiches(EtatGlobal& etat) : etat_(etat)
{
    if (AucunPilote(etat)) return;
    for (const FicheVol* f : AuSolTriees(etat)) {
        const std::string modele(VueChamp(f->Modele).substr(0, LONGUEUR_MODELE));
        lignes_.push_back({f->Numero,
                           Formater("  %s   %s   %s - %s", (" " + Texte3(f->Numero)).c_str(), LibelleFrequence(f->Frequence).c_str(),
                                    Nom(*f).c_str(), modele.c_str()),
                           CarteBloquee(etat, *f) ? "FEUROUGE" : "FEUVERT", Nom(*f)});
    }
    if (lignes_.empty()) AucunEmetteur(etat);
    initiale_ = std::max(0, LigneDeCarte(lignes_, std::exchange(etat.CarteTapee, 0)));
}

std::optional<int> SortieFiches::Sortir(int ligne)
{
    if (ligne < 0 || ligne >= static_cast<int>(lignes_.size())) return std::nullopt;
    // A refusal may queue the flight and switch to the waiting list.
    if (!SortirFiche(etat_, lignes_[static_cast<std::size_t>(ligne)].Numero)) ProposerBascule(etat_);
    return 1;
}

// --- DIALSORTIR2, waiting list -----------------------------------------------------------

SortieAttente::SortieAttente(EtatGlobal& etat) : etat_(etat)
{
    // The lines of the queue in rank order; a node of another state is not listed.
    std::set<int32_t> enFile;
    int ligne = 0;
    for (int rang = 1; rang <= etat.NbEntreesAttente(); ++rang) {
        EntreePlan* noeud = ChercheRangDansListe(etat, rang, FileAttente);
        if (!noeud) return;
        noeud->NumeroLigne = 0;
        if (noeud->EtatVol != VolEnAttente) continue;
        const FicheVol* f = ChercheFiche(etat, noeud->NumeroFiche, 1);
        if (!f) return;
        noeud->NumeroLigne = ++ligne;
        enFile.insert(f->Numero);
        const std::string texte = Formater("  %s   %s   %-12s ", Texte3(f->Numero).c_str(),
                                           LibelleFrequence(f->Frequence).c_str(), Nom(*f).c_str());
        file_.push_back({f->Numero, texte + SuffixeModele(*f), CarteBloquee(etat, *f) ? "FEUROUGE" : "FEUVERT", Nom(*f)});
    }
    if (AucunPilote(etat)) {
        file_.clear();
        return;
    }
    for (const FicheVol* f : AuSolTriees(etat)) {
        if (enFile.count(f->Numero)) continue;
        const std::string texte = Formater("  %s   %s   %s ", (" " + Texte3(f->Numero)).c_str(),
                                           LibelleFrequence(f->Frequence).c_str(), Nom(*f).c_str());
        autres_.push_back({f->Numero, texte + SuffixeModele(*f), CarteBloquee(etat, *f) ? "FEUROUGE" : "FEUVERT", Nom(*f)});
    }
    if (Vide()) AucunEmetteur(etat);
    ChoisirInitiale(etat);
}

std::string SortieAttente::Entete() const
{
    return FormaterTexte(Texte(etat_, 53), static_cast<unsigned>(file_.size()));
}

// The node of a queue line itself: lines skip the nodes that are not waiting,
// so a line's position is not a rank.
EntreePlan* SortieAttente::NoeudDeLigne(int ligne) const
{
    for (EntreePlan& e : etat_.ListePlan)
        if (e.Liste == FileAttente && e.NumeroLigne == ligne + 1) return &e;
    return nullptr;
}

std::optional<int> SortieAttente::Sortir(int liste, int ligne)
{
    const bool deLaFile = liste == LISTE_PRINCIPALE;
    const std::vector<LigneCarte>& lignes = deLaFile ? file_ : autres_;
    if (ligne < 0 || ligne >= static_cast<int>(lignes.size())) return std::nullopt;
    const int32_t numero = lignes[static_cast<std::size_t>(ligne)].Numero;
    EntreePlan* noeud = deLaFile ? NoeudDeLigne(ligne) : nullptr;
    if (SortirFiche(etat_, numero)) {
        if (noeud) RetirerDeFile(etat_, *noeud);
        SauverManifestation(etat_);
        return 1;
    }
    if (deLaFile) return 1;
    etat_.TexteMessage = Texte(etat_, 56);
    etat_.JeuBoutons = BOUTONS_OUI_NON;
    etat_.SujetAide = 0;
    if (!AfficherMessage(etat_) || !AjouterEnFile(etat_)) return 1;
    // FicheCourante, the refused card, waits at the end of the queue: the dialog opens again.
    SauverManifestation(etat_);
    etat_.CommandeDemandee = COMMANDE_SORTIE;
    return 0;
}

std::optional<int> SortieAttente::Retirer(int liste, int ligne)
{
    EntreePlan* noeud = liste == LISTE_PRINCIPALE ? NoeudDeLigne(ligne) : nullptr;
    if (!noeud || ligne < 0 || ligne >= static_cast<int>(file_.size())) {
        etat_.Port.Bip();
        return std::nullopt;
    }
    RetirerDeFile(etat_, *noeud);
    SauverManifestation(etat_);
    RecompteSorties(etat_);
    etat_.CommandeDemandee = COMMANDE_SORTIE;
    return 0;
}
