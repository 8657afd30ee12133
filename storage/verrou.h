#pragma once
// A lock the operating system holds for a running program and drops when the
// program ends, however it ends: a crash leaves no stale lock behind. It stands
// for one stand per user, and for one program per meeting file.

#include <cstdint>
#include <optional>
#include <string>

// Who holds a lock, as the holder wrote it into the lock file.
struct Detenteur {
    std::string Utilisateur;   // UTF-8
    std::string Machine;       // UTF-8
    long Processus = 0;
};

enum class PriseVerrou {
    Prise,        // this program holds it now
    Tenue,        // another program (this one's other lock included) holds it
    Impossible,   // the lock file cannot be made (a read-only folder): nobody can hold it
};

class VerrouFichier {
public:
    VerrouFichier() = default;
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;
    ~VerrouFichier();

    // Takes the lock of the file `chemin` (UTF-8), made when missing with the
    // permissions of `modele` at most, and writes the holder into it. A lock
    // already held by this object is let go first.
    PriseVerrou Prendre(const std::string& chemin, const std::string& modele = {});
    void Relacher();
    bool Tenu() const { return tenu_; }

private:
    std::intptr_t poignee_ = -1;
    bool tenu_ = false;
    std::string chemin_;
};

// The holder of the lock file `chemin`; nothing when it names nobody readable.
std::optional<Detenteur> LireDetenteur(const std::string& chemin);
// This program, as it writes itself into a lock file.
Detenteur CeProgramme();
