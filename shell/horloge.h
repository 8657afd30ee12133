#pragma once
// The port's clock, the same on every system: milliseconds for the durations
// of flights and timers, the local time for the log, the names and the board.

#include "engine/plateforme.h"

#include <cstdint>

// Milliseconds of a steady clock, modulo 2^32 (the port's Tick).
uint32_t TickSysteme();
// The local date and time, to the second.
DateHeure MaintenantSysteme();
