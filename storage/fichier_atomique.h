#pragma once
// The only file calls that differ between systems: a whole file written so that
// a crash, a power cut or a full disk leaves the last good file in place.

#include <cstddef>
#include <optional>
#include <string>

// Writes `octets` to a temporary file beside `chemin`, forces it to disk, then
// renames it over `chemin`. False when any step failed (the old file is intact).
bool EcrireFichierAtomique(const std::string& chemin, const std::string& octets);
// The whole file, or nothing when it cannot be read or is larger than `limite`.
std::optional<std::string> LireFichierEntier(const std::string& chemin, std::size_t limite);
// Makes a file writable again (a meeting copied from a read-only medium).
void RendreModifiable(const std::string& chemin);
