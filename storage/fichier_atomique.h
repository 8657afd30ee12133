#pragma once
// The only file calls that differ between systems: a whole file written so that
// a crash, a power cut or a full disk leaves the last good file in place.

#include <cstddef>
#include <optional>
#include <string>

// Why a file could not be written, as the operator is told.
enum class EchecEcriture { Aucun, PlaceInsuffisante, Permission, Autre };

// How a written file's permissions follow `modele`: never more than its own (a
// backup or an export of a private meeting stays private), or the same (a copy).
enum class Droits { AuPlus, Identiques };

// Writes `octets` to a temporary file beside `chemin`, forces it to disk, then
// renames it over `chemin`. A symbolic link is written through to its target,
// and the file keeps its permissions, within `modele`'s when one is given. On
// Windows a read-only file is not replaced (EchecEcriture::Permission). The
// temporary file is private from its first byte and has its final permissions
// before it replaces anything. On failure the old file is intact.
EchecEcriture EcrireFichierAtomique(const std::string& chemin, const std::string& octets, const std::string& modele = {},
                                    Droits droits = Droits::AuPlus);
// Appends `octets` to a file, made when missing with `modele`'s permissions at most.
bool AjouterAuFichier(const std::string& chemin, const std::string& octets, const std::string& modele = {});
// The permission bits of a new file: the system's default for this user, and
// never more than `modele`'s (POSIX mode bits; unused on Windows).
unsigned DroitsNouveauFichier(const std::string& modele);
// A system error code (errno, or the last error on Windows) as a reason.
EchecEcriture EchecDeCodeSysteme(int code);
// Removes the temporary file a crash may have left beside `chemin`.
void SupprimerTemporaire(const std::string& chemin);
// The whole file, or nothing when it cannot be read or is larger than `limite`.
std::optional<std::string> LireFichierEntier(const std::string& chemin, std::size_t limite);
// At most the first `taille` bytes of a file, however large; nothing when it cannot be read.
std::optional<std::string> LireDebutFichier(const std::string& chemin, std::size_t taille);
// Copies a whole file as EcrireFichierAtomique writes it, so a program still
// running keeps its old file; the copy has the source's permissions (a run
// bit stays) before it takes the old file's place, read-only or not. Files
// larger than `limite` are not copied.
bool CopierFichier(const std::string& source, const std::string& cible, std::size_t limite);
// Makes a file writable again (a meeting copied from a read-only medium).
void RendreModifiable(const std::string& chemin);
