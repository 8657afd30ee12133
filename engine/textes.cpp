#include "engine/textes.h"

#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"


extern const unsigned char TableTextesBrute[];
extern const std::size_t TableTextesBruteTaille;

namespace {

std::string Deseschapper(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            r += s[i];
            continue;
        }
        switch (s[++i]) {
        case 'r': r += '\r'; break;
        case 'n': r += '\n'; break;
        case 't': r += '\t'; break;
        case '\\': r += '\\'; break;
        default: r += '\\'; r += s[i]; break;
        }
    }
    return r;
}

} // namespace

TableTextesLue LireTableTextes(std::string_view utf8)
{
    TableTextesLue table;
    int numeroLigne = 0;
    for (std::string_view ligne : Lignes(utf8)) {
        ++numeroLigne;
        if (ligne.empty() || ligne.front() == '#') continue;
        const std::size_t tab = ligne.find('\t');
        int numero = 0;
        bool chiffres = tab != std::string_view::npos && tab != 0;
        for (char c : ligne.substr(0, chiffres ? tab : 0)) {
            if (c < '0' || c > '9' || numero > 100000) { chiffres = false; break; }
            numero = numero * 10 + (c - '0');
        }
        if (!chiffres) {
            table.LignesRefusees.push_back(numeroLigne);
            continue;
        }
        table.Textes[numero] = Utf8VersCp1252(Deseschapper(ligne.substr(tab + 1)));
    }
    return table;
}

const TableTextesLue& TableTextesEmbarquee()
{
    static const TableTextesLue table = LireTableTextes(
        {reinterpret_cast<const char*>(TableTextesBrute), TableTextesBruteTaille});
    return table;
}

const std::map<int, std::string>& TableTextes() { return TableTextesEmbarquee().Textes; }

std::string TexteDansLangue(int decalage, int n)
{
    const auto& table = TableTextes();
    auto it = table.find(n + decalage);
    return it == table.end() ? std::string() : it->second;
}

std::string Texte(const EtatGlobal& etat, int n)
{
    return TexteDansLangue(etat.DecalageLangue, n);
}

void ChargerMessage(EtatGlobal& etat, int n) { etat.TexteMessage = Texte(etat, n); }

void ChargerTexte(EtatGlobal& etat, int n) { etat.TexteCourant = Texte(etat, n); }

void ChargerFiltre(EtatGlobal& etat, int n)
{
    std::string filtre = Texte(etat, n);
    if (filtre.size() > decltype(etat.TexteFiltre)::Capacite)
        filtre.resize(decltype(etat.TexteFiltre)::Capacite);
    if (!filtre.empty()) {
        const char separateur = filtre.back();
        for (char& c : filtre)
            if (c == separateur) c = '\0';
    }
    etat.TexteFiltre = filtre;
}

std::string FormaterTexteC(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string r = FormaterListe(format, args);
    va_end(args);
    return r;
}

std::string TexteDuree(const EtatGlobal& etat, int n, int32_t millisecondes)
{
    const int secondes = millisecondes / 1000;
    return FormaterTexte(Texte(etat, n), secondes / 60, secondes % 60);
}
