#include "engine/recherche.h"

#include "engine/format.h"

#include <algorithm>

namespace {

bool Chiffres(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ParNumero(const std::string& tape, const std::vector<LigneRecherche>& lignes)
{
    // "007" is card 7; a search of zeros only is no card yet.
    const std::string chiffres = tape.substr(std::min(tape.find_first_not_of('0'), tape.size()));
    if (chiffres.empty() || chiffres.size() > 4) return -1;
    const int32_t numero = std::stoi(chiffres);
    int commence = -1;
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        if (lignes[static_cast<std::size_t>(i)].Numero == numero) return i;
        if (commence < 0 && std::to_string(lignes[static_cast<std::size_t>(i)].Numero).rfind(chiffres, 0) == 0) commence = i;
    }
    return commence;
}

int ParNom(const std::string& tape, const std::vector<LigneRecherche>& lignes)
{
    const std::string cle = CleSansAccents(tape);
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i)
        if (CleSansAccents(lignes[static_cast<std::size_t>(i)].Nom).rfind(cle, 0) == 0) return i;
    return -1;
}

} // namespace

int ChercherCarte(const std::string& tape, const std::vector<LigneRecherche>& lignes)
{
    return Chiffres(tape) ? ParNumero(tape, lignes) : ParNom(tape, lignes);
}

int RechercheCarte::Touche(char c, uint32_t maintenant, const std::vector<LigneRecherche>& lignes)
{
    if (tape_.empty() || maintenant - derniere_ > PAUSE_RECHERCHE_MS) tape_.clear();
    derniere_ = maintenant;
    tape_ += c;
    return ChercherCarte(tape_, lignes);
}
