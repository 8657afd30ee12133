#pragma once
// A folder of its own for a test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }
    // A UTF-8 path, as the program's own paths are.
    std::string Fichier(const std::string& nom) const;

private:
    std::filesystem::path chemin_;
};

// Whole files by UTF-8 path.
std::string LireOctets(const std::string& chemin);
void EcrireOctets(const std::string& chemin, const std::string& octets);
