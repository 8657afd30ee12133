#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "stand/sortie.h"
#include "storage/chemins.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void Noeud(Reunion& r, int32_t fiche, int32_t rang, int32_t liste, int32_t etatVol, int32_t duree = 0, int32_t problemes = 0)
{
    r.etat.FicheCourante = fiche;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    n->Rang = rang;
    n->Liste = liste;
    n->EtatVol = etatVol;
    n->DureeVol = duree;
    n->Problemes = problemes;
}

// A meeting with a bit of everything the file holds.
void Remplir(Reunion& r)
{
    r.Plan({35010, 35050, 35090, 35095, 40665, 72210, 2400000, 2400020, 2400040});
    r.Entree(35010).Canal = 61;
    CopierChamp(r.Entree(35010).Libelle, LibelleAvecCanal(35010, 61));
    FicheVol& a = r.Fiche(12, "Martin", 35010);
    CopierChamp(a.Licence, "FR-123456");
    CopierChamp(a.Modele, "Extra 300 \xE9lectrique");
    CopierChamp(a.Remarques, "Vole le matin");
    a.CumulEmission = 125000;
    a.NbVols = 3;
    a.Canal = 61;
    r.Fiche(7, "Durand", 35050);
    r.Fiche(3, "Lef\xE8vre", 2400000);
    r.Fiche(5, "Arr\xEAt\xE9", 40665).Etat = Arretee;
    FicheVol& remarque = r.Fiche(2999, "", FREQUENCE_AUCUNE);
    remarque.Etat = Arretee;
    CopierChamp(remarque.Modele, "Pause d\xE9jeuner \xE0 midi");
    for (FicheVol& f : r.etat.Fiches)
        if (f.Frequence != FREQUENCE_AUCUNE) ++ChercheFrequence(r.etat, f.Frequence)->NbUtilisateurs;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(35050), 7));
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(2400020), 3));
    RecompteSorties(r.etat);
    Noeud(r, 12, 1, PlanVols, VolTermine, 125000);
    Noeud(r, 7, 1, FileAttente, VolEnAttente);
    Noeud(r, FICHE_PAUSE, 2, PlanVols, VolEnAttente);
    Noeud(r, 2999, 3, PlanVols, VolEnAttente);
    Noeud(r, 7, 4, PlanVols, VolEnCours, 0, 12);
    Noeud(r, 12, 2, FileAttente, VolEnAttente);
    r.Entree(35050).RangPlanifie = 4;
    r.etat.MotDePasse = "secret";
    r.etat.CheminDictionnaire = "C:\\Mes documents\\types.txt";
    r.etat.Contraintes = {0, 1, 1, 600, 1, 7};
    r.etat.ModeSortie = ModePlanifie;
    r.etat.CleTri = 3;
}

void ComparerEntrees(const EntreeFrequence& a, const EntreeFrequence& b)
{
    EXPECT_EQ(a.Frequence, b.Frequence);
    EXPECT_EQ(a.Index, b.Index);
    EXPECT_EQ(a.Etat, b.Etat) << a.Frequence;
    EXPECT_EQ(a.NbUtilisateurs, b.NbUtilisateurs);
    EXPECT_EQ(a.Perturbations, b.Perturbations) << a.Frequence;
    EXPECT_EQ(a.PerturbationsImage, b.PerturbationsImage);
    EXPECT_EQ(VueChamp(a.Libelle), VueChamp(b.Libelle));
    EXPECT_EQ(a.FicheEmettrice, b.FicheEmettrice);
    EXPECT_EQ(a.RangPlanifie, b.RangPlanifie);
    EXPECT_EQ(a.Bande, b.Bande);
    EXPECT_EQ(a.Canal, b.Canal);
    EXPECT_EQ(a.Valide, b.Valide);
    EXPECT_EQ(a.ARetablir, 0);
}

struct Fichier : ::testing::Test {
    DossierTemporaire dossier;
    std::string chemin = dossier.Fichier("Koral du 06_12_26.mhz");
};

} // namespace

TEST_F(Fichier, ARoundTripGivesTheMeetingBackWithItsTransmittersOut)
{
    Reunion avant;
    Remplir(avant);
    avant.etat.SauvegardeActive = 1;
    DeriverChemins(avant.etat, chemin);
    SauverManifestation(avant.etat);

    Reunion apres;
    apres.port.Horloge = 987654;
    ASSERT_TRUE(ReprendreManifestation(apres.etat, chemin));
    EXPECT_TRUE(apres.port.Messages.empty());
    const auto& a = avant.etat;
    const auto& b = apres.etat;
    EXPECT_EQ(b.ModeSortie, ModePlanifie);
    EXPECT_EQ(b.Contraintes.Ecart20kHz, 0);
    EXPECT_EQ(b.Contraintes.ControleIntermodulation, 1);
    EXPECT_EQ(b.Contraintes.TempsLimite, 1);
    EXPECT_EQ(b.Contraintes.DureeMaxSecondes, 600);
    EXPECT_EQ(b.Contraintes.LimiteEmissions, 1);
    EXPECT_EQ(b.Contraintes.NbMaxEmissions, 7);
    EXPECT_EQ(b.MotDePasse, "secret");
    EXPECT_EQ(b.CheminDictionnaire, a.CheminDictionnaire.Vue());
    EXPECT_EQ(b.CleTri, 3);
    ASSERT_EQ(b.NbFrequences(), a.NbFrequences());
    for (int i = 0; i < a.NbFrequences(); ++i) ComparerEntrees(b.PlanFrequences[i], a.PlanFrequences[i]);
    // Flights in progress are timed again from the moment of reading.
    EXPECT_EQ(apres.Entree(35050).DebutEmission, 987654u);
    EXPECT_EQ(apres.Entree(2400020).DebutEmission, 987654u);
    EXPECT_EQ(b.NbSorties, 2);

    ASSERT_EQ(b.ListePlan.size(), a.ListePlan.size());
    for (auto x = a.ListePlan.begin(), y = b.ListePlan.begin(); x != a.ListePlan.end(); ++x, ++y)
        EXPECT_EQ(std::memcmp(&*x, &*y, sizeof(EntreePlan)), 0);
    EXPECT_EQ(b.NbEntreesPlan(), 4);
    EXPECT_EQ(b.NbEntreesAttente(), 2);

    // The pause card is made anew, not read: the same cards otherwise, in order.
    ASSERT_EQ(b.NbFiches(), a.NbFiches());
    for (auto x = a.Fiches.begin(), y = b.Fiches.begin(); x != a.Fiches.end(); ++x, ++y)
        EXPECT_EQ(std::memcmp(&*x, &*y, sizeof(FicheVol)), 0) << x->Numero;
    EXPECT_EQ(ChercheFiche(apres.etat, 7, 1)->Etat, EnVol);
    EXPECT_EQ(apres.etat.TitreFichier, "Koral du 06_12_26.mhz");
}

TEST_F(Fichier, TwoTransmittersOutComeBackOutWithTheirProducts)
{
    Reunion avant;
    avant.Plan(PlanExemple35());
    avant.Fiche(12, "Martin", 35010);
    avant.Fiche(7, "Durand", 35050);
    ASSERT_TRUE(SortieFrequence(avant.etat, avant.Entree(35010), 12));
    ASSERT_TRUE(SortieFrequence(avant.etat, avant.Entree(35050), 7));
    avant.etat.SauvegardeActive = 1;
    DeriverChemins(avant.etat, chemin);
    SauverManifestation(avant.etat);

    Reunion apres;
    apres.port.Horloge = 424242;
    ASSERT_TRUE(ReprendreManifestation(apres.etat, chemin));
    EXPECT_EQ(apres.Entree(35010).Etat, Sortie);
    EXPECT_EQ(apres.Entree(35050).Etat, Sortie);
    EXPECT_EQ(apres.Entree(35010).DebutEmission, 424242u);
    EXPECT_EQ(apres.Entree(35090).Perturbations, 2);
    EXPECT_EQ(apres.Entree(35095).Perturbations, 1);
    EXPECT_EQ(apres.Entree(35090).Etat, Intermodulee);
    EXPECT_EQ(apres.etat.NbSorties, 2);
    EXPECT_EQ(apres.etat.BandeauSorties.Chaine().substr(0, 11), "12  7  <>  ");
    EXPECT_EQ(ChercheFiche(apres.etat, 12, 1)->Etat, EnVol);
}

// The bytes of a small meeting, laid out by hand from the file's tables.
TEST_F(Fichier, TheBytesAreTheLayoutOfTheFile)
{
    Reunion r;
    r.Plan({35010, 72210});
    r.Entree(35010).Canal = 61;
    r.Entree(35010).NbUtilisateurs = 1;
    CopierChamp(r.Entree(35010).Libelle, "35.010__k 61");
    r.Fiche(12, "Martin", 35010).NbVols = 2;
    r.etat.FicheCourante = 12;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    n->Rang = 1;
    n->Liste = FileAttente;
    r.etat.MotDePasse = "mdp";
    r.etat.CheminDictionnaire = "dico.txt";
    r.etat.CleTri = 2;
    r.etat.SauvegardeActive = 1;
    DeriverChemins(r.etat, chemin);
    SauverManifestation(r.etat);

    std::string attendu(316 + 2 * 100 + 2 * 36 + 458, '\0');
    auto mot = [&](std::size_t offset, int32_t v) {
        for (int k = 0; k < 4; ++k) attendu[offset + k] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF);
    };
    auto texte = [&](std::size_t offset, const std::string& t) { attendu.replace(offset, t.size(), t); };
    attendu.replace(0, 4, "\x5D\x3D\x01\x00", 4);
    mot(4, 4);
    mot(8, 1);   // ModeSortie
    mot(12, 1);  // Ecart20kHz
    mot(16, 1);  // ControleIntermodulation
    mot(20, 0);
    mot(24, 0);
    mot(28, 300);
    mot(32, 5);
    texte(36, "mdp");
    mot(52, 2);
    texte(56, "dico.txt");
    std::size_t e = 316;
    mot(e + 4, 35010); mot(e + 16, 0); mot(e + 24, 1); texte(e + 32, "35.010__k 61"); mot(e + 76, 1); mot(e + 80, 61);
    e += 100;
    mot(e + 4, 72210); mot(e + 16, 1); texte(e + 32, "72.210______"); mot(e + 76, 4);
    e += 100;
    mot(e + 0, 12); mot(e + 4, 1); mot(e + 32, 1);   // the queued flight
    e += 36;
    mot(e + 28, 2);   // the end record: CleTri
    e += 36;
    mot(e + 0, 12); texte(e + 4, "Martin"); mot(e + 28, 35010); mot(e + 442, 2);
    EXPECT_EQ(LireOctets(chemin), attendu);
}

TEST_F(Fichier, TheBackupHoldsTheSameBytesAndCanBeResumed)
{
    Reunion r;
    Remplir(r);
    r.etat.SauvegardeActive = 1;
    DeriverChemins(r.etat, chemin);
    EXPECT_EQ(r.etat.CheminSecours, dossier.Fichier("Koral du 06_12_26.bak"));
    SauverManifestation(r.etat);
    SauverSecours(r.etat);
    EXPECT_EQ(LireOctets(r.etat.CheminSecours), LireOctets(chemin));
    Reunion reprise;
    EXPECT_TRUE(ReprendreManifestation(reprise.etat, r.etat.CheminSecours));
    // Nothing is left behind by the atomic writes.
    for (const auto& f : std::filesystem::directory_iterator(dossier.Chemin()))
        EXPECT_NE(f.path().extension(), ".tmp");
}

TEST(DecoderManifestation, AMaximumOfZeroIsReadAsTheFieldReadsIt)
{
    Reunion r;
    r.etat.Contraintes.NbMaxEmissions = 0;
    const auto lue = DecoderManifestation(ImageManifestation(r.etat), 0);
    ASSERT_TRUE(lue);
    EXPECT_EQ(lue->NbMaxEmissions, 5);
}

TEST_F(Fichier, WithoutSavingNeitherWriterTouchesAFile)
{
    Reunion r;
    Remplir(r);
    DeriverChemins(r.etat, chemin);
    r.etat.SauvegardeActive = 0;
    SauverManifestation(r.etat);
    SauverSecours(r.etat);
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin()));
}

TEST(CheminsManifestation, BackupPathRules)
{
    Reunion r;
    DeriverChemins(r.etat, "/club/Koral du 06_12_26.mhz");
    EXPECT_EQ(r.etat.CheminSecours, "/club/Koral du 06_12_26.bak");
    DeriverChemins(r.etat, "/club/Koral");
    EXPECT_EQ(r.etat.CheminSecours, "/club/Koral.bak");
    // A dot of a folder is never taken for the extension.
    DeriverChemins(r.etat, "/home/j.doe/meetings/Koral");
    EXPECT_EQ(r.etat.CheminSecours, "/home/j.doe/meetings/Koral.bak");
    DeriverChemins(r.etat, "C:\\Mes.documents\\Koral");
    EXPECT_EQ(r.etat.CheminSecours, "C:\\Mes.documents\\Koral.bak");
    DeriverChemins(r.etat, "a.b.mhz");
    EXPECT_EQ(r.etat.CheminSecours, "a.b.bak");
    EXPECT_EQ(NomDeFichier("/club/Koral du 06_12_26.mhz"), "Koral du 06_12_26.mhz");
    EXPECT_EQ(NomDeFichier("C:\\club\\x.mhz"), "x.mhz");
}

TEST(NomPropose, TodayInTheRunningLanguage)
{
    Reunion r;
    EXPECT_EQ(NomProposeManifestation(r.etat), "Koral du 06_12_26.mhz");
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    EXPECT_EQ(NomProposeManifestation(r.etat), "Meeting 06_12_26.mhz");
    const DemandeFichier d = PreparerDialogueFichier(r.etat, 62, true);
    EXPECT_EQ(d.Extension, "mhz");
    ASSERT_EQ(d.Filtres.size(), 2u);
    EXPECT_EQ(d.Filtres[0].second, "*.mhz");
    EXPECT_EQ(d.Filtres[1].second, "*.*");
}

TEST(MotDePasse, CreepassKeepsTwelveOfFifteen)
{
    Reunion r;
    DossierTemporaire dossier;
    r.port.RepondreFichier(dossier.Fichier("nouvelle.mhz"));
    r.port.RepondreNouveauMotDePasse("abcdefghijklmno");
    EXPECT_TRUE(ChoisirNouveauFichier(r.etat));
    EXPECT_EQ(r.etat.MotDePasse, "abcdefghijkl");
    EXPECT_EQ(r.etat.SauvegardeActive, 1);
    EXPECT_EQ(r.etat.CheminSecours, dossier.Fichier("nouvelle.bak"));
    ASSERT_EQ(r.port.Fichiers.size(), 1u);
    EXPECT_TRUE(r.port.Fichiers[0].Enregistrer);
    EXPECT_EQ(r.port.Fichiers[0].NomPropose, "Koral du 06_12_26.mhz");
    EXPECT_EQ(r.port.Fichiers[0].Titre, Texte(r.etat, 62));
    // Nothing is written before the first save; the file is already this program's.
    std::vector<std::string> fichiers;
    for (const auto& f : std::filesystem::directory_iterator(dossier.Chemin())) fichiers.push_back(f.path().filename().string());
    EXPECT_EQ(fichiers, std::vector<std::string>{"nouvelle.mhz.lck"});
}
