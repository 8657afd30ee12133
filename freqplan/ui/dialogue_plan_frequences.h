#pragma once
// DIALPLANFREQ: the organiser prepares the plan on the catalogue; "Valider"
// makes it the plan in use, "Abandon" leaves the plan in use as it was.

#include <QDialog>

#include <functional>

struct EtatGlobal;

class DialoguePlanFrequences : public QDialog {
public:
    // Builds the catalogue; it lives until the dialog closes.
    explicit DialoguePlanFrequences(EtatGlobal& etat, QWidget* parent = nullptr);
    ~DialoguePlanFrequences() override;

    // Open DIALNATIONS and DIALBANDE and answer their results; a test replaces
    // them to drive the dialogs it builds itself.
    std::function<int()> OuvrirNations;
    std::function<int()> OuvrirBandes;

    void done(int resultat) override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Nations();
    void Charger();

    EtatGlobal& etat_;
    bool ouvert_ = true;
    int hauteurTitre_ = 0;
};

// Shows DIALPLANFREQ modally; 1 when a new plan was laid in (the caller then
// saves the meeting and rebuilds the board), 0 when nothing changed.
int OuvrirPlanFrequences(EtatGlobal& etat, QWidget* parent);
