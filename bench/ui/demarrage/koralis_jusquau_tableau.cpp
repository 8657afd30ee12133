// The program as main() starts it, quitting once the board is painted: what a
// cold start costs up to the first board.
#include "shell/ui/lancement.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return LancerKoralis(application, [] { QCoreApplication::quit(); });
}
