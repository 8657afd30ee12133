#pragma once
// The main window is laid out in design units of a 1024 x 768 screen.

#include "engine/etat.h"

inline int EchelleX(const EtatGlobal& etat, int v) { return static_cast<int>(int64_t{v} * etat.LargeurEcran / 1024); }
inline int EchelleY(const EtatGlobal& etat, int v) { return static_cast<int>(int64_t{v} * etat.HauteurEcran / 768); }
