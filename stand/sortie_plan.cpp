#include "stand/sortie_plan.h"

#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/lignes_cartes.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "engine/tri.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <set>

namespace {

constexpr int COMMANDE_SORTIE = 201;
constexpr int SUJET_AIDE_AUCUNE_FICHE = 7;
constexpr int SUJET_AIDE_PAUSE = 133;
constexpr int SUJET_AIDE_INSERTION = 141;

bool AuMoinsUnDehors(const EtatGlobal& etat)
{
    for (int i = 0; i < etat.NbFrequences(); ++i)
        if (EstEmettrice(etat, i)) return true;
    return false;
}

// The light of a planned flight: its entry blocked or busy, the maximum reached,
// or no 2.4 GHz slot free.
bool VolBloque(EtatGlobal& etat, const FicheVol& f)
{
    if (Est24GHz(f.Frequence) && CreneauLibre24(etat) == 0) return true;
    const EntreeFrequence* e = ChercheFrequence(etat, f.Frequence);
    if (!e || e == &etat.EntreeSansFrequence) return true;
    const auto& c = etat.Contraintes;
    return FrequenceBloquee(etat, e->Index) || e->Etat != Libre || (c.LimiteEmissions && etat.NbSorties >= c.NbMaxEmissions);
}

LigneCarte LigneDe(EtatGlobal& etat, const EntreePlan& n, const FicheVol& f)
{
    if (EstRemarque(n.NumeroFiche)) return {n.NumeroFiche, TexteNoeudPlan(n, f), "REMARQUE"};
    if (n.NumeroFiche == FICHE_PAUSE) return {FICHE_PAUSE, TexteNoeudPlan(n, f), "PAUSE"};
    return {f.Numero, TexteNoeudPlan(n, f), VolBloque(etat, f) ? "FEUROUGE" : "FEUVERT", std::string(VueChamp(f.Nom))};
}

} // namespace

SortiePlan::SortiePlan(EtatGlobal& etat) : etat_(etat)
{
    std::set<int32_t> listes;
    for (EntreePlan* n : NoeudsEnOrdre(etat, PlanVols)) {
        n->NumeroLigne = 0;
        if (n->EtatVol != VolEnAttente) continue;
        const bool tete = plan_.empty();
        if (tete && n->NumeroFiche == FICHE_PAUSE) {
            // A pause holds the plan until every transmitter is back.
            if (AuMoinsUnDehors(etat)) {
                AfficherMessageTexte(etat, 52, BOUTONS_OK, SUJET_AIDE_PAUSE);
                ferme_ = true;
                return;
            }
            n->EtatVol = VolTermine;
            continue;
        }
        if (tete && EstRemarque(n->NumeroFiche)) {
            n->EtatVol = VolTermine;
            continue;
        }
        const FicheVol* f = ChercheFiche(etat, n->NumeroFiche, 1);
        if (!f) return;
        if (tete) premierRang_ = n->Rang;
        plan_.push_back(LigneDe(etat, *n, *f));
        n->NumeroLigne = static_cast<int32_t>(plan_.size());
        listes.insert(n->NumeroFiche);
    }
    if (std::none_of(etat.Fiches.begin(), etat.Fiches.end(), [](const FicheVol& f) { return EstFichePilote(f.Numero); })) {
        AfficherMessageTexte(etat, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
        ferme_ = true;
        return;
    }
    const auto autre = [&listes](const FicheVol& f) { return EstFichePilote(f.Numero) && f.Etat == AuSol && !listes.count(f.Numero); };
    for (const FicheVol* f : FichesTriees(etat, autre)) {
        const std::string nom(VueChamp(f->Nom));
        const std::string texte = Formater("   %03u   %s   %s ", static_cast<unsigned>(f->Numero), LibelleFrequence(f->Frequence).c_str(),
                                           nom.c_str());
        autres_.push_back({f->Numero, texte + SuffixeModele(*f), CarteBloquee(etat, *f) ? "FEUROUGE" : "FEUVERT", nom});
    }
    if (plan_.empty() && autres_.empty()) AfficherMessageTexte(etat, 51);
    ChoisirInitiale(etat);
}

std::string SortiePlan::Entete() const
{
    return FormaterTexte(Texte(etat_, 54), static_cast<unsigned>(plan_.size()));
}

EntreePlan* SortiePlan::NoeudDeLigne(int ligne) const
{
    EntreePlan* trouve = nullptr;
    for (EntreePlan& e : etat_.ListePlan)
        if (e.Liste == PlanVols && e.NumeroLigne == ligne + 1 && (!trouve || e.Rang < trouve->Rang)) trouve = &e;
    return trouve;
}

// The unplanned flight takes the place of the first listed node; everything from there moves down one rank.
EntreePlan* SortiePlan::InsererEnTete(int32_t numero)
{
    const int32_t rang = premierRang_ ? premierRang_ : etat_.NbEntreesPlan() + 1;
    etat_.FicheCourante = numero;
    EntreePlan* n = NouvelleEntreePlan(etat_);
    if (!n) return nullptr;
    for (EntreePlan& e : etat_.ListePlan)
        if (e.Liste == PlanVols && &e != n && e.Rang >= rang) ++e.Rang;
    n->Rang = rang;
    n->Liste = PlanVols;
    n->EtatVol = VolEnAttente;
    if (FicheVol* f = ChercheFiche(etat_, numero, 0)) ++f->NbVolsPlanifies;
    SynchroniserRangs(etat_);
    SauverManifestation(etat_);
    return n;
}

std::optional<int> SortiePlan::Sortir(int liste, int ligne)
{
    // An unplanned flight inserted then sent out: the file never holds one without the other.
    UneAction action(etat_);
    const bool duPlan = liste == LISTE_PRINCIPALE;
    const std::vector<LigneCarte>& lignes = duPlan ? plan_ : autres_;
    if (ligne < 0 || ligne >= static_cast<int>(lignes.size())) return std::nullopt;
    const int32_t numero = lignes[static_cast<std::size_t>(ligne)].Numero;
    // A remark or a pause has no transmitter: nothing ever goes out on FREQUENCE_AUCUNE.
    if (!EstFichePilote(numero)) {
        etat_.Port.Bip();
        return 1;
    }
    EntreeFrequence* entree = ExaminerSortie(etat_, numero);
    if (!entree) return 1;
    EntreePlan* noeud = duPlan ? NoeudDeLigne(ligne) : nullptr;
    if (!duPlan) {
        etat_.TexteMessage = Texte(etat_, 55);
        etat_.JeuBoutons = BOUTONS_OUI_NON;
        etat_.SujetAide = SUJET_AIDE_INSERTION;
        if (!AfficherMessage(etat_)) return 1;
        // Without memory for its node the card goes out unplanned (string 87 shown).
        noeud = InsererEnTete(numero);
    }
    if (!ValiderSortie(etat_, *entree, numero)) return 1;
    if (noeud) {
        noeud->EtatVol = VolEnCours;
        entree->RangPlanifie = noeud->Rang;
    }
    SauverManifestation(etat_);
    return 1;
}

std::optional<int> SortiePlan::Sauter(int liste, int ligne)
{
    EntreePlan* noeud = liste == LISTE_PRINCIPALE ? NoeudDeLigne(ligne) : nullptr;
    if (!noeud) {
        etat_.Port.Bip();
        return std::nullopt;
    }
    noeud->EtatVol = VolTermine;
    noeud->NumeroLigne = 0;
    // Passed without flying: the plan and its printout say so rather than a flight of 0 s.
    if (EstFichePilote(noeud->NumeroFiche)) noeud->Problemes |= VOL_SAUTE;
    SauverManifestation(etat_);
    RecompteSorties(etat_);
    etat_.CommandeDemandee = COMMANDE_SORTIE;
    return 0;
}
