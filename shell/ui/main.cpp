// koralis: the radio control stand of a model-aircraft flying meeting.
#include "shell/ui/lancement.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return LancerKoralis(application);
}
