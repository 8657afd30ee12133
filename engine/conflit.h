#pragma once
// Whether a transmitter may leave on a plan entry, and if not, why: the tests
// in their fixed order, a title in TexteMessage and the transmitters responsible
// in TexteDetail, shown in the message dialog when asked.

#include <cstdint>

struct EtatGlobal;

constexpr int32_t CONFLIT_MAXIMUM = 1;
constexpr int32_t CONFLIT_OCCUPEE = 2;
constexpr int32_t CONFLIT_VOISINE = 4;
constexpr int32_t CONFLIT_PERTURBEE = 8;
constexpr int32_t CONFLIT_PERTURBATRICE = 16;

constexpr int SUJET_AIDE_CONFLIT = 150;

// `contraintes`: apply the maximum, neighbour and perturbation tests; `afficher`:
// show the explanation when a test fires. FicheCourante names the card that
// wants to leave. 0 lets the exit proceed.
int32_t RapportConflit(EtatGlobal& etat, int index, bool contraintes, bool afficher);

// Whether a transmitter could leave on entry `index` now, decided by the same
// tests in the same order, without a word and without changing anything; the
// same-card test of 2.4 GHz aside (no card is asking). 0: it could.
int32_t RefusSortie(const EtatGlobal& etat, int index);
// The board's legend picture of an entry for one who would send a transmitter
// out on it now: LEGENDE1 it could, LEGENDE2 out, LEGENDE4 over time, LEGENDE3
// intermodulated or image, LEGENDE5 held (a neighbour, a product to be, the count).
const char* ImageDeSortie(const EtatGlobal& etat, int index);
