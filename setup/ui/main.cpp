// koralsetup: installs the stand from the folder it is started from.
//   koralsetup                    the installation, its dialogs over a full-screen window
//   koralsetup --uninstall        says what it removes and keeps, asks, then removes
//   koralsetup --uninstall --yes  the same without a question or a box, for scripts
#include "engine/cp1252.h"
#include "engine/textes.h"
#include "setup/installation.h"
#include "setup/ui/fenetre_installation.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/traductions_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int langue = LangueInstallation();
    const TraductionsQt traductions(langue);
    const DossiersInstallation dossiers = DossiersDuSysteme();
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--uninstall")) && arguments.contains(QStringLiteral("--yes"))) {
        const PlanDesinstallation plan = PlanDeDesinstallation(dossiers);
        Desinstaller(plan);
        std::puts(Cp1252VersUtf8(TexteDansLangue(langue, plan.Vide() ? 819 : 818)).c_str());
        return plan.Vide() ? 1 : 0;
    }
    FenetreInstallation fenetre(langue);
    fenetre.show();
    if (arguments.contains(QStringLiteral("--uninstall"))) {
        const PlanDesinstallation plan = PlanDeDesinstallation(dossiers);
        if (!plan.Vide() && !DemanderDesinstallation(langue, plan, &fenetre)) return 0;
        Desinstaller(plan);
        QMessageBox::information(&fenetre, VersQString(TexteDansLangue(langue, 800)),
                                 VersQString(TexteDansLangue(langue, plan.Vide() ? 819 : 818)));
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
