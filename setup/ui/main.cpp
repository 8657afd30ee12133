// koralsetup: installs the stand from the folder it is started from.
//   koralsetup              the installation, its dialogs over a full-screen window
//   koralsetup --uninstall  the program folder and its launchers removed, the data kept
#include "engine/textes.h"
#include "setup/installation.h"
#include "setup/ui/fenetre_installation.h"
#include "shell/ui/qt_textes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int langue = LangueInstallation();
    const DossiersInstallation dossiers = DossiersDuSysteme();
    FenetreInstallation fenetre(langue);
    fenetre.show();
    if (QApplication::arguments().contains(QStringLiteral("--uninstall"))) {
        const int message = Desinstaller(dossiers) ? 818 : 819;
        QMessageBox::information(&fenetre, VersQString(TexteDansLangue(langue, 800)), VersQString(TexteDansLangue(langue, message)));
        return 0;
    }
    PlateformeInstallationQt plateforme(langue, &fenetre);
    // The installation runs once the window is up, as a command posted to it.
    QTimer::singleShot(0, &fenetre, [&] {
        Installer(plateforme, dossiers, langue);
        fenetre.close();
    });
    return application.exec();
}
