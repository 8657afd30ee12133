#include "shell/tableau.h"

#include "engine/compatibilite.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/echelle.h"

#include <algorithm>
#include <array>

namespace {

// Column x of the board for 1 to 6 bands in use (design units).
constexpr std::array<std::array<int, 6>, 6> COLONNES = {{
    {342},
    {200, 490},
    {128, 345, 562},
    {84, 258, 432, 606},
    {50, 196, 342, 488, 634},
    {50, 196, 342, 488, 634, 780},
}};

constexpr int DECALAGE_COLONNE = 146;
constexpr int HAUTEUR_MAX = 25;
constexpr int32_t PETITE_POLICE_DES = 36;
constexpr int HORS_TABLEAU = -100000;

struct RegleAspect {
    const char* ImageControle;      // with the intermodulation check on
    CouleurTexte CouleurControle;
    const char* ImageSansControle;  // with it off
    CouleurTexte CouleurSansControle;
};

// By Etat 0 to 6.
constexpr std::array<RegleAspect, 7> ASPECTS = {{
    {"BMPLIBRE", CouleurTexte::Blanc, "BMPLIBRE", CouleurTexte::Blanc},
    {"BMPLIBRE", CouleurTexte::Orange, "BMPINTER2", CouleurTexte::Blanc},
    {"BMPLIBRE", CouleurTexte::Orange, "BMPINTER2", CouleurTexte::Blanc},
    {"BMPINTER", CouleurTexte::Orange, "BMPINTER2", CouleurTexte::Blanc},
    {"BMPINTER", CouleurTexte::Orange, "BMPINTER2", CouleurTexte::Blanc},
    {"BMPSORTI", CouleurTexte::Bleu, "BMPSORTI", CouleurTexte::Bleu},
    {"BMPALLUM", CouleurTexte::Blanc, "BMPALLUM", CouleurTexte::Blanc},
}};

} // namespace

void DisposerTableau(EtatGlobal& etat)
{
    etat.LargeurBouton = EchelleX(etat, 140);
    etat.HauteurBouton = std::min(HAUTEUR_MAX, EchelleY(etat, 650 / (etat.MaxParBande + 1)));
    std::array<int, NB_BANDES> colonne{};
    int utilisees = 0;
    for (int b = 0; b < NB_BANDES; ++b) colonne[static_cast<std::size_t>(b)] = etat.NbParBande[static_cast<std::size_t>(b)] ? utilisees++ : -1;
    std::array<int, NB_BANDES> rang{};
    for (EntreeFrequence& e : etat.PlanFrequences) {
        const int c = e.Bande >= 0 ? colonne[static_cast<std::size_t>(e.Bande)] : -1;
        if (c < 0 || utilisees == 0) {
            e.X = e.Y = HORS_TABLEAU;
            continue;
        }
        e.X = EchelleX(etat, COLONNES[static_cast<std::size_t>(utilisees - 1)][static_cast<std::size_t>(c)]);
        e.Y = EchelleY(etat, 30) + rang[static_cast<std::size_t>(e.Bande)]++ * etat.HauteurBouton;
    }
    // Only a board of six bands pages; any other (an empty one too) lights no arrow.
    etat.PageGauche = etat.PageDroite = 0;
    if (etat.NbBandesUtilisees > 5) {
        DecalerTableau(etat, -1);
        etat.PageGauche = 1;
    }
}

void DecalerTableau(EtatGlobal& etat, int sens)
{
    const int pas = EchelleX(etat, DECALAGE_COLONNE) * sens;
    for (EntreeFrequence& e : etat.PlanFrequences)
        if (e.X != HORS_TABLEAU) e.X += pas;
}

bool EntreeMontree(const EntreeFrequence& e)
{
    return e.Frequence < SEUIL_24GHZ + 1 || e.Etat >= Sortie;
}

bool BoutonVisible(const EtatGlobal& etat, const EntreeFrequence& e)
{
    return EntreeMontree(e) && e.X >= EchelleX(etat, 50) && e.X <= EchelleX(etat, 650);
}

const char* RgbTexte(CouleurTexte couleur)
{
    switch (couleur) {
    case CouleurTexte::Orange: return "#FF8000";
    case CouleurTexte::Bleu: return "#0000FF";
    default: return "#FFFFFF";
    }
}

AspectBouton AspectDuBouton(EtatGlobal& etat, int index)
{
    return AspectDuBouton(etat, index, etat.PlanFrequences[static_cast<std::size_t>(index)].Etat);
}

AspectBouton AspectDuBouton(EtatGlobal& etat, int index, int32_t etatEntree)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index)];
    const RegleAspect& regle = ASPECTS[static_cast<std::size_t>(std::clamp(etatEntree, 0, 6))];
    const bool controle = etat.Contraintes.ControleIntermodulation != 0;
    AspectBouton a{controle ? regle.ImageControle : regle.ImageSansControle,
                   controle ? regle.CouleurControle : regle.CouleurSansControle};
    if (etatEntree == Sortie && !controle && e.Perturbations > 0) a.Image = "SORTI2";
    if (etatEntree < Sortie && VoisineActive(etat, index)) a.Couleur = CouleurTexte::Orange;
    return a;
}

bool PetitePolice(const EtatGlobal& etat)
{
    return etat.MaxParBande >= PETITE_POLICE_DES;
}

bool PagerGauche(EtatGlobal& etat)
{
    if (etat.PageGauche != 1) return false;
    DecalerTableau(etat, +1);
    etat.PageGauche = 0;
    etat.PageDroite = 1;
    return true;
}

bool PagerDroite(EtatGlobal& etat)
{
    if (etat.PageDroite != 1) return false;
    DecalerTableau(etat, -1);
    etat.PageDroite = 0;
    etat.PageGauche = 1;
    return true;
}

void FaireDefiler(TexteFixe<1024>& texte)
{
    if (texte.Longueur() < 2) return;
    const std::string t = texte.Chaine();
    texte = t.substr(1) + t[0];
}

void MarquerHorsTemps(EtatGlobal& etat)
{
    const uint32_t maintenant = etat.Port.Tick();
    for (EntreeFrequence& e : etat.PlanFrequences)
        if (DepasseDuree(etat, e, maintenant)) e.Etat = HorsTemps;
}

bool DepasseDuree(const EtatGlobal& etat, const EntreeFrequence& e, uint32_t maintenant)
{
    return e.Etat == Sortie && (maintenant - e.DebutEmission) / 1000 > static_cast<uint32_t>(etat.Contraintes.DureeMaxSecondes);
}
