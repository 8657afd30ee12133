#pragma once
// DIALMESS: the one modal message dialog of the program.

#include "engine/plateforme.h"

#include <QDialog>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
struct EtatGlobal;

class DialogueMessage : public QDialog {
public:
    // `aide` opens a help topic (the "?" button), as the core numbers it.
    DialogueMessage(const EtatGlobal& etat, const DemandeMessage& demande, std::function<void(int)> aide,
                    QWidget* parent = nullptr);

    BoutonMessage Bouton() const { return bouton_; }
    // The choice taken (the request's Choix), -1 for none.
    int Choix() const { return choix_; }
    QRect ZoneMessage() const { return zoneMessage_; }
    QRect ZoneDetail() const { return zoneDetail_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void reject() override;

private:
    void Disposer();
    void Fermer(BoutonMessage b);

    const EtatGlobal& etat_;
    QString texte_, detail_, icone_;
    QRect zoneMessage_, zoneDetail_;
    BoutonMessage bouton_ = BoutonMessage::Echappement;
    QPushButton* premier_ = nullptr;
    QPushButton* second_ = nullptr;
    QPushButton* troisieme_ = nullptr;
    QPushButton* aide_ = nullptr;
    QLabel* titreChoix_ = nullptr;
    std::vector<QPushButton*> boutonsChoix_;
    int choix_ = -1;
};

// Opens DIALMESS modally and answers as the port does.
BoutonMessage OuvrirDialogueMessage(const EtatGlobal& etat, const DemandeMessage& demande,
                                    std::function<void(int)> aide, QWidget* parent);
// The same with its choices: the one taken, nothing for a button or Escape.
std::optional<int> OuvrirDialogueMessageAvecChoix(const EtatGlobal& etat, const DemandeMessage& demande,
                                                  std::function<void(int)> aide, QWidget* parent);
