#include "storage/exemples.h"

#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <filesystem>

namespace fs = std::filesystem;

const std::vector<std::string> FICHIERS_EXEMPLES = {"EXEMPLE4.MHZ", "DICO_KORAL.TXT"};

std::vector<std::string> CopierExemplesManquants(const std::string& source, const std::string& donnees)
{
    std::vector<std::string> copies;
    std::error_code e;
    if (!fs::is_directory(CheminNatif(source), e)) return copies;
    for (const std::string& nom : FICHIERS_EXEMPLES) {
        const std::string cible = JoindreChemin(donnees, nom);
        if (fs::exists(fs::symlink_status(CheminNatif(cible), e)) || !fs::is_regular_file(CheminNatif(JoindreChemin(source, nom)), e))
            continue;
        fs::create_directories(CheminNatif(donnees), e);
        if (!CopierFichier(JoindreChemin(source, nom), cible, 64u * 1024 * 1024)) continue;
        RendreModifiable(cible);
        copies.push_back(nom);
    }
    return copies;
}
