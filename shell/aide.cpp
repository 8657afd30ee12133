#include "shell/aide.h"

#include "engine/format.h"
#include "engine/textes.h"

namespace {

std::string Langue(int decalage)
{
    switch (decalage) {
    case DECALAGE_ANGLAIS: return "en";
    case DECALAGE_PORTUGAIS: return "pt";
    default: return "fr";
    }
}

} // namespace

FichierAide FichierAide::Lire(std::string_view texte)
{
    FichierAide f;
    SujetAide* courant = nullptr;
    for (std::string_view ligne : Lignes(texte)) {
        if (ligne.substr(0, 3) == "@@ ") {
            const std::size_t espace1 = ligne.find(' ', 3);
            const std::size_t espace2 = espace1 == std::string_view::npos ? espace1 : ligne.find(' ', espace1 + 1);
            courant = nullptr;
            if (espace1 == std::string_view::npos) continue;
            const std::string langue(ligne.substr(3, espace1 - 3));
            const std::string_view nombre = ligne.substr(espace1 + 1, espace2 == std::string_view::npos ? std::string_view::npos : espace2 - espace1 - 1);
            if (nombre.empty() || nombre.size() > 4 || nombre.find_first_not_of("0123456789") != std::string_view::npos) continue;
            const int numero = std::stoi(std::string(nombre));
            courant = &f.sujets_[{langue, numero}];
            courant->Titre = espace2 == std::string_view::npos ? "" : std::string(ligne.substr(espace2 + 1));
            courant->Corps.clear();
            continue;
        }
        if (courant) {
            courant->Corps += ligne;
            courant->Corps += '\n';
        }
    }
    return f;
}

std::optional<SujetAide> FichierAide::Sujet(int decalage, int numero) const
{
    for (const std::string& langue : {Langue(decalage), std::string("fr")}) {
        auto it = sujets_.find({langue, numero});
        if (it != sujets_.end()) return it->second;
    }
    return std::nullopt;
}

std::string CheminAideDepuisLigneCommande(const std::string& ligneCommande)
{
    std::string chemin = ligneCommande;
    if (!chemin.empty() && chemin.front() == '"') chemin.erase(0, 1);
    if (const auto guillemet = chemin.find('"'); guillemet != std::string::npos) chemin.resize(guillemet);
    const auto separateur = chemin.find_last_of("/\\");
    if (separateur == std::string::npos) return "koral.hlp";
    return chemin.substr(0, separateur + 1) + "koral.hlp";
}

std::string CheminDepuisArgument(const std::string& argument)
{
    std::string chemin = argument;
    if (!chemin.empty() && chemin.front() == '"') chemin.erase(0, 1);
    if (const auto guillemet = chemin.rfind('"'); guillemet != std::string::npos) chemin.resize(guillemet);
    return chemin;
}
