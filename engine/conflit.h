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
