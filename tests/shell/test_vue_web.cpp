// The board on the phones: the public display's view as JSON, read back as a
// browser reads it.
#include "shell/vue_web.h"
#include "engine/cp1252.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "shell/affichage_public.h"
#include "tests/stand/stand_test.h"
#include "tests/support/json_test.h"
#include "web/images_tableau.h"

#include <gtest/gtest.h>

#include <map>

namespace {

ValeurJson Vue(ReunionStand& r)
{
    const std::string json = VueWebJson(r.etat);
    auto v = LireJson(json);
    EXPECT_TRUE(v.has_value()) << json;
    return v.value_or(ValeurJson{});
}

const ValeurJson& CaseDe(const ValeurJson& v, int32_t frequence)
{
    for (std::size_t i = 0; i < v["cases"].Taille(); ++i)
        if (v["cases"][i]["f"].Nombre() == frequence) return v["cases"][i];
    ADD_FAILURE() << frequence << " is not shown";
    static const ValeurJson aucune;
    return aucune;
}

} // namespace

// Each state as the board shows it, in the colours of the board's own picture,
// and a legend that shows each state as the cells do.
TEST(VueWeb, EachCellHasItsStateItsPictureColoursAndWhoIsOut)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Dupont", 35010);
    r.Sortir(35010, 12);
    r.port.Avancer(65000);
    r.Sortir(35050, FICHE_LIBRE);
    r.port.Avancer(4000);
    const ValeurJson v = Vue(r);
    const VuePublique publique = CalculerVuePublique(r.etat);
    ASSERT_EQ(v["cases"].Taille(), publique.Cases.size());
    std::map<std::string, std::string> imageDeLEtat;
    for (std::size_t i = 0; i < publique.Cases.size(); ++i) {
        const CasePublique& attendue = publique.Cases[i];
        const ValeurJson& c = v["cases"][i];
        EXPECT_EQ(c["libelle"].Texte(), Cp1252VersUtf8(attendue.Libelle));
        EXPECT_EQ(c["image"].Texte(), attendue.Aspect.Image);
        EXPECT_EQ(c["texte"].Texte(), RgbTexte(attendue.Aspect.Couleur));
        EXPECT_TRUE(v["images"].Contient(attendue.Aspect.Image)) << attendue.Aspect.Image;
        imageDeLEtat[c["etat"].Texte()] = c["image"].Texte() + c["texte"].Texte();
        EXPECT_EQ(c.Contient("duree"), !attendue.Duree.empty()) << attendue.Frequence;
    }
    EXPECT_EQ(imageDeLEtat.size(), 4u);   // free, blocked, intermodulated, out
    for (std::size_t i = 0; i < v["legende"].Taille(); ++i) {
        const ValeurJson& l = v["legende"][i];
        if (imageDeLEtat.count(l["etat"].Texte())) EXPECT_EQ(l["image"].Texte() + l["couleur"].Texte(), imageDeLEtat[l["etat"].Texte()]) << i;
        EXPECT_TRUE(v["images"].Contient(l["image"].Texte()));
    }
    EXPECT_EQ(CaseDe(v, 35010)["fiche"].Nombre(), 12);
    EXPECT_EQ(CaseDe(v, 35010)["nom"].Texte(), "Dupont");
    EXPECT_EQ(CaseDe(v, 35010)["duree"].Texte(), "01:09");
    EXPECT_EQ(CaseDe(v, 35050)["fiche"].Nombre(), 0);
    EXPECT_EQ(CaseDe(v, 35050)["etat"].Texte(), "sortie");
}

// Every picture the board can give a cell has its colours, read from the picture.
TEST(VueWeb, EveryPictureOfTheBoardHasItsGradient)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    for (int controle : {0, 1}) {
        r.etat.Contraintes.ControleIntermodulation = controle;
        for (int32_t etat = Libre; etat <= HorsTemps; ++etat) {
            const AspectBouton a = AspectDuBouton(r.etat, 0, etat);
            const auto d = DegradeDe(a.Image);
            ASSERT_TRUE(d.has_value()) << a.Image;
            EXPECT_EQ(std::string(d->Haut).size(), 7u);
            EXPECT_EQ(std::string(d->Bas)[0], '#');
        }
    }
}

// Only what the public display shows: no licence, remark or password, and a
// pilot's name, whatever it holds, arrives as it was typed.
TEST(VueWeb, NothingPrivateLeavesAndEveryNameArrivesWhole)
{
    ReunionStand r;
    r.Plan({35010, 35050, 35500});
    const char* noms[] = {"\"Papy\" L\xE9on", "C:\\pilotes\\Bob", "<script>x</b>", "Tab\there", "Fin\x01", "\x80uro & co"};
    int numero = 1;
    for (const char* nom : noms) {
        FicheVol& f = r.Fiche(numero, nom, 35500);
        CopierChamp(f.Licence, "LIC-SECRETE");
        CopierChamp(f.Remarques, "REMARQUE-PRIVEE");
        ++numero;
    }
    r.etat.MotDePasse = "MOTDEPASSE";
    r.etat.ModeSortie = ModeFileAttente;
    for (int n = 1; n < numero; ++n) r.Noeud(FileAttente, n, n);
    r.Sortir(35010, 1);
    const std::string json = VueWebJson(r.etat);
    for (const char* secret : {"LIC-SECRETE", "REMARQUE-PRIVEE", "MOTDEPASSE", "<script"})
        EXPECT_EQ(json.find(secret), std::string::npos) << secret;
    const ValeurJson v = LireJson(json).value_or(ValeurJson{});
    ASSERT_EQ(v["suivants"]["lignes"].Taille(), static_cast<std::size_t>(numero - 1));
    for (int n = 1; n < numero; ++n)
        EXPECT_EQ(v["suivants"]["lignes"][static_cast<std::size_t>(n - 1)]["nom"].Texte(), Cp1252VersUtf8(noms[n - 1])) << n;
    EXPECT_EQ(CaseDe(v, 35010)["nom"].Texte(), Cp1252VersUtf8(noms[0]));
}

// The next pilots in the two list modes only, and every text in the running language.
TEST(VueWeb, EachModeAndLanguage)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Fiche(3, "Martin", 35050);
    r.Noeud(FileAttente, 1, 3);
    r.Noeud(PlanVols, 1, 3);
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS})
        for (int32_t mode : {ModeLibreService, ModeFiches, ModeFileAttente, ModePlanifie}) {
            SCOPED_TRACE(std::to_string(langue) + " " + std::to_string(mode));
            r.etat.DecalageLangue = langue;
            r.etat.ModeSortie = mode;
            const ValeurJson v = Vue(r);
            EXPECT_EQ(v["mode"].Texte(), Cp1252VersUtf8(Texte(r.etat, 11 + mode)));
            EXPECT_EQ(v["monNumero"].Texte(), Cp1252VersUtf8(Texte(r.etat, 230)));
            EXPECT_EQ(v["legende"][0]["texte"].Texte(), Cp1252VersUtf8(Texte(r.etat, 136)));
            const bool liste = mode == ModeFileAttente || mode == ModePlanifie;
            ASSERT_EQ(v.Contient("suivants"), liste);
            if (liste) {
                EXPECT_EQ(v["suivants"]["lignes"][0]["fiche"].Nombre(), 3);
                EXPECT_EQ(v["suivants"]["lignes"][0]["f"].Nombre(), 35050);
            }
        }
}
