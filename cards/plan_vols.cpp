#include "cards/plan_vols.h"

#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/lignes_cartes.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "engine/tri.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int COMMANDE_MODIFIER_FICHE = 280;
constexpr int COMMANDE_IMPRIMER_PLAN = 1005;
constexpr int SUJET_AIDE_SEQUENCE = 33;
constexpr std::size_t LONGUEUR_MODELE_MENU = 30;
constexpr std::size_t LONGUEUR_COMMENTAIRE = 253;

bool EstFigee(const EntreePlan& n) { return GenreDe(n.NumeroFiche) != GenreNoeud::Remarque && n.EtatVol != VolEnAttente; }
bool EstPausePassee(const EntreePlan& n) { return n.NumeroFiche == FICHE_PAUSE && n.EtatVol == VolTermine; }

ElementMenuPlan Item(int commande, int texte) { return {commande, texte, {}, false}; }
ElementMenuPlan Separateur() { return {}; }

void AjouterDeplacements(std::vector<ElementMenuPlan>& m)
{
    for (const auto& [c, t] : {std::pair{PLAN_MONTER, 104}, std::pair{PLAN_DESCENDRE, 105}, std::pair{PLAN_AJOUTER, 106},
                               std::pair{PLAN_SUPPRIMER, 107}})
        m.push_back(Item(c, t));
}

// A comment opens on the card's remarks and a line break, within what the record holds.
std::string CommentaireInitial(const FicheVol& f)
{
    std::string texte(VueChamp(f.Remarques));
    if (!texte.empty()) texte += "\r\n";
    texte = texte.substr(0, LONGUEUR_COMMENTAIRE);
    if (!texte.empty() && texte.back() == '\r') texte.pop_back();
    return texte;
}

} // namespace

GenreNoeud GenreDe(int32_t numeroFiche)
{
    if (numeroFiche == FICHE_PAUSE) return GenreNoeud::Pause;
    return EstRemarque(numeroFiche) ? GenreNoeud::Remarque : GenreNoeud::Vol;
}

int32_t VerifierFenetre(const std::vector<Emplacement>& f, const Contraintes& c)
{
    if (f.size() < 2) return 0;
    const int32_t f0 = f[0].Frequence;
    const bool bande24 = Est24GHz(f0);
    for (std::size_t k = 1; k < f.size(); ++k)
        if (f[k].Numero == f[0].Numero || (!bande24 && f[k].Frequence == f0)) return PROBLEME_MEME;
    if (bande24) return 0;
    if (c.Ecart20kHz)
        for (std::size_t k = 1; k < f.size(); ++k)
            if (std::abs(f0 - f[k].Frequence) < 20) return PROBLEME_VOISINE;
    if (!c.ControleIntermodulation) return 0;
    int32_t bits = 0;
    for (std::size_t i = 1; i < f.size(); ++i)
        for (std::size_t j = 1; j < f.size(); ++j)
            if (i != j && 2 * f[i].Frequence - f[j].Frequence == f0) bits |= PROBLEME_MODULEE;
    auto dansLaFenetre = [&f, f0](int32_t x) {
        for (std::size_t m = 1; m < f.size(); ++m)
            if (f[m].Frequence == x && x != f0) return true;
        return false;
    };
    for (std::size_t k = 1; k < f.size(); ++k) {
        const int32_t fk = f[k].Frequence;
        if (dansLaFenetre(2 * f0 - fk) || dansLaFenetre(2 * fk - f0) || std::abs(f0 - fk) == 455) bits |= PROBLEME_MODULERA;
    }
    return bits;
}

int TailleFenetre(const EtatGlobal& etat)
{
    const int32_t n = etat.Contraintes.NbMaxEmissions;
    return n <= 0 ? 5 : std::min<int32_t>(n, TAILLE_FENETRE_MAX);
}

void VerifierPlan(EtatGlobal& etat, int taille)
{
    std::vector<Emplacement> fenetre(static_cast<std::size_t>(std::max(1, taille)));
    for (EntreePlan* n : NoeudsEnOrdre(etat, PlanVols)) {
        const GenreNoeud genre = GenreDe(n->NumeroFiche);
        // A passed flight keeps only its skip mark; the others are checked anew.
        n->Problemes = genre == GenreNoeud::Vol && n->EtatVol == VolTermine ? n->Problemes & VOL_SAUTE : 0;
        if (genre == GenreNoeud::Remarque || n->EtatVol == VolTermine) continue;
        if (genre == GenreNoeud::Pause) {
            std::fill(fenetre.begin(), fenetre.end(), Emplacement{});
            continue;
        }
        const FicheVol* fiche = ChercheFiche(etat, n->NumeroFiche, 1);
        if (!fiche) return;
        std::rotate(fenetre.rbegin(), fenetre.rbegin() + 1, fenetre.rend());
        fenetre[0] = {fiche->Frequence, fiche->Numero};
        n->Problemes = VerifierFenetre(fenetre, etat.Contraintes);
    }
}

LignePlan LigneDuPlan(const EtatGlobal& etat, const EntreePlan& n)
{
    const FicheVol* f = ChercheFiche(etat, n.NumeroFiche);
    if (!f) return {n.NumeroFiche, Formater("%03u", static_cast<unsigned>(n.NumeroFiche)), "VIDE"};
    const bool passe = n.EtatVol == VolTermine;
    const char* image = "VIDE";
    switch (GenreDe(n.NumeroFiche)) {
    case GenreNoeud::Remarque: image = passe ? "REMARQUE2" : "REMARQUE"; break;
    case GenreNoeud::Pause: image = passe ? "PAUSE2" : "PAUSE"; break;
    case GenreNoeud::Vol:
        image = n.EtatVol == VolEnCours             ? "BMPENVOL"
                : passe && (n.Problemes & VOL_SAUTE) ? "VOLSAUTE"
                : passe                              ? "AVOLE"
                : n.Problemes                        ? "BMPDANGER"
                                                     : "VIDE";
        break;
    }
    return {n.NumeroFiche, TexteNoeudPlan(n, *f), image, EstFichePilote(n.NumeroFiche) ? std::string(VueChamp(f->Nom)) : std::string()};
}

void EffacerPlan(EtatGlobal& etat)
{
    for (const EntreePlan& e : etat.ListePlan)
        if (e.EtatVol == VolEnCours) {
            AfficherMessageTexte(etat, 118);
            return;
        }
    const std::vector<EntreePlan*> plan = NoeudsEnOrdre(etat, PlanVols);
    if (plan.empty() || !AfficherMessageTexte(etat, 119, BOUTONS_OUI_NON)) return;
    for (EntreePlan* n : plan) {
        const int32_t numero = n->NumeroFiche;
        if (FicheVol* f = ChercheFiche(etat, numero, 0); f && EstFichePilote(numero)) f->NbVolsPlanifies = 0;
        if (EstRemarque(numero)) RetirerFiche(etat, numero);
        RetirerNoeud(etat, *n);
    }
}

// --- DIALPLAN -------------------------------------------------------------------------

EditeurPlan::EditeurPlan(EtatGlobal& etat, CommandeFenetre commande)
    : etat_(etat), commande_(std::move(commande)), taille_(TailleFenetre(etat))
{
    if (AucunPilote()) {
        AfficherMessageTexte(etat, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
        ferme_ = true;
        return;
    }
    Rafraichir();
    repriseVisible_ = !noeuds_.empty() && noeuds_.back()->EtatVol > VolEnAttente;
    selection_ = lignes_.empty() ? -1 : 0;
}

bool EditeurPlan::AucunPilote() const
{
    return std::none_of(etat_.Fiches.begin(), etat_.Fiches.end(),
                        [](const FicheVol& f) { return EstFichePilote(f.Numero) && f.Etat != Arretee; });
}

void EditeurPlan::Rafraichir()
{
    noeuds_ = NoeudsEnOrdre(etat_, PlanVols);
    VerifierPlan(etat_, taille_);
    lignes_.clear();
    for (const EntreePlan* n : noeuds_) lignes_.push_back(LigneDuPlan(etat_, *n));
}

void EditeurPlan::Renumeroter()
{
    for (std::size_t i = 0; i < noeuds_.size(); ++i) noeuds_[i]->Rang = static_cast<int32_t>(i + 1);
}

EntreePlan* EditeurPlan::Noeud(int ligne) const
{
    return ligne >= 0 && ligne < static_cast<int>(noeuds_.size()) ? noeuds_[static_cast<std::size_t>(ligne)] : nullptr;
}

bool EditeurPlan::Fige(const EntreePlan* noeud) const { return noeud && EstFigee(*noeud); }

// Nothing new goes before a pause already passed.
bool EditeurPlan::SequenceExecutee(int position) const
{
    for (std::size_t i = static_cast<std::size_t>(std::max(0, position)); i < noeuds_.size(); ++i)
        if (EstPausePassee(*noeuds_[i])) return true;
    return false;
}

bool EditeurPlan::Executer(int commande, int ligne)
{
    // A flight added is a node and its pilot's count: the file gets both or neither.
    UneAction action(etat_);
    if (commande > PLAN_FICHE && commande < PLAN_ETAT) {
        AjouterFiche(ligne, commande - PLAN_FICHE);
        return false;
    }
    switch (commande) {
    case PLAN_MONTER: Monter(ligne); break;
    case PLAN_DESCENDRE: Descendre(ligne); break;
    case PLAN_SUPPRIMER: Supprimer(ligne); break;
    case PLAN_AJOUTER: return Ajouter(ligne);
    case PLAN_PAUSE: InsererPause(ligne); break;
    case PLAN_REMARQUE: InsererRemarque(ligne); break;
    case PLAN_MODIFIER: Modifier(ligne); break;
    case PLAN_COMMENTER: Commenter(ligne); break;
    case PLAN_REPRISE: Reprendre(); break;
    case PLAN_IMPRIMER: commande_(COMMANDE_IMPRIMER_PLAN); break;
    default: break;
    }
    return false;
}

void EditeurPlan::Echanger(int ligne, int autre)
{
    std::swap(noeuds_[static_cast<std::size_t>(ligne)], noeuds_[static_cast<std::size_t>(autre)]);
    Renumeroter();
    Rafraichir();
    selection_ = autre;
    SauverManifestation(etat_);
}

void EditeurPlan::Monter(int ligne)
{
    const EntreePlan* n = Noeud(ligne);
    const EntreePlan* dessus = Noeud(ligne - 1);
    if (!n || !dessus) {
        etat_.Port.Bip();
        return;
    }
    if (GenreDe(n->NumeroFiche) != GenreNoeud::Remarque && EstPausePassee(*dessus)) {
        AfficherMessageTexte(etat_, 116);
        return;
    }
    // A flight or pause in progress or passed never moves, neither by itself nor by its neighbour.
    if (Fige(n) || Fige(dessus)) {
        etat_.Port.Bip();
        return;
    }
    Echanger(ligne, ligne - 1);
}

void EditeurPlan::Descendre(int ligne)
{
    const EntreePlan* n = Noeud(ligne);
    const EntreePlan* dessous = Noeud(ligne + 1);
    if (!n || !dessous || Fige(n) || Fige(dessous)) {
        etat_.Port.Bip();
        return;
    }
    Echanger(ligne, ligne + 1);
}

void EditeurPlan::Supprimer(int ligne)
{
    EntreePlan* n = Noeud(ligne);
    if (!n || Fige(n)) {
        etat_.Port.Bip();
        return;
    }
    const int32_t numero = n->NumeroFiche;
    if (EstRemarque(numero)) {
        RetirerFiche(etat_, numero);
    } else if (FicheVol* f = ChercheFiche(etat_, numero, 0); f && EstFichePilote(numero) && f->NbVolsPlanifies > 0) {
        --f->NbVolsPlanifies;
    }
    RetirerNoeud(etat_, *n);
    Rafraichir();
    selection_ = ligne - 1;
    SauverManifestation(etat_);
}

bool EditeurPlan::Ajouter(int ligne)
{
    if (AucunPilote()) {
        AfficherMessageTexte(etat_, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
        return false;
    }
    if (!SequenceExecutee(PositionApres(ligne))) return true;
    // The remark goes where the flight would have gone.
    if (AfficherMessageTexte(etat_, 115, BOUTONS_OUI_NON, SUJET_AIDE_SEQUENCE + 100)) InsererRemarque(std::max(ligne, 0));
    return false;
}

// Where a node goes after line `ligne`: the second line when none is chosen,
// the first of an empty plan.
int EditeurPlan::PositionApres(int ligne) const
{
    return noeuds_.empty() ? 0 : ligne < 0 ? 1 : ligne + 1;
}

// A new node for `numero` right after line `ligne`.
EntreePlan* EditeurPlan::Inserer(int ligne, int32_t numero)
{
    const int position = std::min<int>(PositionApres(ligne), static_cast<int>(noeuds_.size()));
    etat_.FicheCourante = numero;
    EntreePlan* n = NouvelleEntreePlan(etat_);
    if (!n) return nullptr;
    n->Liste = PlanVols;
    n->EtatVol = VolEnAttente;
    noeuds_.insert(noeuds_.begin() + position, n);
    Renumeroter();
    Rafraichir();
    selection_ = position;
    SauverManifestation(etat_);
    return n;
}

void EditeurPlan::AjouterFiche(int ligne, int32_t numero)
{
    FicheVol* f = ChercheFiche(etat_, numero, 0);
    if (!f) return;
    const bool pilote = EstFichePilote(numero);
    if (pilote && (f->Etat == Arretee || SequenceExecutee(PositionApres(ligne)))) {
        etat_.Port.Bip();
        return;
    }
    if (!Inserer(ligne, numero)) return;
    if (pilote) {
        ++f->NbVolsPlanifies;
        SauverManifestation(etat_);
    }
}

void EditeurPlan::InsererPause(int ligne)
{
    if (noeuds_.empty()) {
        etat_.Port.Bip();
        return;
    }
    if (ligne < 0) return;
    if (SequenceExecutee(ligne + 1)) {
        AfficherMessageTexte(etat_, 117);
        return;
    }
    Inserer(ligne, FICHE_PAUSE);
}

void EditeurPlan::InsererRemarque(int ligne)
{
    if (!noeuds_.empty() && ligne < 0) return;
    const auto texte = etat_.Port.TexteLibre(false, "", LONGUEUR_REMARQUE_PLAN);
    if (!texte) return;
    // Never a number twice: with all thousand taken there is no room for one more.
    const int32_t numero = NumeroRemarqueLibre(etat_);
    if (numero == 0) {
        MessageMemoireInsuffisante(etat_);
        return;
    }
    FicheVol* f = NouvelleFiche(etat_);
    if (!f) return;
    f->Numero = numero;
    f->Frequence = FREQUENCE_AUCUNE;
    f->Etat = Arretee;
    CopierChamp(f->Modele, std::string_view(*texte).substr(0, LONGUEUR_REMARQUE_PLAN));
    // A remark whose node cannot be made leaves no card behind.
    if (!Inserer(ligne, numero)) RetirerFiche(etat_, numero);
}

void EditeurPlan::Modifier(int ligne)
{
    const EntreePlan* n = Noeud(ligne);
    if (!n) return;
    const int32_t numero = n->NumeroFiche;
    FicheVol* f = ChercheFiche(etat_, numero, 1);
    if (!f) return;
    if (EstRemarque(numero)) {
        const auto texte = etat_.Port.TexteLibre(false, std::string(VueChamp(f->Modele)), LONGUEUR_REMARQUE_PLAN);
        if (texte) CopierChamp(f->Modele, std::string_view(*texte).substr(0, LONGUEUR_REMARQUE_PLAN));
        SauverManifestation(etat_);
    } else if (EstFichePilote(numero)) {
        if (f->Etat == Arretee) {
            AfficherMessageTexte(etat_, 114);
            return;
        }
        etat_.FicheCourante = numero;
        commande_(COMMANDE_MODIFIER_FICHE);
    }
    Rafraichir();
    selection_ = ligne;
}

void EditeurPlan::Commenter(int ligne)
{
    const EntreePlan* n = Noeud(ligne);
    if (!n || !EstFichePilote(n->NumeroFiche)) return;
    FicheVol* f = ChercheFiche(etat_, n->NumeroFiche, 1);
    if (!f) return;
    const auto texte = etat_.Port.TexteLibre(true, CommentaireInitial(*f), LONGUEUR_COMMENTAIRE);
    if (!texte) return;
    CopierChamp(f->Remarques, std::string_view(*texte).substr(0, LONGUEUR_COMMENTAIRE));
    SauverManifestation(etat_);
}

void EditeurPlan::Reprendre()
{
    const auto nombre = etat_.Port.NombreDeVols();
    if (!nombre) return;
    if (*nombre <= 0) {
        etat_.Port.Bip();
        return;
    }
    const std::vector<EntreePlan*> avant = noeuds_;
    int nouveaux = 0;
    for (const EntreePlan* n : avant) {
        if (nouveaux == *nombre) break;
        if (!EstFichePilote(n->NumeroFiche)) continue;
        FicheVol* f = ChercheFiche(etat_, n->NumeroFiche, 1);
        etat_.FicheCourante = n->NumeroFiche;
        EntreePlan* copie = f ? NouvelleEntreePlan(etat_) : nullptr;
        if (!copie) break;
        copie->Liste = PlanVols;
        noeuds_.push_back(copie);
        ++f->NbVolsPlanifies;
        ++nouveaux;
    }
    Renumeroter();
    repriseVisible_ = false;
    Rafraichir();
    selection_ = static_cast<int>(avant.size());
    SauverManifestation(etat_);
    etat_.Port.Bip();
}

std::vector<ElementMenuPlan> EditeurPlan::MenuAjout() const
{
    std::vector<ElementMenuPlan> m = {Item(PLAN_PAUSE, 108), Item(PLAN_REMARQUE, 109), Separateur()};
    for (const FicheVol* f : FichesTriees(etat_, [](const FicheVol& f) { return EstFichePilote(f.Numero) && f.Etat != Arretee; })) {
        const int32_t numero = f->Numero;
        const std::string modele(VueChamp(f->Modele).substr(0, LONGUEUR_MODELE_MENU));
        m.push_back({PLAN_FICHE + numero, 0,
                     Formater("%03u - %s - %s - %s", static_cast<unsigned>(numero), LibelleFrequence(f->Frequence).c_str(),
                              std::string(VueChamp(f->Nom)).c_str(), modele.c_str()),
                     f->NbVolsPlanifies != 0});
    }
    m.push_back(Separateur());
    m.push_back(Item(PLAN_PAUSE, 108));
    m.push_back(Item(PLAN_REMARQUE, 109));
    return m;
}

std::vector<ElementMenuPlan> EditeurPlan::MenuLigne(int ligne)
{
    std::vector<ElementMenuPlan> m;
    const EntreePlan* n = Noeud(ligne);
    if (!n) return m;
    switch (GenreDe(n->NumeroFiche)) {
    case GenreNoeud::Remarque:
        AjouterDeplacements(m);
        m.push_back(Separateur());
        m.push_back(Item(PLAN_MODIFIER, 112));
        return m;
    case GenreNoeud::Pause:
        if (n->EtatVol == VolTermine) {
            etat_.Port.Bip();
            return {Item(PLAN_ETAT, 113)};
        }
        AjouterDeplacements(m);
        return m;
    case GenreNoeud::Vol:
        break;
    }
    if (n->EtatVol == VolEnCours) return {Item(PLAN_ETAT, 102), Separateur(), Item(PLAN_MODIFIER, 110)};
    if (n->EtatVol == VolTermine)
        return {Item(PLAN_ETAT, n->Problemes & VOL_SAUTE ? 198 : 101), Separateur(), Item(PLAN_COMMENTER, 111),
                Item(PLAN_MODIFIER, 110)};
    static constexpr std::pair<int32_t, int> PROBLEMES[] = {
        {PROBLEME_MEME, 97}, {PROBLEME_VOISINE, 98}, {PROBLEME_MODULEE, 99}, {PROBLEME_MODULERA, 100}};
    int identifiant = PLAN_ETAT;
    for (const auto& [bit, texte] : PROBLEMES) {
        if (n->Problemes & bit) m.push_back(Item(identifiant, texte));
        ++identifiant;
    }
    if (m.empty()) m.push_back(Item(PLAN_ETAT, 103));
    m.push_back(Separateur());
    AjouterDeplacements(m);
    m.push_back(Separateur());
    m.push_back(Item(PLAN_MODIFIER, 110));
    return m;
}

void EditeurPlan::Fermer()
{
    SynchroniserRangs(etat_);
}
