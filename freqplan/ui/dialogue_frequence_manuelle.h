#pragma once
// DIALFREQMANU: a frequency typed by hand, with its channel.

#include <QDialog>

class QLineEdit;
struct EtatGlobal;

class DialogueFrequenceManuelle : public QDialog {
public:
    explicit DialogueFrequenceManuelle(EtatGlobal& etat, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Ajouter();
    void ReprendreFrequence();

    EtatGlobal& etat_;
    QLineEdit* frequence_ = nullptr;
    QLineEdit* canal_ = nullptr;
};
