#include "setup/installation.h"
#include "engine/cp1252.h"
#include "engine/textes.h"
#include "storage/chemins.h"
#include "storage/exemples.h"
#include "tests/support/dossier_temporaire.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

// The dialogs of the installer, answered from the test.
class PlateformeInstallationTest : public PlateformeInstallation {
public:
    std::optional<std::string> Reponse;
    std::vector<std::string> Propositions;
    std::vector<std::pair<int, std::string>> Erreurs;
    int Reussites = 0;
    int Bips = 0;
    std::vector<std::string> Approuves;

    std::optional<std::string> Repertoire(const std::string& propose) override
    {
        Propositions.push_back(propose);
        return Reponse;
    }
    void Erreur(int code, const std::string& fichier) override { Erreurs.emplace_back(code, fichier); }
    void Reussite() override { ++Reussites; }
    void Bip() override { ++Bips; }
    void Approuver(const std::string& lanceur) override { Approuves.push_back(lanceur); }
};

bool Executable(const fs::path& p) { return (fs::status(p).permissions() & fs::perms::owner_exec) != fs::perms::none; }

#ifndef _WIN32
std::string Commande(const std::string& ligne)
{
    std::string sortie;
    if (FILE* f = popen((ligne + " 2>&1").c_str(), "r")) {
        char tampon[512];
        while (std::size_t n = fread(tampon, 1, sizeof tampon, f)) sortie.append(tampon, n);
        pclose(f);
    }
    return sortie;
}
#endif

// A distribution folder and a user's home with nothing installed yet.
struct Poste {
    DossierTemporaire racine;
    DossiersInstallation dossiers;
    PlateformeInstallationTest port;

    Poste()
    {
        const std::string r = CheminUtf8(racine.Chemin());
        dossiers.Source = JoindreChemin(r, "dist");
        dossiers.Parent = JoindreChemin(r, "home/.local/opt");
        dossiers.Documents = JoindreChemin(r, "home/Mes documents");
        dossiers.Applications = JoindreChemin(r, "home/.local/share/applications");
        dossiers.Bureau = JoindreChemin(r, "home/Bureau");
        dossiers.Icones = JoindreChemin(r, "home/.local/share/icons/hicolor/scalable/apps");
        fs::create_directories(CheminNatif(dossiers.Source));
        for (const std::string& f : FICHIERS_PROGRAMME) EcrireOctets(Source(f), "nouveau " + f);
        for (const std::string& f : FICHIERS_EXEMPLES) EcrireOctets(Source(f), "nouveau " + f);
        fs::permissions(CheminNatif(Source(NOM_PROGRAMME_INSTALLE)), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        port.Reponse = dossiers.Parent;
    }
    std::string Source(const std::string& f) const { return JoindreChemin(dossiers.Source, f); }
    fs::path Programme() const { return CheminNatif(dossiers.Parent) / "KORALIS"; }
    fs::path Donnees() const { return CheminNatif(dossiers.Documents) / "KORAL"; }
    fs::path Lanceur(const std::string& dossier) const { return CheminNatif(dossier) / NOM_RACCOURCI; }
    ResultatInstallation Installer() { return ::Installer(port, dossiers); }
};

} // namespace

TEST(Installation, PutsTheProgramTheSamplesAndTwoTrustedLaunchersInPlace)
{
    Poste p;
    const ResultatInstallation r = p.Installer();
    EXPECT_EQ(r.Erreur, INSTALLATION_REUSSIE);
    EXPECT_THAT(p.port.Propositions, ::testing::ElementsAre(p.dossiers.Parent));
    EXPECT_EQ(p.port.Reussites, 1);
    EXPECT_EQ(p.port.Bips, 1);
    EXPECT_TRUE(p.port.Erreurs.empty());
    for (const std::string& f : FICHIERS_PROGRAMME) EXPECT_EQ(LireOctets(CheminUtf8(p.Programme() / f)), "nouveau " + f);
    for (const std::string& f : FICHIERS_EXEMPLES) EXPECT_EQ(LireOctets(CheminUtf8(p.Donnees() / f)), "nouveau " + f);
    EXPECT_TRUE(Executable(p.Programme() / NOM_PROGRAMME_INSTALLE));
    EXPECT_FALSE(Executable(p.Programme() / "koral.hlp"));
    EXPECT_EQ(LireOctets(JoindreChemin(p.dossiers.Icones, "koralis.svg")), "nouveau koralis.svg");

    EXPECT_THAT(p.port.Approuves, ::testing::ElementsAre(CheminUtf8(p.Lanceur(p.dossiers.Bureau)), CheminUtf8(p.Lanceur(p.dossiers.Applications))));
    for (const std::string& dossier : {p.dossiers.Bureau, p.dossiers.Applications}) {
        const fs::path lanceur = p.Lanceur(dossier);
        const auto raccourci = LireRaccourci(CheminUtf8(lanceur));
        ASSERT_TRUE(raccourci) << lanceur;
        EXPECT_EQ(CheminNatif(raccourci->Programme), p.Programme());
        EXPECT_EQ(raccourci->Description, "Gestion K\xC3\xB3ralis");
#ifndef _WIN32
        EXPECT_TRUE(Executable(lanceur)) << lanceur;
        EXPECT_THAT(LireOctets(lanceur.string()), HasSubstr("Exec=\"" + (p.Programme() / "koralis").string() + "\" %f\n"));
        EXPECT_EQ(Commande("desktop-file-validate '" + lanceur.string() + "'"), "") << lanceur;
#endif
    }
}

TEST(Installation, AbandoningCopiesNothingAndShowsNoResult)
{
    Poste p;
    p.port.Reponse.reset();
    EXPECT_TRUE(p.Installer().Abandon);
    EXPECT_FALSE(fs::exists(CheminNatif(p.dossiers.Parent)));
    EXPECT_FALSE(fs::exists(CheminNatif(p.dossiers.Documents)));
    EXPECT_FALSE(fs::exists(CheminNatif(p.dossiers.Applications)));
    EXPECT_EQ(p.port.Reussites + p.port.Bips, 0);
    EXPECT_TRUE(p.port.Erreurs.empty());
}

TEST(Installation, ATrailingSeparatorIsDroppedAndExistingFilesAreReplaced)
{
    Poste p;
    p.port.Reponse = p.dossiers.Parent + "//";
    const fs::path programme = p.Programme() / NOM_PROGRAMME_INSTALLE;
    fs::create_directories(p.Programme());
    fs::create_directories(p.Donnees());
    EcrireOctets(CheminUtf8(programme), "ancien");
    fs::permissions(programme, fs::perms::owner_read | fs::perms::owner_exec);
    EcrireOctets(CheminUtf8(p.Donnees() / "EXEMPLE4.MHZ"), "ancien");
#ifndef _WIN32
    // The old program is still running: it keeps reading its own file.
    const int enCours = open(programme.c_str(), O_RDONLY);
    ASSERT_GE(enCours, 0);
#endif

    const ResultatInstallation r = p.Installer();
    EXPECT_EQ(r.Erreur, INSTALLATION_REUSSIE);
    EXPECT_EQ(r.Programme, JoindreChemin(p.dossiers.Parent, "KORALIS"));
    EXPECT_EQ(CheminNatif(LireRaccourci(CheminUtf8(p.Lanceur(p.dossiers.Bureau))).value_or(Raccourci{}).Programme), CheminNatif(r.Programme));
    EXPECT_EQ(LireOctets(CheminUtf8(programme)), std::string("nouveau ") + NOM_PROGRAMME_INSTALLE);
    EXPECT_TRUE(Executable(programme));
    EXPECT_EQ(LireOctets(CheminUtf8(p.Donnees() / "EXEMPLE4.MHZ")), "nouveau EXEMPLE4.MHZ");
#ifndef _WIN32
    char ancien[16] = {};
    EXPECT_EQ(read(enCours, ancien, sizeof ancien), 6);
    EXPECT_STREQ(ancien, "ancien");
    close(enCours);
#endif
}

// Each failure: what the dialog says, which file it names, and what was still done.
TEST(Installation, OnlyTheFirstFailureIsReportedAndLaterStepsAreSkipped)
{
    struct Cas {
        const char* nom;
        std::function<void(Poste&)> panne;
        int code;
        std::string fichier;
        bool programme;    // the program's files copied
        bool donnees;      // the samples copied
        bool lanceurs;
    };
    const std::vector<Cas> cas = {
        {"program folder blocked by a file",
         [](Poste& p) { fs::create_directories(CheminNatif(p.dossiers.Parent)); EcrireOctets(CheminUtf8(p.Programme()), "x"); },
         ERREUR_REPERTOIRE, "", false, false, false},
        {"installation folder too long for a path",
         [](Poste& p) { p.port.Reponse = p.dossiers.Parent + "/" + std::string(300, 'a'); },
         ERREUR_REPERTOIRE, "", false, false, false},
        {"missing help file", [](Poste& p) { fs::remove(CheminNatif(p.Source("koral.hlp"))); },
         ERREUR_COPIE, "koral.hlp", false, false, false},
        {"missing help file, then a data folder that cannot be made",
         [](Poste& p) {
             fs::remove(CheminNatif(p.Source("koral.hlp")));
             EcrireOctets(p.dossiers.Documents, "x");
         },
         ERREUR_COPIE, "koral.hlp", false, false, false},
        {"data folder blocked by a file",
         [](Poste& p) { fs::create_directories(CheminNatif(p.dossiers.Documents)); EcrireOctets(CheminUtf8(p.Donnees()), "x"); },
         ERREUR_REPERTOIRE, "koralis.svg", true, false, false},
        {"missing dictionary", [](Poste& p) { fs::remove(CheminNatif(p.Source("DICO_KORAL.TXT"))); },
         ERREUR_COPIE, "DICO_KORAL.TXT", true, false, false},
        {"menu folder blocked by a file",
         [](Poste& p) { fs::create_directories(CheminNatif(p.dossiers.Applications).parent_path()); EcrireOctets(p.dossiers.Applications, "x"); },
         ERREUR_RACCOURCIS, "DICO_KORAL.TXT", true, true, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Poste p;
        c.panne(p);
        const ResultatInstallation r = p.Installer();
        EXPECT_EQ(r.Erreur, c.code);
        EXPECT_EQ(p.port.Bips, 1);
        EXPECT_EQ(p.port.Reussites, 0);
        ASSERT_EQ(p.port.Erreurs.size(), 1u);
        EXPECT_EQ(p.port.Erreurs[0], std::make_pair(c.code, c.fichier));
        EXPECT_EQ(fs::exists(p.Programme() / "koralis.svg"), c.programme);
        EXPECT_EQ(fs::exists(p.Donnees() / "DICO_KORAL.TXT"), c.donnees);
        EXPECT_EQ(fs::exists(p.Lanceur(p.dossiers.Applications)), c.lanceurs);
        // A missing file stops the copies at that file; the data folder is made whatever came before.
        if (c.code == ERREUR_COPIE && c.fichier == "koral.hlp") {
            EXPECT_TRUE(fs::exists(p.Programme() / NOM_PROGRAMME_INSTALLE));
            EXPECT_FALSE(fs::exists(p.Programme() / "koralis.svg"));
        }
        if (c.code == ERREUR_REPERTOIRE && c.fichier.empty()) {
            EXPECT_TRUE(fs::is_directory(p.Donnees()));
        }
    }
}

TEST(Installation, UninstallingRemovesTheProgramAndLaunchersAndKeepsTheData)
{
    Poste p;
    // Wherever the user put it, even under a name a launcher must quote.
#ifdef _WIN32
    const std::string parent = JoindreChemin(CheminUtf8(p.racine.Chemin()), "Mes programmes\\l'\xC3\xA9t\xC3\xA9 $HOME `x` %PATH%");
#else
    const std::string parent = JoindreChemin(CheminUtf8(p.racine.Chemin()), "Mes programmes/l'\xC3\xA9t\xC3\xA9 \"$HOME\" `x` a\\b");
#endif
    p.port.Reponse = parent;
    ASSERT_EQ(p.Installer().Erreur, INSTALLATION_REUSSIE);
    const std::string installe = JoindreChemin(parent, "KORALIS");
    ASSERT_TRUE(fs::exists(CheminNatif(JoindreChemin(installe, NOM_PROGRAMME_INSTALLE))));
#ifndef _WIN32
    EXPECT_EQ(Commande("desktop-file-validate '" + p.Lanceur(p.dossiers.Applications).string() + "'"), "");
#endif
    EcrireOctets(CheminUtf8(p.Donnees() / "Club.mhz"), "la manifestation du club");

    p.dossiers.Parent = "/nulle/part";   // found through the menu's shortcut, not the proposal
    const PlanDesinstallation plan = PlanDeDesinstallation(p.dossiers);
    EXPECT_EQ(CheminNatif(plan.Programme), CheminNatif(installe));
    EXPECT_EQ(plan.Fichiers, (std::vector<std::string>{CheminUtf8(p.Lanceur(p.dossiers.Applications)), CheminUtf8(p.Lanceur(p.dossiers.Bureau)),
                                                         JoindreChemin(p.dossiers.Icones, "koralis.svg")}));
    EXPECT_EQ(plan.Donnees, CheminUtf8(p.Donnees()));
    // Said before anything goes: each path removed, then the data folder kept.
    const std::string question = QuestionDesinstallation(DECALAGE_FRANCAIS, plan);
    EXPECT_LT(question.find(Utf8VersCp1252(plan.Programme)), question.find(Utf8VersCp1252(plan.Donnees)));
    EXPECT_NE(question.find(p.dossiers.Icones), std::string::npos);
    EXPECT_TRUE(fs::exists(CheminNatif(installe)));
    Desinstaller(plan);
    EXPECT_FALSE(fs::exists(CheminNatif(installe)));
    EXPECT_TRUE(fs::exists(CheminNatif(parent)));
    EXPECT_FALSE(fs::exists(p.Lanceur(p.dossiers.Applications)));
    EXPECT_FALSE(fs::exists(p.Lanceur(p.dossiers.Bureau)));
    EXPECT_FALSE(fs::exists(CheminNatif(JoindreChemin(p.dossiers.Icones, "koralis.svg"))));
    EXPECT_EQ(LireOctets(CheminUtf8(p.Donnees() / "Club.mhz")), "la manifestation du club");
    EXPECT_TRUE(fs::exists(p.Donnees() / "EXEMPLE4.MHZ"));
    EXPECT_TRUE(PlanDeDesinstallation(p.dossiers).Vide());
}

TEST(Installation, UninstallingNeverRemovesAFolderThatIsNotTheProgramsOwn)
{
    Poste p;
    fs::create_directories(CheminNatif(p.dossiers.Applications));
    const fs::path autre = p.racine.Chemin() / "travail";
    fs::create_directories(autre);
    EcrireOctets(CheminUtf8(autre / NOM_PROGRAMME_INSTALLE), "un fichier de l'utilisateur");
    ASSERT_TRUE(CreerRaccourci(CheminUtf8(p.Lanceur(p.dossiers.Applications)), CheminUtf8(autre), "Gestion K\xC3\xB3ralis"));
    const PlanDesinstallation plan = PlanDeDesinstallation(p.dossiers);
    EXPECT_TRUE(plan.Programme.empty());
    Desinstaller(plan);
    EXPECT_TRUE(fs::exists(autre / NOM_PROGRAMME_INSTALLE));
    EXPECT_FALSE(fs::exists(p.Lanceur(p.dossiers.Applications)));
}

TEST(Exemples, TheFirstStartCopiesOnlyTheSamplesThatAreMissing)
{
    DossierTemporaire d;
    const std::string partages = d.Fichier("share/koralis");
    const std::string donnees = d.Fichier("Documents/KORAL");
    EXPECT_TRUE(CopierExemplesManquants(partages, donnees).empty());
    EXPECT_FALSE(fs::exists(donnees));

    fs::create_directories(partages);
    for (const std::string& f : FICHIERS_EXEMPLES) EcrireOctets(partages + "/" + f, "exemple " + f);
    fs::permissions(partages + "/EXEMPLE4.MHZ", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directories(donnees);
    EcrireOctets(donnees + "/DICO_KORAL.TXT", "mon dictionnaire");
    EXPECT_THAT(CopierExemplesManquants(partages, donnees), ::testing::ElementsAre("EXEMPLE4.MHZ"));
    EXPECT_EQ(LireOctets(donnees + "/EXEMPLE4.MHZ"), "exemple EXEMPLE4.MHZ");
    // The user's copy of a read-only sample can be written: the meeting is saved into it.
    EXPECT_NE(fs::status(donnees + "/EXEMPLE4.MHZ").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(LireOctets(donnees + "/DICO_KORAL.TXT"), "mon dictionnaire");
    EXPECT_TRUE(CopierExemplesManquants(partages, donnees).empty());
}

TEST(Installation, SpeaksTheProgramsLanguageElseTheSystemsElseFrench)
{
    struct Cas { std::optional<int> reglage; const char* systeme; int langue; };
    const Cas cas[] = {
        {DECALAGE_PORTUGAIS, "en", DECALAGE_PORTUGAIS}, {DECALAGE_FRANCAIS, "en", DECALAGE_FRANCAIS},
        {DECALAGE_ANGLAIS, "fr", DECALAGE_ANGLAIS},     {4000, "en", DECALAGE_FRANCAIS},
        {std::nullopt, "en", DECALAGE_ANGLAIS},         {std::nullopt, "pt", DECALAGE_PORTUGAIS},
        {std::nullopt, "fr", DECALAGE_FRANCAIS},        {std::nullopt, "C", DECALAGE_FRANCAIS},
        {std::nullopt, "de", DECALAGE_FRANCAIS},        {std::nullopt, "", DECALAGE_FRANCAIS},
    };
    for (const Cas& c : cas) EXPECT_EQ(LangueDeLInstallation(c.reglage, c.systeme), c.langue) << c.systeme;
}
