// Every file that is not a meeting the program could have written is refused
// whole with string 88: no crash, no partial meeting, the file left as it was.
#include "engine/etat.h"
#include "engine/textes.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

namespace {

std::string ImageValide()
{
    Reunion r;
    r.Plan({35010, 35050, 35090, 2400000, 2400020});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Durand", 2400000);
    SortieFrequence(r.etat, r.Entree(35010), 12);
    r.etat.FicheCourante = 7;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    n->Rang = 1;
    n->Liste = FileAttente;
    return ImageManifestation(r.etat);
}

void Mot(std::string& o, std::size_t offset, int32_t v) { std::memcpy(o.data() + offset, &v, 4); }

struct Rejet : ::testing::Test {
    DossierTemporaire dossier;
    std::string chemin = dossier.Fichier("m.mhz");

    // Resumes `octets`; true when accepted. A refusal must leave no trace.
    bool Reprendre(const std::string& octets)
    {
        EcrireOctets(chemin, octets);
        Reunion r;
        r.port.MessagesLibres = true;
        const bool accepte = ReprendreManifestation(r.etat, chemin);
        EXPECT_EQ(LireOctets(chemin), octets);
        EXPECT_TRUE(r.port.Fatals.empty());
        if (!accepte) {
            EXPECT_EQ(r.port.Messages.size(), 1u);
            if (!r.port.Messages.empty()) {
                EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 88));
            }
            EXPECT_EQ(r.etat.QuitterAuDemarrage, 1);
            EXPECT_EQ(r.etat.SauvegardeActive, 0);
            EXPECT_EQ(r.etat.NbFiches(), 1);
            EXPECT_EQ(r.etat.NbFrequences(), 0);
            EXPECT_TRUE(r.etat.ListePlan.empty());
        }
        return accepte;
    }
};

} // namespace

TEST_F(Rejet, AValidFileCutAtEveryOffset)
{
    const std::string valide = ImageValide();
    ASSERT_TRUE(Reprendre(valide));
    const std::size_t finNoeuds = 316 + 5 * 100 + 2 * 36;
    for (std::size_t n = 0; n < valide.size(); ++n) {
        const bool accepte = Reprendre(valide.substr(0, n));
        // Only a cut between two whole cards can still be a meeting, and here every
        // card is needed by a transmitter out or a queued flight.
        const bool frontiere = n >= finNoeuds && (n - finNoeuds) % sizeof(FicheVol) == 0;
        EXPECT_FALSE(accepte && !frontiere) << "cut at " << n;
        EXPECT_FALSE(accepte) << "cut at " << n;
    }
}

TEST_F(Rejet, HeaderFaults)
{
    const std::string valide = ImageValide();
    auto avec = [&](std::size_t offset, int32_t v) {
        std::string o = valide;
        Mot(o, offset, v);
        return o;
    };
    EXPECT_FALSE(Reprendre(avec(0, 81246)));
    EXPECT_FALSE(Reprendre(avec(4, 3)));
    EXPECT_FALSE(Reprendre(avec(52, -1)));
    EXPECT_FALSE(Reprendre(avec(52, 1000000000)));
    EXPECT_FALSE(Reprendre(avec(52, 217)));
    EXPECT_FALSE(Reprendre(avec(52, 6)));
    EXPECT_FALSE(Reprendre(avec(8, 4)));       // no such mode
    EXPECT_FALSE(Reprendre(avec(12, 2)));      // a check is on or off
    EXPECT_FALSE(Reprendre(avec(28, -300)));
    std::string motDePasse = valide;
    std::memset(motDePasse.data() + 36, 'x', 16);
    EXPECT_FALSE(Reprendre(motDePasse));
    EXPECT_FALSE(Reprendre(""));
    EXPECT_FALSE(Reprendre(std::string(5000, '\xFF')));
}

TEST_F(Rejet, RecordFaults)
{
    const std::string valide = ImageValide();
    const std::size_t premiere = 316, noeud = 316 + 500, carte = 316 + 500 + 72;
    auto avec = [&](std::size_t offset, int32_t v) {
        std::string o = valide;
        Mot(o, offset, v);
        return o;
    };
    EXPECT_FALSE(Reprendre(avec(premiere + 4, 50000)));           // a frequency in no band
    EXPECT_FALSE(Reprendre(avec(premiere + 100 + 4, 35010)));     // the same frequency twice
    EXPECT_FALSE(Reprendre(avec(noeud + 32, 5)));                 // neither list
    EXPECT_FALSE(Reprendre(avec(noeud + 4, 2)));                  // a hole in the ranks
    EXPECT_FALSE(Reprendre(avec(noeud + 0, 44)));                 // a node on no card
    EXPECT_FALSE(Reprendre(avec(carte + 28, 35015)));             // a card on no plan frequency
    EXPECT_FALSE(Reprendre(avec(carte + 458, 12)));               // two cards numbered 12
    EXPECT_FALSE(Reprendre(avec(premiere + 68, 44)));             // a transmitter on no card
    std::string nom = valide;
    std::memset(nom.data() + carte + 4, 'N', 24);
    EXPECT_FALSE(Reprendre(nom));
    // The pause card and numbers 999 to 1999 are never read.
    std::string pause = valide + valide.substr(carte, 458);
    Mot(pause, carte + 2 * 458, FICHE_PAUSE);
    EXPECT_TRUE(Reprendre(pause));
    Mot(pause, carte + 2 * 458, 1500);
    EXPECT_TRUE(Reprendre(pause));
}

TEST_F(Rejet, AMissingFileIsRefusedAndNotCreated)
{
    Reunion r;
    r.port.MessagesLibres = true;
    EXPECT_FALSE(ReprendreManifestation(r.etat, dossier.Fichier("absent.mhz")));
    EXPECT_FALSE(std::filesystem::exists(dossier.Fichier("absent.mhz")));
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].JeuBoutons, 962);
}

TEST(DecoderManifestation, RandomBytesNeverCrash)
{
    const std::string valide = ImageValide();
    uint32_t graine = 12345;
    auto hasard = [&] { return graine = graine * 1103515245u + 12345u; };
    int acceptes = 0;
    for (int essai = 0; essai < 3000; ++essai) {
        std::string o = valide;
        for (int k = 0; k < 1 + essai % 8; ++k) o[hasard() % o.size()] = static_cast<char>(hasard() >> 24);
        // Whatever is taken holds what the stand relies on.
        const auto lue = DecoderManifestation(o, 0);
        if (!lue) continue;
        ++acceptes;
        EXPECT_LE(lue->Plan.size(), 216u);
        std::set<int32_t> frequences{FREQUENCE_AUCUNE}, cartes{FICHE_PAUSE};
        for (const EntreeFrequence& e : lue->Plan) frequences.insert(e.Frequence);
        for (const FicheVol& f : lue->Fiches) {
            // Cards of a vector sit on 2-byte boundaries: their words are copied.
            const int32_t numero = f.Numero, frequence = f.Frequence;
            EXPECT_TRUE(frequences.count(frequence)) << numero;
            cartes.insert(numero);
        }
        std::map<int32_t, int> parListe;
        for (const EntreePlan& n : lue->Noeuds) ++parListe[n.Liste];
        for (const EntreePlan& n : lue->Noeuds) {
            EXPECT_TRUE(cartes.count(n.NumeroFiche));
            EXPECT_GE(n.Rang, 1);
            EXPECT_LE(n.Rang, parListe[n.Liste]);
        }
    }
    // Changes in the names, remarks or counters leave a meeting; some must have been taken.
    EXPECT_GT(acceptes, 0);
}
