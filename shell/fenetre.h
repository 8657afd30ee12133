#pragma once
// What the command dispatcher asks of the main window: its dialogs, its board,
// its controls and tickers. The Qt window implements it; tests fake it.

#include <string>

enum class Dialogue {
    Fichier,            // DIALFIC
    AlerteFichier,      // ALERTEFIC
    Sortir0,            // DIALSORTIR0
    Sortir,             // DIALSORTIR
    SortirAttente,      // DIALSORTIR2, waiting list
    SortirPlan,         // DIALSORTIR2, planned
    Renseign,           // RENSEIGN
    PlanFrequences,     // DIALPLANFREQ
    Occupation,         // OCCUPFREQ
    NouvelleFiche,      // SAISIE
    ModifierFiche,      // SAISIE in modification
    VoirFiche,          // LECTURE
    ListeFiches,        // DIALPILOTES
    PlanVols,           // DIALPLAN
    Importer,           // IMPORTDLG
    ImprimerFiches,
    ImprimerPlan,
    ImprimerFiche,      // the card FicheCourante
    APropos,            // ABOUT
    Avertissement,      // DIALAVERTIR
};

class Fenetre {
public:
    virtual ~Fenetre() = default;

    // A modal dialog of the program; its result (0 for a dialog not available).
    virtual int OuvrirDialogue(Dialogue dialogue) = 0;
    // The pop-up menu of button 202, 216 or 407 at the mouse; the command chosen, 0 for none.
    virtual int MenuSurgissant(int bouton) = 0;

    // Destroys the board's buttons and lays out one per frequency of the plan.
    virtual void DisposerTableau() = 0;
    virtual void RafraichirTableau() = 0;
    virtual void RedessinerTout() = 0;

    // Tickers: line 1 is button 44, line 2 button 45.
    virtual bool DefilantVisible(int ligne) const = 0;
    virtual void MontrerDefilant(int ligne, bool visible) = 0;

    virtual bool CaseCochee(int controle) const = 0;
    virtual void CocherCase(int controle, bool cochee) = 0;
    virtual std::string TexteEdition(int controle) const = 0;
    virtual void EcrireEdition(int controle, const std::string& texte) = 0;
    virtual void ActualiserModes() = 0;          // mode button, ActiverCommandes
    virtual void ActualiserMenus() = 0;          // sort check mark, history items
    virtual void MettreAJourTitre() = 0;

    // Opens the public display for the pilots, or closes it when it is open.
    virtual void BasculerAffichagePublic() = 0;
    // The board on the pilots' phones, started or stopped.
    virtual void BasculerTableauWeb() = 0;

    virtual void FermerAide() = 0;
    // Destroys the main window: the program ends.
    virtual void Detruire() = 0;
};
