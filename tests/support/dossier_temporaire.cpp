#include "tests/support/dossier_temporaire.h"

#include "storage/chemins.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

DossierTemporaire::DossierTemporaire()
{
    static std::atomic<int> compteur{0};
    std::random_device hasard;
    chemin_ = std::filesystem::temp_directory_path() /
              ("koral-test-" + std::to_string(hasard()) + "-" + std::to_string(compteur++));
    std::filesystem::create_directories(chemin_);
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ignore;
    // Windows removes no read-only file.
    for (auto it = std::filesystem::recursive_directory_iterator(chemin_, ignore); !ignore && it != std::filesystem::end(it); it.increment(ignore))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ignore);
    std::filesystem::remove_all(chemin_, ignore);
}

std::string DossierTemporaire::Fichier(const std::string& nom) const
{
    return JoindreChemin(CheminUtf8(chemin_), nom);
}

std::string LireOctets(const std::string& chemin)
{
    std::ifstream f(CheminNatif(chemin), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void EcrireOctets(const std::string& chemin, const std::string& octets)
{
    std::ofstream f(CheminNatif(chemin), std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}
