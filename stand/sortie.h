#pragma once
// What every exit shares, whatever the mode: the commit, the 2.4 GHz slot, and
// the rule that paints a line in alert colour.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;
struct EntreeFrequence;

// First free 2.4 GHz slot from 2400020 up, 0 when none is free.
int32_t CreneauLibre24(EtatGlobal& etat);
// Commits an exit on `entree` for a card (FICHE_LIBRE in free service).
// False when nothing was committed (no real frequency, or a lookup missed).
bool SortieFrequence(EtatGlobal& etat, EntreeFrequence& entree, int32_t numeroFiche);
bool EstBloquee(EtatGlobal& etat, const EntreeFrequence& entree);

// The entry a transmitter on `frequence` leaves on: its own plan entry, or for
// 2.4 GHz the slot named when it is free, else the first free slot. Nothing when every slot is taken (string 166 has
// been shown), for FREQUENCE_AUCUNE, or when the lookup missed (fatal).
EntreeFrequence* EntreeDeSortie(EtatGlobal& etat, int32_t frequence);

// At most this many frequencies are offered to a refused card: a line's worth.
constexpr std::size_t NB_FREQUENCES_OFFERTES = 6;

// The validated frequencies of the band of `frequence` a transmitter could leave
// on now, nearest first; none for 2.4 GHz (its slots are taken in turn).
std::vector<int32_t> FrequencesPossibles(const EtatGlobal& etat, int32_t frequence);

// A card's whole exit: FicheCourante, its entry, the conflict report, and when
// allowed the commit, the recount and event 11. False when nothing went out.
bool SortirFiche(EtatGlobal& etat, int32_t numero);
// The same in two steps, for an exit that asks something between them: the
// entry the card may leave on (the refusal has been shown when nothing), then
// the commit with its recount and event 11. A refusal offers the frequencies
// the card could leave on now; one taken moves the card there (event 9), and
// its entry is the one returned.
EntreeFrequence* ExaminerSortie(EtatGlobal& etat, int32_t numero);
bool ValiderSortie(EtatGlobal& etat, EntreeFrequence& entree, int32_t numero);

// The exit of a transmitter without card on `frequence` (the 2.4 GHz band takes
// a slot); `detail` writes event 11's text from the frequency and string 50.
// FicheCourante takes `ficheCourante` first.
using DetailSortieLibre = std::string (*)(int32_t frequence, std::string_view texte);
bool SortirSansFiche(EtatGlobal& etat, int32_t frequence, int32_t ficheCourante, DetailSortieLibre detail);
