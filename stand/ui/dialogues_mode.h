#pragma once
// The three small dialogs of the exit modes: PASSWORD (the gate out of free
// service), BASCULE (queue a refused flight and switch to the waiting list) and
// CREEPASS (choose the mode password of a new meeting).

#include "engine/plateforme.h"

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
struct EtatGlobal;

constexpr int LONGUEUR_SAISIE_MOT_DE_PASSE = 12;

class DialoguePassword : public QDialog {
public:
    explicit DialoguePassword(const EtatGlobal& etat, QWidget* parent = nullptr);
    // The text typed (Windows-1252) after OK; nothing after Abandon or Escape.
    std::optional<std::string> Saisie() const;

private:
    QLineEdit* saisie_ = nullptr;
};

class DialogueBascule : public QDialog {
public:
    explicit DialogueBascule(const EtatGlobal& etat, QWidget* parent = nullptr);
    ReponseBascule Reponse() const;

private:
    QCheckBox* nePlus_ = nullptr;
};

// No way out but O.K.: the meeting gets a password or, left empty, none.
class DialogueCreePass : public QDialog {
public:
    explicit DialogueCreePass(const EtatGlobal& etat, QWidget* parent = nullptr);
    std::string MotDePasse() const;

protected:
    void reject() override {}
    void closeEvent(QCloseEvent* e) override;

private:
    QLineEdit* saisie_ = nullptr;
};

// What the Qt platform port answers.
std::optional<std::string> OuvrirPassword(const EtatGlobal& etat, QWidget* parent);
ReponseBascule OuvrirBascule(const EtatGlobal& etat, QWidget* parent);
std::string OuvrirCreePass(const EtatGlobal& etat, QWidget* parent);
