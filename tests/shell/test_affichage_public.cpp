#include "shell/affichage_public.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const CasePublique& CaseDe(const VuePublique& v, int32_t frequence)
{
    for (const CasePublique& c : v.Cases)
        if (c.Frequence == frequence) return c;
    ADD_FAILURE() << frequence << " is not shown";
    static const CasePublique aucune;
    return aucune;
}

std::vector<int32_t> Numeros(const VuePublique& v)
{
    std::vector<int32_t> n;
    for (const LignePublique& l : v.Suivants) n.push_back(l.Numero);
    return n;
}

// Cards 1 to `nombre`, named and on frequencies of the 35 MHz example.
void Pilotes(ReunionStand& r, int nombre)
{
    for (int n = 1; n <= nombre; ++n) r.Fiche(n, "Pilote " + std::to_string(n), PlanExemple35()[static_cast<std::size_t>(n % 11)]);
}

} // namespace

TEST(VuePublique, EachEntryShowsTheBoardsStateItsCardAndItsTimeOut)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Dupont", 35010);
    r.Sortir(35010, 12);
    r.port.Avancer(65000);
    r.Sortir(35050, FICHE_LIBRE);
    r.port.Avancer(4000);
    const VuePublique v = CalculerVuePublique(r.etat);

    const std::map<int32_t, EtatPublic> attendus = {
        {35000, EtatPublic::Bloquee},      {35010, EtatPublic::Sortie},  {35020, EtatPublic::Bloquee},
        {35050, EtatPublic::Sortie},       {35090, EtatPublic::Intermodulee},
        {35500, EtatPublic::Libre},        {35990, EtatPublic::Libre},
    };
    for (const auto& [frequence, etat] : attendus) EXPECT_EQ(CaseDe(v, frequence).Etat, etat) << frequence;
    // The picture and colour are the board's own.
    for (const CasePublique& c : v.Cases) {
        const AspectBouton a = AspectDuBouton(r.etat, r.Index(c.Frequence));
        EXPECT_STREQ(c.Aspect.Image, a.Image) << c.Frequence;
        EXPECT_EQ(c.Aspect.Couleur, a.Couleur) << c.Frequence;
    }
    EXPECT_EQ(CaseDe(v, 35010).Fiche, 12);
    EXPECT_EQ(CaseDe(v, 35010).Duree, "01:09");
    EXPECT_EQ(CaseDe(v, 35010).Detail, "12   01:09");
    EXPECT_EQ(CaseDe(v, 35010).Nom, "Dupont");
    // The name, as much of it as the cell holds.
    struct Cas { std::size_t lettres; const char* ligne; };
    for (const Cas& c : {Cas{0, "12   01:09"}, Cas{6, "12 Dupont  01:09"}, Cas{40, "12 Dupont  01:09"}, Cas{3, "12 Dup\x85  01:09"}})
        EXPECT_EQ(DetailAvecNom(CaseDe(v, 35010), c.lettres), c.ligne) << c.lettres;
    EXPECT_EQ(DetailAvecNom(CaseDe(v, 35050), 6), "00:04");
    EXPECT_EQ(CaseDe(v, 35050).Fiche, 0);
    EXPECT_EQ(CaseDe(v, 35050).Detail, "00:04");
    EXPECT_EQ(CaseDe(v, 35500).Duree, "");
    EXPECT_EQ(v.Cases.size(), PlanExemple35().size());
}

TEST(VuePublique, AFlightTurnsOverTimeAtTheLimitOnlyWhenTheLimitIsOn)
{
    ReunionStand r;
    r.Plan({35010, 35500});
    r.Sortir(35010, FICHE_LIBRE);
    r.etat.Contraintes.DureeMaxSecondes = 300;
    struct Cas { bool limite; uint32_t ecoule; EtatPublic etat; const char* duree; };
    for (const Cas& c : {Cas{true, 300999, EtatPublic::Sortie, "05:00"}, Cas{true, 301000, EtatPublic::HorsTemps, "05:01"},
                         Cas{false, 3600000, EtatPublic::Sortie, "60:00"}}) {
        r.etat.Contraintes.TempsLimite = c.limite;
        r.port.Horloge = r.Entree(35010).DebutEmission + c.ecoule;
        const VuePublique v = CalculerVuePublique(r.etat);
        const CasePublique& sortie = CaseDe(v, 35010);
        EXPECT_EQ(sortie.Etat, c.etat) << c.ecoule;
        EXPECT_EQ(sortie.Duree, c.duree);
        // The display only reads: the board marks the entry at its own time.
        EXPECT_EQ(r.Entree(35010).Etat, Sortie);
    }
}

TEST(VuePublique, TwoPointFourGigahertzSlotsShowWhileOutWithTheirCards)
{
    ReunionStand r;
    std::vector<int32_t> plan = Bande24();
    plan.push_back(35010);
    r.Plan(plan);
    EXPECT_EQ(CalculerVuePublique(r.etat).Cases.size(), 2u);
    r.Fiche(3, "Martin", SEUIL_24GHZ);
    r.Fiche(4, "Petit", SEUIL_24GHZ);
    r.Sortir(2400020, 3);
    r.Sortir(2400040, 4);
    const VuePublique v = CalculerVuePublique(r.etat);
    ASSERT_EQ(v.Cases.size(), 4u);
    EXPECT_EQ(CaseDe(v, 2400000).Etat, EtatPublic::Libre);
    for (auto [frequence, fiche] : {std::pair{2400020, 3}, std::pair{2400040, 4}}) {
        EXPECT_EQ(CaseDe(v, frequence).Libelle, "2.4 GHz");
        EXPECT_EQ(CaseDe(v, frequence).Etat, EtatPublic::Sortie);
        EXPECT_EQ(CaseDe(v, frequence).Fiche, fiche);
    }
}

TEST(VuePublique, TheWaitingListNamesItsNextEightPilots)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    Pilotes(r, 12);
    r.etat.ModeSortie = ModeFileAttente;
    EXPECT_TRUE(CalculerVuePublique(r.etat).Suivants.empty());
    EXPECT_EQ(CalculerVuePublique(r.etat).SansSuivant, "Personne en attente");
    // Ranks out of order in the list; the flight in progress is no longer waiting.
    for (int rang : {3, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) r.Noeud(FileAttente, rang, rang, rang == 1 ? VolEnCours : VolEnAttente);
    r.Noeud(PlanVols, 1, 12);
    const VuePublique v = CalculerVuePublique(r.etat);
    EXPECT_EQ(v.TitreSuivants, "Prochains :");
    EXPECT_THAT(Numeros(v), ElementsAre(2, 3, 4, 5, 6, 7, 8, 9));
    EXPECT_EQ(v.Suivants[0].Nom, "Pilote 2");
    EXPECT_EQ(v.Suivants[0].Frequence, "35.020");
    EXPECT_EQ(v.ProchainePause, "");
}

TEST(VuePublique, ThePlanNamesItsNextFlightsAndWhenThePauseComes)
{
    struct Cas {
        std::vector<int32_t> plan;   // card numbers in rank order, FICHE_PAUSE for a pause
        std::vector<int32_t> suivants;
        std::string pause;
    };
    const int32_t P = FICHE_PAUSE;
    const int32_t remarque = PREMIERE_REMARQUE;
    const std::vector<Cas> cas = {
        {{1, 2, P, 3, remarque, 4, 5, 6, 7, 8, 9, P, 10}, {1, 2, 3, 4, 5, 6, 7, 8}, "Prochaine pause apr\xE8s 2 vol(s)"},
        {{P, 1, 2}, {1, 2}, "Prochaine pause : maintenant"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, P}, {1, 2, 3, 4, 5, 6, 7, 8}, "Prochaine pause apr\xE8s 10 vol(s)"},
        {{1, 2}, {1, 2}, ""},
        {{}, {}, ""},
    };
    for (const Cas& c : cas) {
        ReunionStand r;
        r.Plan(PlanExemple35());
        Pilotes(r, 10);
        r.Fiche(remarque, "", FREQUENCE_AUCUNE);
        CopierChamp(ChercheFiche(r.etat, remarque, 1)->Modele, "Démonstration");
        r.etat.ModeSortie = ModePlanifie;
        for (std::size_t i = 0; i < c.plan.size(); ++i) r.Noeud(PlanVols, static_cast<int32_t>(i + 1), c.plan[i]);
        const VuePublique v = CalculerVuePublique(r.etat);
        EXPECT_EQ(v.TitreSuivants, "Plan :");
        EXPECT_EQ(Numeros(v), c.suivants);
        EXPECT_EQ(v.ProchainePause, c.pause);
        EXPECT_EQ(v.SansSuivant, "Plus aucun vol au plan");
    }
}

TEST(VuePublique, TheHeadingNamesTheMeetingTheTimeAndTheMode)
{
    ReunionStand r;
    r.Plan({35010});
    r.port.Date.Heure = 9;
    r.port.Date.Minute = 5;
    const std::vector<std::string> modes = {"Sorties en libre service", "Sorties selon fiches", "Sorties par liste d'attente",
                                            "Sorties planifi\xE9" "es"};
    for (int32_t mode = ModeLibreService; mode <= ModePlanifie; ++mode) {
        r.etat.ModeSortie = mode;
        const VuePublique v = CalculerVuePublique(r.etat);
        EXPECT_EQ(v.Mode, modes[static_cast<std::size_t>(mode)]);
        EXPECT_EQ(v.AvecSuivants(), mode >= ModeFileAttente);
    }
    EXPECT_EQ(CalculerVuePublique(r.etat).Titre, "KORALIS");
    r.etat.TitreFichier = "Koral du 06.12.26.mhz";
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    const VuePublique v = CalculerVuePublique(r.etat);
    EXPECT_EQ(v.Titre, "Koral du 06.12.26");
    EXPECT_EQ(v.Heure, "09:05");
    EXPECT_EQ(v.TitreSorties, "On air:");
    EXPECT_THAT(v.Legende, ElementsAre("Free", "Blocked", "Intermodulated", "Out", "Over time"));
}

// The largest plan on a small and a large screen: every cell holds its two
// lines, and the grid holds every cell.
TEST(GrillePublique, TheLargestPlanFitsEveryScreenReadably)
{
    struct Cas { int largeur, hauteur, texteMinimal; };
    for (const Cas& c : {Cas{1000, 560, 9}, Cas{720, 560, 9}, Cas{1880, 860, 17}, Cas{1360, 860, 15}}) {
        const GrillePublique g = DisposerGrille(TAILLE_CATALOGUE, c.largeur, c.hauteur);
        EXPECT_GE(g.Colonnes * g.Lignes, TAILLE_CATALOGUE);
        EXPECT_LE(g.Colonnes * g.Largeur, c.largeur);
        EXPECT_LE(g.Lignes * g.Hauteur, c.hauteur);
        EXPECT_GE(g.Texte, c.texteMinimal) << c.largeur << "x" << c.hauteur;
        EXPECT_LE(2 * g.Texte, g.Hauteur);
        EXPECT_LE(CARACTERES_CASE * g.Texte / 2, g.Largeur);
    }
    // A few entries get large text; none gets one column for nothing.
    const GrillePublique peu = DisposerGrille(12, 1880, 860);
    EXPECT_GE(peu.Texte, 60);
    EXPECT_GT(DisposerGrille(1, 400, 300).Texte, 0);
    EXPECT_EQ(DisposerGrille(0, 400, 300).Colonnes, 1);
}

TEST(GrillePublique, TheScreenProposedIsTheOneKeptElseAnotherThanTheStands)
{
    const std::vector<std::string> ecrans = {"eDP-1", "HDMI-1", "DP-2"};
    EXPECT_EQ(EcranPropose(ecrans, "DP-2", 0), 2);
    EXPECT_EQ(EcranPropose(ecrans, "VGA-1", 0), 1);
    EXPECT_EQ(EcranPropose(ecrans, "", 1), 0);
    EXPECT_EQ(EcranPropose({"eDP-1"}, "HDMI-1", 0), 0);
}
