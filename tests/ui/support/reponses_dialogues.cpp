#include "tests/ui/support/reponses_dialogues.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

ReponsesDialogues::ReponsesDialogues() { qApp->installEventFilter(this); }

ReponsesDialogues::~ReponsesDialogues() { qApp->removeEventFilter(this); }

bool ReponsesDialogues::eventFilter(QObject* objet, QEvent* evenement)
{
    auto* dialogue = qobject_cast<QDialog*>(objet);
    if (evenement->type() != QEvent::Show || !dialogue || !dialogue->isWindow()) return false;
    Vus.push_back(dialogue->objectName());
    Reponse reponse;
    if (!reponses_.empty()) {
        reponse = std::move(reponses_.front());
        reponses_.pop_front();
    } else {
        SansReponse.push_back(dialogue->objectName());
        reponse = [](QDialog& d) { d.reject(); };
    }
    // Answered once exec() runs its own loop, as the operator would.
    QPointer<QDialog> garde(dialogue);
    QMetaObject::invokeMethod(
        dialogue, [garde, reponse] { if (garde) reponse(*garde); }, Qt::QueuedConnection);
    return false;
}
