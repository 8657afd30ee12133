#include "engine/cp1252.h"
#include "engine/textes.h"
#include "setup/ui/fenetre_installation.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/traductions_qt.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/ui/support/captures.h"
#include "tests/ui/support/controles_test.h"
#include "tests/ui/support/reponses_dialogues.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

// A user's home of its own, whose documents folder has a translated name and
// does not exist yet; the environment comes back afterwards.
class Maison {
public:
    DossierTemporaire dossier;
    fs::path Home() const { return dossier.Chemin(); }

    Maison()
    {
        for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) anciennes_.emplace_back(v, qgetenv(v));
        qputenv("HOME", Home().string().c_str());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        fs::create_directories(Home() / ".config");
        EcrireOctets((Home() / ".config/user-dirs.dirs").string(),
                     "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\n");
    }
    ~Maison()
    {
        for (const auto& [nom, valeur] : anciennes_) {
            if (valeur.isNull()) qunsetenv(nom);
            else qputenv(nom, valeur);
        }
    }

private:
    std::vector<std::pair<const char*, QByteArray>> anciennes_;
};

// What koralsetup finds beside itself.
std::string Distribution(const DossierTemporaire& d)
{
    const fs::path dist = d.Chemin() / "dist";
    fs::create_directories(dist);
    for (const std::string& f : FICHIERS_PROGRAMME) EcrireOctets((dist / f).string(), f);
    for (const std::string& f : FICHIERS_EXEMPLES) EcrireOctets((dist / f).string(), f);
    fs::permissions(dist / "koralis", fs::perms::owner_all);
    return dist.string();
}

const char* const LANGUES[] = {"fr", "en", "pt"};

} // namespace

TEST(Installateur, InstallsIntoTheUsersOwnFoldersThroughItsDialogs)
{
    Maison m;
    const QString programmes = QString::fromStdString((m.Home() / "Programmes").string());
    DossiersInstallation dossiers = DossiersDuSysteme();
    EXPECT_EQ(dossiers.Parent, (m.Home() / ".local/opt").string());
    EXPECT_EQ(dossiers.Documents, (m.Home() / "Mes documents").string());
    EXPECT_EQ(dossiers.Bureau, (m.Home() / "Bureau").string());
    EXPECT_EQ(dossiers.Applications, (m.Home() / ".local/share/applications").string());
    EXPECT_EQ(dossiers.Icones, (m.Home() / ".local/share/icons/hicolor/scalable/apps").string());
    dossiers.Source = Distribution(m.dossier);

    FenetreInstallation fenetre(DECALAGE_FRANCAIS);
    fenetre.show();
    PlateformeInstallationQt port(DECALAGE_FRANCAIS, &fenetre);
    ReponsesDialogues reponses;
    reponses.Ajouter([&](QDialog& d) {
        auto* repertoire = Controle<QLineEdit>(d, 200);
        EXPECT_EQ(repertoire->text().toStdString(), dossiers.Parent);
        // "Parcourir" puts the folder chosen in the browser into the field.
        static_cast<DialogueRepertoire&>(d).Parcourir = [&](const QString& depuis) {
            EXPECT_EQ(depuis.toStdString(), dossiers.Parent);
            return programmes + "/";
        };
        Cliquer(d, 201);
        EXPECT_EQ(repertoire->text(), programmes + "/");
        Cliquer(d, 1);
    });
    reponses.Ajouter([](QDialog& d) { Cliquer(d, 1); });
    const ResultatInstallation r = Installer(port, dossiers, DECALAGE_FRANCAIS);

    EXPECT_THAT(reponses.Vus, ElementsAre("QUELREP", "TOUTOK"));
    EXPECT_EQ(r.Erreur, INSTALLATION_REUSSIE);
    EXPECT_EQ(LireOctets((m.Home() / "Programmes/KORALIS/koral.hlp").string()), "koral.hlp");
    EXPECT_EQ(LireOctets((m.Home() / "Mes documents/KORAL/DICO_KORAL.TXT").string()), "DICO_KORAL.TXT");
    EXPECT_TRUE(fs::exists(m.Home() / "Bureau/koralis.desktop"));
    EXPECT_TRUE(fs::exists(m.Home() / ".local/share/applications/koralis.desktop"));
}

TEST(Installateur, AbandonEndsWithoutAResultDialog)
{
    Maison m;
    DossiersInstallation dossiers = DossiersDuSysteme();
    dossiers.Source = Distribution(m.dossier);
    FenetreInstallation fenetre(DECALAGE_ANGLAIS);
    PlateformeInstallationQt port(DECALAGE_ANGLAIS, &fenetre);
    ReponsesDialogues reponses;
    reponses.Ajouter([](QDialog& d) { Cliquer(d, 2); });
    EXPECT_TRUE(Installer(port, dossiers, DECALAGE_ANGLAIS).Abandon);
    EXPECT_THAT(reponses.Vus, ElementsAre("QUELREP"));
    EXPECT_FALSE(fs::exists(m.Home() / "Mes documents"));
}

TEST(Installateur, TheLanguageIsTheProgramsOnceChosen)
{
    Maison m;
    QSettings(QStringLiteral("TRAX"), QStringLiteral("Koralis")).setValue(QStringLiteral("Langue"), DECALAGE_PORTUGAIS);
    EXPECT_EQ(LangueInstallation(), DECALAGE_PORTUGAIS);
}

// The window and its three dialogs in each language, nothing cut off.
TEST(Installateur, TheWindowAndItsDialogsFitInEachLanguage)
{
    FenetreInstallation fenetre(DECALAGE_FRANCAIS);
    fenetre.resize(1024, 768);
    Capturer(&fenetre, "installateur_fenetre");
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS}) {
        const std::string suffixe = LANGUES[langue / 1000];
        DialogueRepertoire quelrep(langue, QStringLiteral("/home/pilote/.local/opt"), &fenetre);
        Capturer(&quelrep, "installateur_quelrep_" + suffixe);
        EXPECT_THAT(TextesCoupes(&quelrep), ::testing::IsEmpty()) << suffixe;
        DialogueFinInstallation erreur(langue, ERREUR_COPIE, QStringLiteral("koral.hlp"), &fenetre);
        Capturer(&erreur, "installateur_erreur_" + suffixe);
        EXPECT_THAT(TextesCoupes(&erreur), ::testing::IsEmpty()) << suffixe;
        EXPECT_EQ(Controle<QLabel>(erreur, 300)->text().toStdString(),
                  Cp1252VersUtf8(TexteDansLangue(langue, 811)) + "\nkoral.hlp");
        DialogueFinInstallation toutok(langue, INSTALLATION_REUSSIE, {}, &fenetre);
        Capturer(&toutok, "installateur_toutok_" + suffixe);
        EXPECT_THAT(TextesCoupes(&toutok), ::testing::IsEmpty()) << suffixe;
    }
}

// The uninstall asks before it removes anything; its default answer keeps everything.
TEST(Installateur, TheUninstallAsksFirstAndItsDefaultKeepsEverything)
{
    PlanDesinstallation plan{"/home/pilote/.local/opt/KORALIS",
                             {"/home/pilote/.local/share/applications/koralis.desktop", "/home/pilote/Bureau/koralis.desktop"},
                             "/home/pilote/Documents/KORAL"};
    FenetreInstallation fenetre(DECALAGE_FRANCAIS);
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS}) {
        const TraductionsQt traductions(langue);   // as koralsetup has them
        ReponsesDialogues reponses;
        QString texte;
        reponses.Ajouter([&texte, langue](QDialog& d) {
            texte = d.findChild<QLabel*>("qt_msgbox_label")->text();
            Capturer(&d, std::string("installateur_desinstaller_") + LANGUES[langue / 1000]);
            QTest::keyClick(&d, Qt::Key_Return);
        });
        EXPECT_FALSE(DemanderDesinstallation(langue, plan, &fenetre));
        EXPECT_THAT(reponses.Vus, ElementsAre("DESINSTALLER"));
        EXPECT_TRUE(texte.contains(QStringLiteral("/home/pilote/.local/opt/KORALIS")));
        EXPECT_TRUE(texte.contains(QStringLiteral("/home/pilote/Documents/KORAL")));
        EXPECT_TRUE(texte.startsWith(VersQString(TexteDansLangue(langue, 820)).left(10))) << texte.toStdString();
        reponses.Ajouter([](QDialog& d) { static_cast<QMessageBox&>(d).button(QMessageBox::Yes)->click(); });
        EXPECT_TRUE(DemanderDesinstallation(langue, plan, &fenetre));
    }
}
