#include "web/requetes_web.h"

#include <algorithm>
#include <cctype>

namespace {

bool Jeton(std::string_view s)
{
    // RFC 9110 tchar, the characters of a method or a header's name.
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
    });
}

bool Egal(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view SansBlancsAutour(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

} // namespace

int AnalyseurRequetes::Lire(std::string_view octets)
{
    for (char c : octets) {
        if (refus_) return refus_;
        if (c == '\0') return refus_ = 400;
        if (c != '\n') {
            ligne_ += c;
            const std::size_t limite = etat_ == Etat::Ligne ? LIGNE_REQUETE_MAX : ENTETES_OCTETS_MAX - octetsEntetes_;
            if (ligne_.size() > limite) return refus_ = etat_ == Etat::Ligne ? 414 : 431;
            continue;
        }
        if (!ligne_.empty() && ligne_.back() == '\r') ligne_.pop_back();
        refus_ = FinDeLigne();
        ligne_.clear();
    }
    return refus_;
}

int AnalyseurRequetes::FinDeLigne()
{
    if (etat_ == Etat::Ligne) return LigneDeRequete();
    if (ligne_.empty()) {
        // The request is whole: the next one may begin.
        etat_ = Etat::Ligne;
        ++completes_;
        return 0;
    }
    return Entete();
}

int AnalyseurRequetes::LigneDeRequete()
{
    // Blank lines before a request are tolerated, a few.
    if (ligne_.empty()) return ++lignesVides_ > LIGNES_VIDES_MAX ? 400 : 0;
    const std::string_view l = ligne_;
    const std::size_t a = l.find(' '), b = a == std::string_view::npos ? a : l.find(' ', a + 1);
    if (b == std::string_view::npos || l.find(' ', b + 1) != std::string_view::npos) return 400;
    const std::string_view methode = l.substr(0, a), cible = l.substr(a + 1, b - a - 1), version = l.substr(b + 1);
    if (!Jeton(methode) || methode.size() > 16 || cible.empty() || cible.front() != '/') return 400;
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return 400;
    if (const ReponseWeb r = Router(methode, cible); r.Statut != 200) return r.Statut;
    etat_ = Etat::Entetes;
    octetsEntetes_ = 0;
    entetes_ = 0;
    lignesVides_ = 0;
    return 0;
}

int AnalyseurRequetes::Entete()
{
    octetsEntetes_ += ligne_.size() + 2;
    if (++entetes_ > ENTETES_MAX || octetsEntetes_ > ENTETES_OCTETS_MAX) return 431;
    const std::string_view l = ligne_;
    const std::size_t deuxPoints = l.find(':');
    // A folded line (obsolete) or a line without a name is refused.
    if (deuxPoints == std::string_view::npos || !Jeton(l.substr(0, deuxPoints))) return 400;
    const std::string_view nom = l.substr(0, deuxPoints), valeur = SansBlancsAutour(l.substr(deuxPoints + 1));
    // The board takes no body: a request that announces one is refused.
    if (Egal(nom, "Transfer-Encoding")) return 413;
    if (Egal(nom, "Content-Length")) {
        if (valeur.empty() || valeur.find_first_not_of("0123456789") != std::string_view::npos) return 400;
        if (valeur.find_first_not_of('0') != std::string_view::npos) return 413;
    }
    return 0;
}

ReponseWeb Router(std::string_view methode, std::string_view cible)
{
    if (methode != "GET") return {405, std::nullopt};
    const std::string_view chemin = cible.substr(0, cible.find('?'));
    if (chemin == "/") return {200, RessourceWeb::Page};
    if (chemin == "/board.json") return {200, RessourceWeb::Vue};
    return {404, std::nullopt};
}

std::string ReponseRefus(int statut)
{
    static const std::unordered_map<int, const char*> RAISONS = {
        {400, "Bad Request"}, {404, "Not Found"}, {405, "Method Not Allowed"}, {408, "Request Timeout"},
        {413, "Content Too Large"}, {414, "URI Too Long"}, {429, "Too Many Requests"}, {431, "Request Header Fields Too Large"},
    };
    const auto raison = RAISONS.find(statut);
    std::string r = "HTTP/1.1 " + std::to_string(statut) + " " + (raison == RAISONS.end() ? "Error" : raison->second) + "\r\n";
    if (statut == 405) r += "Allow: GET\r\n";
    return r + "Content-Length: 0\r\nConnection: close\r\n\r\n";
}

LimiteurDebit::LimiteurDebit(int parSeconde, int rafale, std::size_t clientsMax)
    : parMs_(parSeconde / 1000.0), rafale_(rafale), clientsMax_(std::max<std::size_t>(clientsMax, 1))
{
}

bool LimiteurDebit::Accepter(const std::string& client, uint32_t ms)
{
    auto it = seaux_.find(client);
    if (it == seaux_.end()) {
        if (seaux_.size() >= clientsMax_) {
            // The tick wraps: "longest ago" is the largest difference from now.
            const auto ancien = std::max_element(seaux_.begin(), seaux_.end(), [ms](const auto& a, const auto& b) {
                return ms - a.second.Dernier < ms - b.second.Dernier;
            });
            seaux_.erase(ancien);
        }
        it = seaux_.emplace(client, Seau{rafale_, ms}).first;
    }
    Seau& s = it->second;
    s.Jetons = std::min(rafale_, s.Jetons + static_cast<uint32_t>(ms - s.Dernier) * parMs_);
    s.Dernier = ms;
    if (s.Jetons < 1) return false;
    s.Jetons -= 1;
    return true;
}
