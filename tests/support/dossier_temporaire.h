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
    std::string Fichier(const std::string& nom) const { return (chemin_ / nom).string(); }

private:
    std::filesystem::path chemin_;
};

std::string LireOctets(const std::string& chemin);
void EcrireOctets(const std::string& chemin, const std::string& octets);
