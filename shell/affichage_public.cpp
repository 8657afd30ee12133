#include "shell/affichage_public.h"

#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "stand/defilant.h"
#include "storage/chemins.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

// The legend's word for each picture of the board, so the two always agree.
struct ImageEtat {
    std::string_view Image;
    EtatPublic Etat;
};
constexpr std::array<ImageEtat, 6> ETATS_DES_IMAGES = {{
    {"BMPLIBRE", EtatPublic::Libre},
    {"BMPINTER", EtatPublic::Intermodulee},
    {"BMPINTER2", EtatPublic::Intermodulee},
    {"BMPSORTI", EtatPublic::Sortie},
    {"SORTI2", EtatPublic::Sortie},
    {"BMPALLUM", EtatPublic::HorsTemps},
}};

// In the order of EtatPublic.
constexpr std::array<int, 5> TEXTES_LEGENDE = {136, 141, 138, 137, 140};

EtatPublic EtatDeLAspect(const AspectBouton& a)
{
    EtatPublic etat = EtatPublic::Libre;
    for (const ImageEtat& i : ETATS_DES_IMAGES)
        if (i.Image == a.Image) etat = i.Etat;
    // A free light with an orange text: a neighbour or a would-be intermodulation holds it.
    if (etat == EtatPublic::Libre && a.Couleur == CouleurTexte::Orange) etat = EtatPublic::Bloquee;
    return etat;
}

} // namespace

AspectBouton AspectLegende(EtatPublic etat)
{
    switch (etat) {
    case EtatPublic::Libre: return {"BMPLIBRE", CouleurTexte::Blanc};
    case EtatPublic::Bloquee: return {"BMPLIBRE", CouleurTexte::Orange};
    case EtatPublic::Intermodulee: return {"BMPINTER", CouleurTexte::Orange};
    case EtatPublic::Sortie: return {"BMPSORTI", CouleurTexte::Bleu};
    case EtatPublic::HorsTemps: return {"BMPALLUM", CouleurTexte::Blanc};
    }
    return {"BMPLIBRE", CouleurTexte::Blanc};
}

namespace {

std::string Libelle(int32_t frequence, int32_t canal)
{
    const std::string mhz = LibelleFrequence(frequence);
    return canal != 0 && !Est24GHz(frequence) ? Formater("%s k%u", mhz.c_str(), static_cast<unsigned>(canal)) : mhz;
}

CasePublique Case(EtatGlobal& etat, const EntreeFrequence& e, uint32_t maintenant)
{
    CasePublique c;
    c.Frequence = e.Frequence;
    c.Libelle = Libelle(e.Frequence, e.Canal);
    // The board marks an overdue flight every ten seconds; the pilots see it at the limit.
    const bool depasse = etat.Contraintes.TempsLimite && DepasseDuree(etat, e, maintenant);
    c.Aspect = AspectDuBouton(etat, e.Index, depasse ? HorsTemps : e.Etat);
    c.Etat = EtatDeLAspect(c.Aspect);
    if (e.Etat >= Sortie) {
        if (EstFichePilote(e.FicheEmettrice)) c.Fiche = e.FicheEmettrice;
        if (const FicheVol* f = c.Fiche ? ChercheFiche(std::as_const(etat), c.Fiche) : nullptr) c.Nom = SansBlancs(VueChamp(f->Nom));
        const uint32_t secondes = (maintenant - e.DebutEmission) / 1000;
        c.Duree = Formater("%02u:%02u", secondes / 60, secondes % 60);
        c.Detail = DetailAvecNom(c, 0);
    }
    return c;
}

} // namespace

std::string DetailAvecNom(const CasePublique& c, std::size_t lettres)
{
    if (!c.Fiche) return c.Duree;
    if (lettres == 0 || c.Nom.empty()) return Formater("%d   %s", static_cast<int>(c.Fiche), c.Duree.c_str());
    const std::string nom = lettres >= c.Nom.size() ? c.Nom : c.Nom.substr(0, lettres) + "\x85";
    return Formater("%d %s  %s", static_cast<int>(c.Fiche), nom.c_str(), c.Duree.c_str());
}

namespace {

std::string Titre(const EtatGlobal& etat)
{
    const std::string titre = RemplacerExtension(etat.TitreFichier, "");
    return titre.empty() ? Texte(etat, 1) : titre;
}

// The next pilots of the waiting list or of the plan; in the plan, when the next pause comes.
void Suivants(const EtatGlobal& etat, VuePublique& vue)
{
    const bool file = etat.ModeSortie == ModeFileAttente;
    vue.TitreSuivants = std::string(SansBlancs(Texte(etat, file ? 168 : 169)));
    vue.SansSuivant = Texte(etat, file ? 215 : 216);
    int vols = 0;
    int avantPause = -1;
    for (const EntreePlan* noeud : NoeudsAVenir(etat, file ? FileAttente : PlanVols)) {
        if (noeud->NumeroFiche == FICHE_PAUSE) {
            if (avantPause < 0) avantPause = vols;
            continue;
        }
        // Remarks are for the operator.
        if (!EstFichePilote(noeud->NumeroFiche)) continue;
        if (vue.Suivants.size() == NB_SUIVANTS_PUBLICS) {
            if (file || avantPause >= 0) break;
            ++vols;
            continue;
        }
        // A node without its card is left out.
        const FicheVol* fiche = ChercheFiche(etat, noeud->NumeroFiche);
        if (!fiche) continue;
        ++vols;
        vue.Suivants.push_back({fiche->Numero, std::string(VueChamp(fiche->Nom)), Libelle(fiche->Frequence, fiche->Canal), fiche->Frequence});
    }
    if (avantPause >= 0) vue.ProchainePause = avantPause == 0 ? Texte(etat, 214) : FormaterTexte(Texte(etat, 213), avantPause);
}

} // namespace

VuePublique CalculerVuePublique(EtatGlobal& etat)
{
    VuePublique vue;
    vue.Titre = Titre(etat);
    const DateHeure date = etat.Port.Maintenant();
    vue.Heure = Formater("%02d:%02d", date.Heure, date.Minute);
    vue.Mode = Texte(etat, 11 + std::clamp<int32_t>(etat.ModeSortie, ModeLibreService, ModePlanifie));
    vue.TitreSorties = Texte(etat, 212);
    vue.Sorties = etat.BandeauSorties.Chaine();
    const uint32_t maintenant = etat.Port.Tick();
    vue.Cases.reserve(etat.PlanFrequences.size());
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (EntreeMontree(e)) vue.Cases.push_back(Case(etat, e, maintenant));
    if (etat.ModeSortie == ModeFileAttente || etat.ModeSortie == ModePlanifie) Suivants(etat, vue);
    for (int n : TEXTES_LEGENDE) vue.Legende.push_back(Texte(etat, n));
    return vue;
}

GrillePublique DisposerGrille(int nombre, int largeur, int hauteur)
{
    GrillePublique meilleure{1, std::max(nombre, 1), largeur, hauteur / std::max(nombre, 1), 0};
    for (int colonnes = 1; colonnes <= std::max(nombre, 1); ++colonnes) {
        const int lignes = std::max(1, (nombre + colonnes - 1) / colonnes);
        const int l = largeur / colonnes;
        const int h = hauteur / lignes;
        // Two lines and their spacing in the height; the widest line, with a margin, in the width.
        const int texte = std::min(h * 10 / 26, l * 9 / (CARACTERES_CASE * 6));
        if (texte > meilleure.Texte) meilleure = {colonnes, lignes, l, h, texte};
    }
    return meilleure;
}

int EcranPropose(const std::vector<std::string>& ecrans, const std::string& enregistre, int principal)
{
    const auto garde = std::find(ecrans.begin(), ecrans.end(), enregistre);
    if (!enregistre.empty() && garde != ecrans.end()) return static_cast<int>(garde - ecrans.begin());
    for (int i = 0; i < static_cast<int>(ecrans.size()); ++i)
        if (i != principal) return i;
    return principal;
}
