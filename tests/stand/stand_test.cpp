#include "tests/stand/stand_test.h"

#include "engine/cp1252.h"
#include "engine/emissions.h"
#include "stand/sortie.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace {

std::filesystem::path DossierUnique()
{
    static std::atomic<int> n{0};
    static const unsigned tirage = std::random_device{}();
    const auto d = std::filesystem::temp_directory_path() /
                   ("koral-stand-" + std::to_string(tirage) + "-" + std::to_string(n++));
    std::filesystem::create_directories(d);
    return d;
}

std::string Lire(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace

ReunionStand::ReunionStand() : dossier(DossierUnique())
{
    etat.HistoriqueActif = 1;
    etat.CheminHistorique = (dossier / "meeting.txt").string();
    etat.DateHistorique = "06/12/26";
    etat.SauvegardeActive = 1;
    etat.CheminManifestation = (dossier / "meeting.mhz").string();
}

ReunionStand::~ReunionStand()
{
    std::error_code e;
    std::filesystem::remove_all(dossier, e);
}

std::vector<std::string> ReunionStand::Historique() const
{
    std::vector<std::string> lignes;
    std::istringstream s(Lire(etat.CheminHistorique));
    for (std::string l; std::getline(s, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lignes.push_back(l);
    }
    return lignes;
}

std::string ReunionStand::FichierManifestation() const
{
    return Lire(etat.CheminManifestation);
}

EntreeFrequence& ReunionStand::Sortir(int32_t frequence, int32_t fiche)
{
    EntreeFrequence& e = Entree(frequence);
    EXPECT_TRUE(SortieFrequence(etat, e, fiche)) << frequence;
    RecompteSorties(etat);
    return e;
}

EntreePlan& ReunionStand::Noeud(int32_t liste, int32_t rang, int32_t numero, int32_t etatVol)
{
    EntreePlan& n = etat.ListePlan.emplace_back(EntreePlan{});
    n.NumeroFiche = numero;
    n.Rang = rang;
    n.Liste = liste;
    n.EtatVol = etatVol;
    return n;
}

std::vector<int32_t> Bande24()
{
    std::vector<int32_t> f;
    for (int32_t k = 2400000; k <= 2400480; k += 20) f.push_back(k);
    return f;
}
