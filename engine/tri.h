#pragma once
// The operator's order for every list of cards, and the re-attachment of flights
// in progress to the ranks of their plan or waiting-list nodes.

#include <cstdint>
#include <functional>
#include <vector>

struct EtatGlobal;
struct EntreePlan;
struct FicheVol;

struct LigneTri {
    const FicheVol* Fiche = nullptr;   // the card the line was made from
    int32_t Numero = 0;
    int32_t Frequence = 0;
    char Nom[24] = {};
    char Modele[31] = {};   // the first 30 characters of the model
};

LigneTri LigneTriDe(const FicheVol& fiche);
// Sorts in place in CleTri order; equal keys come out in no defined order.
void TrierFiches(const EtatGlobal& etat, std::vector<LigneTri>& lignes);
// The cards `garder` keeps, in CleTri order (no lookup by number for a list).
std::vector<const FicheVol*> FichesTriees(const EtatGlobal& etat, const std::function<bool(const FicheVol&)>& garder);
// The nodes of one list (PlanVols or FileAttente) in rank order.
std::vector<EntreePlan*> NoeudsEnOrdre(EtatGlobal& etat, int32_t liste);
std::vector<const EntreePlan*> NoeudsEnOrdre(const EtatGlobal& etat, int32_t liste);
void SynchroniserRangs(EtatGlobal& etat);
