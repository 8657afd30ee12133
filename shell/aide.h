#pragma once
// The program's help file: numbered topics in three languages, a contents page
// (topic 0) and the short topics shown as pop-ups.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

struct SujetAide {
    std::string Titre;   // UTF-8
    std::string Corps;   // a fragment of simple HTML, UTF-8
};

class FichierAide {
public:
    // "@@ <fr|en|pt> <number> <title>" heads each topic; the body runs to the next.
    static FichierAide Lire(std::string_view texte);

    // The topic in the language of `decalage`, else in French; nothing when absent.
    std::optional<SujetAide> Sujet(int decalage, int numero) const;
    std::size_t Taille() const { return sujets_.size(); }

private:
    std::map<std::pair<std::string, int>, SujetAide> sujets_;
};

// The help file's path from the program's command line as the system gives it:
// a leading quote dropped, cut at the next quote and at the last folder separator.
std::string CheminAideDepuisLigneCommande(const std::string& ligneCommande);
// The meeting file named on the command line: one leading quote dropped, cut at the last quote.
std::string CheminDepuisArgument(const std::string& argument);
