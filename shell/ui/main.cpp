// Until the board exists the program opens a bare window titled with string 1.
#include "engine/etat.h"
#include "shell/ui/qt_textes.h"

#include <QApplication>
#include <QMainWindow>

#include "shell/ui/plateforme_qt.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    PlateformeQt plateforme;
    EtatGlobal etat(plateforme);
    plateforme.DefinirEtat(&etat);
    QMainWindow fenetre;
    TexteTitre(etat, &fenetre, 1);
    fenetre.resize(1024, 768);
    fenetre.show();
    return application.exec();
}
