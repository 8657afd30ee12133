// The program from its start to its end.
#include "shell/ui/lancement.h"

#include "engine/etat.h"
#include "shell/aide.h"
#include "shell/commandes.h"
#include "shell/langue.h"
#include "shell/ligne_commande.h"
#include "shell/ui/tableau_web.h"
#include "engine/textes.h"
#include "shell/ui/dialogue_langue.h"
#include "shell/ui/dialogues_information.h"
#include "shell/ui/fenetre_principale.h"
#include "shell/ui/instance_unique.h"
#include "shell/ui/plateforme_qt.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/traductions_qt.h"
#include "storage/exemples.h"

#include <QApplication>
#include <cstdlib>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace {

// "Langue" in the user's settings; the first start asks for it, then shows the warning.
void LireLangue(EtatGlobal& etat)
{
    QSettings reglages("TRAX", "Koralis");
    if (reglages.status() != QSettings::NoError || !reglages.isWritable()) {
        QMessageBox::critical(nullptr, TexteQt(etat, 2), VersQString(FormaterTexte(Texte(etat, 17), "HKCU")));
        return;
    }
    const QVariant langue = reglages.value("Langue");
    if (langue.isValid()) {
        etat.DecalageLangue = DecalageValide(langue.toInt());
        return;
    }
    OuvrirDialogueLangue(etat);
    OuvrirAvertissement(etat, nullptr);
}

// The club's logo, "KORAL/logoclub.bmp" in the documents folder, when it can be read.
QPixmap LogoClub()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QPixmap(QDir(documents).filePath(QStringLiteral("KORAL/logoclub.bmp")));
}

// "KORAL" in the user's documents folder: the samples, the club's files.
QString DossierDonnees()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QString() : QDir(documents).filePath(DOSSIER_DONNEES);
}

// A package keeps the samples in share/koralis, where a program cannot write for
// its users: the first start gives the user a copy in the data folder.
void CopierExemples()
{
    if (DossierDonnees().isEmpty()) return;
    const QString partages = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../../share/koralis"));
    CopierExemplesManquants(QDir::cleanPath(partages).toStdString(), DossierDonnees().toStdString());
}

LigneDeCommande LireArguments(const QStringList& arguments)
{
    std::vector<std::string> l;
    for (qsizetype i = 1; i < arguments.size(); ++i) l.push_back(arguments[i].toStdString());
    return LireLigneDeCommande(l);
}

// The data folder is the program's working folder, whoever started it (a
// launcher starts it in the home folder): the file dialogs open there. A
// meeting named on the command line is taken from where it was named first.
std::string TravaillerDansLesDonnees(const LigneDeCommande& ligne)
{
    std::string chemin = ligne.Manifestation;
    if (!chemin.empty()) chemin = QFileInfo(QString::fromStdString(chemin)).absoluteFilePath().toStdString();
    if (const QString donnees = DossierDonnees(); !donnees.isEmpty() && QDir(donnees).exists()) QDir::setCurrent(donnees);
    return chemin;
}

} // namespace

int LancerKoralis(QApplication& application, std::function<void()> premierDessin)
{
    InstanceUnique instance;
    if (!instance.Prendre()) return 0;

    PlateformeQt plateforme;
    EtatGlobal etat(plateforme);
    plateforme.DefinirEtat(&etat);
    const QRect ecran = FenetrePrincipale::ZoneInterieure(*application.primaryScreen());
    etat.LargeurEcran = ecran.width();
    etat.HauteurEcran = ecran.height();
    CopierExemples();
    LireLangue(etat);
    const TraductionsQt traductions(etat.DecalageLangue);

    etat.CheminAide = CheminAideDepuisLigneCommande(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString());
    const LigneDeCommande ligne = LireArguments(QCoreApplication::arguments());
    const std::string chemin = TravaillerDansLesDonnees(ligne);

    FenetrePrincipale fenetre(etat);
    fenetre.PremierDessin = std::move(premierDessin);
    plateforme.DefinirProprietaire(&fenetre);
    bool fatal = false;
    plateforme.DefinirFin([&fenetre, &fatal] {
        fatal = true;
        fenetre.Detruire();
        QCoreApplication::exit(EXIT_FAILURE);
    });
    fenetre.FermetureAide = [&plateforme] { plateforme.FermerAide(); };
    if (const QPixmap logo = LogoClub(); !logo.isNull()) fenetre.DefinirLogo(logo);
    instance.DefinirFenetre(&fenetre);

    const bool ouverte = CreerFenetrePrincipale(etat, fenetre, chemin);
    if (fatal) return EXIT_FAILURE;
    if (!ouverte) return 0;
    fenetre.show();
    if ((ligne.PortWeb || ligne.PortRefuse) && fenetre.TableauSurLesTelephones().DemarrerSelon(ligne)) fenetre.ActualiserMenus();
    return application.exec();
}
