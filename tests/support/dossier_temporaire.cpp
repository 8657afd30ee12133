#include "tests/support/dossier_temporaire.h"

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
    std::filesystem::remove_all(chemin_, ignore);
}

std::string LireOctets(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void EcrireOctets(const std::string& chemin, const std::string& octets)
{
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}
