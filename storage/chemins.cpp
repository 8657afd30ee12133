#include "storage/chemins.h"

namespace {

std::size_t DebutNom(const std::string& chemin)
{
    const std::size_t separateur = chemin.find_last_of("/\\");
    return separateur == std::string::npos ? 0 : separateur + 1;
}

} // namespace

std::filesystem::path CheminNatif(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string CheminUtf8(const std::filesystem::path& chemin)
{
    const std::u8string u = chemin.u8string();
    return std::string(u.begin(), u.end());
}

std::string JoindreChemin(const std::string& dossier, std::string_view nom)
{
    if (dossier.empty()) return std::string(nom);
    const char dernier = dossier.back();
    if (dernier == '/' || dernier == '\\') return dossier + std::string(nom);
#ifdef _WIN32
    return dossier + "\\" + std::string(nom);
#else
    return dossier + "/" + std::string(nom);
#endif
}

std::string NomDeFichier(const std::string& chemin)
{
    return chemin.substr(DebutNom(chemin));
}

std::string RemplacerExtension(const std::string& chemin, std::string_view extension)
{
    const std::size_t debut = DebutNom(chemin);
    const std::size_t point = chemin.rfind('.');
    const std::string base = point != std::string::npos && point >= debut ? chemin.substr(0, point) : chemin;
    return base + std::string(extension);
}
