#pragma once
// LECTURE, the view: one card as it stands, and "Reprise" for a stopped pilot.

#include "cards/liste_fiches.h"

#include <QDialog>

class QPushButton;
struct EtatGlobal;

class DialogueLecture : public QDialog {
public:
    explicit DialogueLecture(EtatGlobal& etat, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MontrerReprise();

    EtatGlobal& etat_;
    Lecture presentateur_;
    QPushButton* reprise_ = nullptr;
};

int OuvrirLecture(EtatGlobal& etat, QWidget* parent);
