#pragma once
// DIALFIC, the start-up choice of the meeting file: create one, resume one, run
// without one, or stop.

struct EtatGlobal;

enum class ChoixFichier {
    Creer,            // 101
    Reprendre,        // 103
    SansSauvegarde,   // 102
    Arret,            // 2, and closing the dialog
};

// Carries out a way out of DIALFIC; `historique` is the state of check box 104.
// Returns the dialog's result: 1 when a meeting file is in use.
int ChoisirFichierDemarrage(EtatGlobal& etat, ChoixFichier choix, bool historique);
// Its "?" button.
void AideDialogueFichier(EtatGlobal& etat);
