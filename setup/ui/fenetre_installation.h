#pragma once
// koralsetup's window and dialogs: the tiled background over the whole screen,
// QUELREP, ERREUR and TOUTOK.

#include "setup/installation.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QLineEdit;

// The background: FOND1 tiled in rows, each starting further left.
class FenetreInstallation : public QWidget {
public:
    explicit FenetreInstallation(int decalageLangue, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// QUELREP: the parent folder of the program folder.
class DialogueRepertoire : public QDialog {
public:
    DialogueRepertoire(int decalageLangue, const QString& propose, QWidget* parent = nullptr);
    QString Repertoire() const;
    // The folder browser; tests replace it.
    std::function<QString(const QString& depuis)> Parcourir;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLineEdit* repertoire_ = nullptr;
};

// ERREUR or TOUTOK.
class DialogueFinInstallation : public QDialog {
public:
    DialogueFinInstallation(int decalageLangue, int erreur, const QString& fichier, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool erreur_;
};

// The port of the real installer: modal dialogs over the window.
class PlateformeInstallationQt : public PlateformeInstallation {
public:
    PlateformeInstallationQt(int decalageLangue, QWidget* fenetre) : langue_(decalageLangue), fenetre_(fenetre) {}
    std::optional<std::string> Repertoire(const std::string& propose) override;
    void Erreur(int code, const std::string& fichier) override;
    void Reussite() override;
    void Bip() override;
    void Approuver(const std::string& lanceur) override;

private:
    int langue_;
    QWidget* fenetre_;
};

// The folders of this user on this system.
DossiersInstallation DossiersDuSysteme();
// The language of the installer: the program's when it was chosen, else the system's.
int LangueInstallation();
// The uninstall's question: true for Yes.
bool DemanderDesinstallation(int langue, const PlanDesinstallation& plan, QWidget* parent);
