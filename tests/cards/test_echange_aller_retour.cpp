// Export then import, on random meetings whose cards were typed through the card
// form: every pilot card comes back, field by field.
#include "cards/echange.h"
#include "cards/saisie.h"
#include "engine/frequences.h"
#include "tests/stand/stand_test.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What an operator types: letters, accents, quotes anywhere, blanks, tabs.
const std::vector<std::string> MORCEAUX = {
    "a", "Z", "7", " ", "  ", "\"", "\"\"", "'", "\t", "-", "%", "\xE9", "\xE8", "\xE0", "\xE7", "\xC9", "\xF4",
    "\xFC", "\x80", "\x9C", "\x93", "\x94", "\xAB", "\xBB", "\xB0", "Lef\xE8vre", "Spirit", "\"Papy", "d\xE9" "but\"",
};

std::string Texte(std::mt19937& hasard, std::size_t morceaux, bool lignes)
{
    std::uniform_int_distribution<std::size_t> choix(0, MORCEAUX.size() - 1);
    std::string t;
    for (std::size_t k = 0; k < morceaux; ++k) {
        if (lignes && hasard() % 7 == 0) t += "\r\n";
        t += MORCEAUX[choix(hasard)];
    }
    return t;
}

// A line break or a TAB inside a field is written as a blank.
std::string SurUneLigne(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return r;
}

struct Champs {
    std::string Nom, Licence, Modele, Remarques;
    int32_t Frequence, Canal;
};

std::vector<Champs> CartesPilotes(const EtatGlobal& etat)
{
    std::vector<Champs> c;
    for (const FicheVol& f : etat.Fiches)
        if (EstFichePilote(f.Numero))
            c.push_back({SurUneLigne(VueChamp(f.Nom)), SurUneLigne(VueChamp(f.Licence)), SurUneLigne(VueChamp(f.Modele)),
                         SurUneLigne(VueChamp(f.Remarques)), f.Frequence, f.Canal});
    return c;
}

const std::vector<int32_t> PLAN = [] {
    std::vector<int32_t> p = {26995, 35010, 35030, 40665, 41100, 72210};
    for (int32_t f : Bande24()) p.push_back(f);
    return p;
}();

void Planifier(ReunionStand& r)
{
    r.Plan(PLAN);
    r.Entree(35010).Canal = 61;
    r.Entree(72210).Canal = 21;
}

} // namespace

TEST(EchangeAllerRetour, EveryPilotCardComesBackFieldByField)
{
    std::mt19937 hasard(20261207);
    for (int essai = 0; essai < 300; ++essai) {
        ReunionStand r;
        Planifier(r);
        r.etat.EtatDictionnaire = -1;
        r.port.MessagesLibres = true;   // a blank name is refused by the form: that card is not made
        const int cartes = 1 + static_cast<int>(hasard() % 25);
        for (int k = 0; k < cartes; ++k) {
            r.etat.ModeModification = r.etat.ModeDuplication = 0;
            Saisie s(r.etat);
            const auto& listes = s.Vue().Listes;
            std::vector<std::pair<int, int>> lignes;
            for (const ListeBande& l : listes)
                for (std::size_t i = 0; i < l.Lignes.size(); ++i) lignes.push_back({l.Controle, static_cast<int>(i)});
            const auto [controle, ligne] = lignes[hasard() % lignes.size()];
            s.ChoisirFrequence(controle, ligne);
            s.Valider({s.Vue().Champs.Numero, Texte(hasard, 1 + hasard() % 8, false), Texte(hasard, hasard() % 6, false),
                       Texte(hasard, hasard() % 40, false), Texte(hasard, hasard() % 90, true)});
        }
        // A pause and a remark of the plan are in every meeting; neither is a pilot.
        r.Fiche(2000 + essai, "", FREQUENCE_AUCUNE).Etat = Arretee;
        const std::string exporte = TexteExport(r.etat);

        ReunionStand vide;
        Planifier(vide);
        const ResultatImport res = ImporterFiches(vide.etat, exporte);
        ASSERT_EQ(res.Erreurs, std::vector<std::string>{}) << essai << "\n" << exporte;
        const std::vector<Champs> avant = CartesPilotes(r.etat), apres = CartesPilotes(vide.etat);
        ASSERT_EQ(apres.size(), avant.size()) << essai;
        EXPECT_EQ(res.Importees, static_cast<int>(avant.size()));
        for (std::size_t k = 0; k < avant.size(); ++k) {
            EXPECT_EQ(apres[k].Nom, avant[k].Nom) << essai << " card " << k;
            EXPECT_EQ(apres[k].Licence, avant[k].Licence) << essai << " card " << k;
            EXPECT_EQ(apres[k].Modele, avant[k].Modele) << essai << " card " << k;
            EXPECT_EQ(apres[k].Remarques, avant[k].Remarques) << essai << " card " << k;
            EXPECT_EQ(apres[k].Frequence, avant[k].Frequence) << essai << " card " << k;
            EXPECT_EQ(apres[k].Canal, avant[k].Canal) << essai << " card " << k;
        }
    }
}
