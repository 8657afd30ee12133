#pragma once
// The catalogue: every frequency the program knows (national table, personal
// additions, free slots), with the flags of the plan being prepared. It lives
// only while the frequency-plan dialog (or the card import) is open; the plan
// in use changes only when the catalogue is applied.

#include <cstdint>
#include <string>
#include <vector>

struct EntreeFrequence;

struct EtatGlobal;
struct EntreeFrequence;

constexpr int NB_CRENEAUX_24 = 25;   // 2400000 to 2400480, step 20

// National table, free slots at 88888, the current plan laid over it, sorted.
// Every national frequency, as a plan (the benchmarks' largest meeting).
std::vector<EntreeFrequence> PlanNational();

void ConstruireCatalogue(EtatGlobal& etat);
void AbandonnerCatalogue(EtatGlobal& etat);

// Cards use it or a transmitter is out on it: it may not leave the plan.
bool EstProtegee(const EntreeFrequence& e);
// The light label of a record: with its channel, and its card while out.
std::string LibelleCatalogue(const EntreeFrequence& e);

// The first free slot (88888), -1 when the catalogue is full.
int CreneauLibre(const EtatGlobal& etat);
// A frequency of a band that the catalogue lacks takes a free slot, validated.
// False when no slot is left (the frequency is then simply not added).
bool AjouterAuCatalogue(EtatGlobal& etat, int32_t frequence, int32_t canal);
// Valide on the 25 slots of 2.4 GHz.
void ValiderCreneaux24(EtatGlobal& etat);
// Is any 2.4 GHz slot protected?
bool Bande24Protegee(const EtatGlobal& etat);

// A message (OK only) whose "%s" names a frequency or the 2.4 GHz band.
void AvertirFrequence(EtatGlobal& etat, const std::string& format, const std::string& quoi);

// The validated records become the plan in use; transmissions out are carried
// over with their products. The catalogue is discarded.
void AppliquerCatalogue(EtatGlobal& etat);
