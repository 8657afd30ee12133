#pragma once
// Answers the modal dialogs that code under test opens with exec(), in the order
// they are shown: each answer gets the dialog once it is on screen and closes it.
// A dialog with no answer left is rejected, so a test never hangs.

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QDialog;

class ReponsesDialogues : public QObject {
public:
    using Reponse = std::function<void(QDialog&)>;
    ReponsesDialogues();
    ~ReponsesDialogues() override;

    void Ajouter(Reponse r) { reponses_.push_back(std::move(r)); }
    bool Epuisees() const { return reponses_.empty(); }
    std::vector<QString> Vus;           // objectName of each dialog shown
    std::vector<QString> SansReponse;   // those rejected for want of an answer

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::deque<Reponse> reponses_;
};
