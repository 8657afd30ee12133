#pragma once
// The history log: one line per event that matters for the safety record of the
// meeting, appended and closed at once so the file is complete at every moment.

#include <string>

struct EtatGlobal;

enum EvenementHistorique {
    EVT_ARRET_HISTORIQUE = 0,
    EVT_LANCEMENT = 1,
    EVT_FIN = 2,
    EVT_CHANGEMENT_MODE = 3,
    EVT_ECART_20KHZ = 4,
    EVT_INTERMODULATION = 5,
    EVT_NB_VOLS_LIMITES = 6,
    EVT_TEMPS_DE_VOL = 7,
    EVT_SAISIE_FICHE = 8,
    EVT_MODIF_FREQUENCE = 9,
    EVT_ARRET_VOLS = 10,
    EVT_SORTIE = 11,
    EVT_RETOUR = 12,
    EVT_BUG = 13,
    EVT_SUPPRESSION = 14,
    EVT_PLAN_FREQUENCES = 15,
    EVT_REPRISE = 16,
    EVT_SAUVEGARDE = 17,   // a write of the meeting file failed, or works again
};

// Appends the line of `evenement` with TexteEvenement, when logging is on.
void EcrireHistorique(EtatGlobal& etat, int evenement);
// The line as written (Windows-1252, CR LF at its end).
std::string LigneHistorique(EtatGlobal& etat, int evenement);

// The log's file: the meeting file's path, or SpyKoral in the documents folder,
// with ".txt" for its extension; and the date of the lines.
void PreparerHistorique(EtatGlobal& etat);
// At start-up: logging on as ticked in the meeting-file dialog, with event 1.
void DemarrerHistorique(EtatGlobal& etat);

// Menu command 218 without its save: the stop line (with the last detail), then logging off.
void ArreterHistorique(EtatGlobal& etat);
// Menu command 219.
void CommandeVoirHistorique(EtatGlobal& etat);
