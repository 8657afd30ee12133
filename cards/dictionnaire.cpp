#include "cards/dictionnaire.h"

#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/textes.h"
#include "storage/fichier_atomique.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view BOM_UTF8 = "\xEF\xBB\xBF";

} // namespace

std::vector<std::string> LireDictionnaire(std::string_view octets)
{
    octets = octets.substr(0, TAILLE_LUE_DICTIONNAIRE);
    if (octets.substr(0, BOM_UTF8.size()) == BOM_UTF8) octets.remove_prefix(BOM_UTF8.size());
    // Only what a line end closes: the tail may be a line cut by the limit.
    const std::size_t fin = octets.find_last_of("\r\n");
    octets = fin == std::string_view::npos ? std::string_view() : octets.substr(0, fin + 1);
    const bool utf8 = EstUtf8Valide(octets);

    std::vector<std::pair<std::string, std::string>> mots;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        std::size_t finLigne = octets.find_first_of("\r\n", debut);
        const std::string_view ligne = octets.substr(debut, finLigne - debut);
        std::string mot = utf8 ? Utf8VersCp1252(ligne) : std::string(ligne);
        // A record field ends at a NUL: a word is cut before any control byte, so
        // the model field never holds what the card would lose.
        const auto controle = std::find_if(mot.begin(), mot.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
        });
        mot.erase(controle, mot.end());
        std::string cle = CleSansAccents(mot);
        mots.emplace_back(std::move(cle), std::move(mot));
        debut = finLigne + (octets.substr(finLigne, 2) == "\r\n" ? 2 : 1);
    }
    std::sort(mots.begin(), mots.end());
    std::vector<std::string> tries;
    tries.reserve(mots.size());
    for (auto& [cle, mot] : mots) tries.push_back(std::move(mot));
    return tries;
}

bool DictionnaireADemander(const EtatGlobal& etat) { return etat.EtatDictionnaire == 0; }

void ChargerDictionnaire(EtatGlobal& etat)
{
    if (etat.EtatDictionnaire == -1) return;
    // A file too large is read for its beginning only.
    const auto octets = LireDebutFichier(etat.CheminDictionnaire.Chaine(), TAILLE_LUE_DICTIONNAIRE);
    if (!octets) {
        etat.EtatDictionnaire = 0;
        etat.MotsDictionnaire.clear();
        return;
    }
    etat.MotsDictionnaire = LireDictionnaire(*octets);
    etat.EtatDictionnaire = 1;
}

std::string TexteMotInsere(const std::string& mot)
{
    return mot.substr(0, LONGUEUR_MOT_INSERE) + " ";
}

std::optional<std::string> ParcourirDictionnaire(EtatGlobal& etat)
{
    return etat.Port.Fichier(DemandeAutreFichier(etat, Texte(etat, 155), 154, "txt", false));
}

void ValiderDictionnaire(EtatGlobal& etat, const std::string& chemin, bool sansDictionnaire)
{
    etat.CheminDictionnaire = CouperUtf8(chemin, decltype(etat.CheminDictionnaire)::Capacite);
    if (sansDictionnaire) etat.EtatDictionnaire = -1;
}
