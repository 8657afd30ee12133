#include "shell/ligne_commande.h"

#include "shell/aide.h"

namespace {

std::optional<uint16_t> Port(const std::string& texte)
{
    if (texte.empty() || texte.size() > 5 || texte.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const long port = std::stol(texte);
    if (port < 1 || port > 65535) return std::nullopt;
    return static_cast<uint16_t>(port);
}

} // namespace

LigneDeCommande LireLigneDeCommande(const std::vector<std::string>& arguments)
{
    LigneDeCommande l;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--web") {
            const std::string port = i + 1 < arguments.size() ? arguments[++i] : std::string();
            l.PortWeb = Port(port);
            if (!l.PortWeb) l.PortRefuse = port;
            continue;
        }
        if (l.Manifestation.empty()) l.Manifestation = CheminDepuisArgument(arguments[i]);
    }
    return l;
}
