#pragma once
// The compatibility engine: live statuses on every plan entry, kept up to date
// incrementally at each exit and return, and by a full recomputation after it.
// A frequency is active (a transmitter is out on it) when its Etat is 5 or more.

#include <cstdint>

struct EtatGlobal;
struct EntreeFrequence;

constexpr int32_t ECART_VOISIN = 20;
constexpr int32_t FENETRE_PRODUIT = 5;
constexpr int32_t DECALAGE_FI = 455;
constexpr int32_t DECALAGE_IMAGE = 910;

constexpr int SORTANT = +1;
constexpr int RENTRANT = -1;

int FrequenceAbsente(const EtatGlobal& etat, int32_t frequence);
// The plan index of `frequence` while a transmitter is out on it, -1 otherwise.
int IndexActif(const EtatGlobal& etat, int32_t frequence);
int32_t ProduitIntermod(const EtatGlobal& etat, int a, int b);
// Lowest (direction +1) or highest (-1) plan frequency within 5 kHz of x, 0 if none.
int32_t FrequenceProche(const EtatGlobal& etat, int32_t x, int direction);
void AjusterPerturbation(EtatGlobal& etat, int32_t frequence, int direction);
void MarquerProduit(EtatGlobal& etat, int32_t produit, int direction);
void AppliquerSortie(EtatGlobal& etat, int a, int direction);
int ModuleraSurActives(EtatGlobal& etat, int x);
void MajEtatsFrequences(EtatGlobal& etat);
int VoisineActive(EtatGlobal& etat, int a);
// The same test without a trace: the neighbour VoisineActive would name, -1 for none.
int VoisinBloquantDe(const EtatGlobal& etat, int a);
int FrequenceBloquee(EtatGlobal& etat, int index);
void EffacerTouches(EtatGlobal& etat);
void ListerPerturbateurs(EtatGlobal& etat, int32_t cible, int x);

// The status of an entry that is not out, from what still hits it: intermodulated
// while an intermodulation count remains, else image while an image count remains.
int32_t EtatAuRepos(const EntreeFrequence& entree);

// Engine side of an exit: the entry's Etat is already 5. A 2.4 GHz slot skips it.
void MoteurSortie(EtatGlobal& etat, int index);
// Engine side of a return: the transmitter's fields are already cleared.
void MoteurRetour(EtatGlobal& etat, int index);

// Switching a check on is refused while the transmitters out violate it.
bool ActivesTropProches(const EtatGlobal& etat);
bool ActivePerturbee(const EtatGlobal& etat);
// The flight-time limit switched off: overdue transmitters are simply out again.
void LeverHorsTemps(EtatGlobal& etat);
