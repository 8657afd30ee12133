#include "print/ui/impression_qt.h"
#include "engine/frequences.h"
#include "tests/stand/stand_test.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/ui/support/reponses_dialogues.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

QPrinter* VersPdf(const std::string& chemin, QPageSize::PageSizeId format = QPageSize::A4)
{
    auto* p = new QPrinter(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(QString::fromStdString(chemin));
    p->setPageSize(QPageSize(format));
    return p;
}

// The text of each page of a PDF, as poppler reads it.
std::vector<std::string> Pages(const std::string& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    p.waitForFinished(30000);
    const QString texte = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<std::string> pages;
    for (const QString& page : texte.split(QLatin1Char('\f'), Qt::SkipEmptyParts)) pages.push_back(page.toStdString());
    return pages;
}

void Cartes(ReunionStand& r, int nombre)
{
    r.Plan({35010, 2400000, 2400020});
    r.etat.TitreFichier = "Koral du 06_12_26.mhz";
    for (int n = 1; n <= nombre; ++n) {
        FicheVol& f = r.Fiche(n, "Pilote " + std::to_string(n), n % 2 ? 35010 : 2400000);
        CopierChamp(f.Licence, "FR-" + std::to_string(1000 + n));
        CopierChamp(f.Modele, "Extra 330 SC");
        CopierChamp(f.Remarques, "Vole le matin\r\nH\xE9lice 14x7");
    }
}

} // namespace

TEST(Impression, TheCardListOnPdfReadsBackPageByPage)
{
    ReunionStand r;
    Cartes(r, 60);
    ChercheFiche(r.etat, 2, 1)->Etat = Arretee;
    DossierTemporaire d;
    for (auto format : {QPageSize::A4, QPageSize::Letter}) {
        const std::string pdf = d.Fichier(format == QPageSize::A4 ? "a4.pdf" : "letter.pdf");
        std::unique_ptr<QPrinter> imprimante(VersPdf(pdf, format));
        ASSERT_EQ(Imprimer(r.etat, Impression::Fiches, *imprimante, nullptr), ResultatImpression::Imprime);
        imprimante.reset();
        const auto pages = Pages(pdf);
        ASSERT_GT(pages.size(), 3u);
        // (pdftotext shortens runs of blanks.)
        for (std::size_t i = 0; i < pages.size(); ++i)
            EXPECT_THAT(pages[i], ::testing::ContainsRegex("^KORALIS - FICHES DE VOL - Koral du 06_12_26\\.mhz \\(06/12/26\\) +page " +
                                                           std::to_string(i + 1) + "\n"));
        const std::string& premiere = pages[0];
        // The columns in their order: number, name, frequency, licence.
        const auto ligne = premiere.find("001");
        ASSERT_NE(ligne, std::string::npos);
        const auto nom = premiere.find("Pilote 1", ligne);
        const auto frequence = premiere.find("35.010 MHz", ligne);
        const auto licence = premiere.find("FR-1001", ligne);
        EXPECT_LT(nom, frequence);
        EXPECT_LT(frequence, licence);
        EXPECT_THAT(premiere, HasSubstr("2.4 GHz"));
        EXPECT_THAT(premiere, Not(HasSubstr("2.4 GHz MHz")));
        EXPECT_THAT(premiere, HasSubstr("Arr\xC3\xAAt"));
        EXPECT_THAT(premiere, HasSubstr("H\xC3\xA9lice 14x7"));
        // Every card on exactly one page, in order.
        std::string tout;
        for (const auto& p : pages) tout += p;
        std::size_t avant = 0;
        for (int n = 1; n <= 60; ++n) {
            const auto ici = tout.find("Pilote " + std::to_string(n) + "\n", avant);
            ASSERT_NE(ici, std::string::npos) << n;
            avant = ici;
        }
    }
}

TEST(Impression, APageKeepsItsMarginsAndItsTwoHeaderLines)
{
    ReunionStand r;
    Cartes(r, 3);
    DossierTemporaire d;
    const std::string pdf = d.Fichier("fiches.pdf");
    {
        std::unique_ptr<QPrinter> imprimante(VersPdf(pdf));
        ASSERT_EQ(Imprimer(r.etat, Impression::Fiches, *imprimante, nullptr), ResultatImpression::Imprime);
    }
    QProcess p;
    p.start("pdftoppm", {"-r", "72", "-gray", "-png", "-singlefile", QString::fromStdString(pdf), QString::fromStdString(d.Fichier("page"))});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QImage page(QString::fromStdString(d.Fichier("page.png")));
    ASSERT_FALSE(page.isNull());
    // At 72 dpi the body font's character is about 5 pixels: the margin of 10 characters is empty.
    const auto encre = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    int gauche = page.width();
    std::vector<int> traits;
    for (int y = 0; y < page.height(); ++y) {
        int longueur = 0;
        for (int x = 0; x < page.width(); ++x) {
            if (!encre(x, y)) continue;
            gauche = std::min(gauche, x);
            ++longueur;
        }
        if (longueur > page.width() / 2) traits.push_back(y);
    }
    const QPageLayout mise = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    EXPECT_GT(gauche, 30) << "the left margin";
    // Two header lines, close under each other, near the top, then the separators of the entries.
    ASSERT_GE(traits.size(), 2u);
    EXPECT_LT(traits[0], page.height() / 8);
    EXPECT_LE(traits[1] - traits[0], 8);
    EXPECT_GE(traits[1] - traits[0], 3);
    (void)mise;
}

// With the fonts of this system, not the layout's own: 200 cards, stopped
// pilots, remarks of every length, and nothing prints right of the frame's rule.
TEST(Impression, NothingPrintsPastTheFramesRightRule)
{
    ReunionStand r;
    Cartes(r, 200);
    for (int n = 1; n <= 200; ++n) {
        FicheVol* f = ChercheFiche(r.etat, n, 1);
        CopierChamp(f->Nom, n % 2 ? "Wolfgang-Maximilian W." : "Martin");
        if (n % 3 == 0) f->Etat = Arretee;
        std::string remarques;
        for (int k = 0; k < n % 7; ++k) remarques += "Moteur thermique 4 temps, h\xE9lice bois, ";
        CopierChamp(f->Remarques, remarques.substr(0, 253));
    }
    DossierTemporaire d;
    const std::string pdf = d.Fichier("fiches.pdf");
    {
        std::unique_ptr<QPrinter> imprimante(VersPdf(pdf));
        ASSERT_EQ(Imprimer(r.etat, Impression::Fiches, *imprimante, nullptr), ResultatImpression::Imprime);
    }
    std::string tout;
    for (const auto& p : Pages(pdf)) tout += p;
    std::size_t arrets = 0;
    for (std::size_t i = tout.find("Arr\xC3\xAAt"); i != std::string::npos; i = tout.find("Arr\xC3\xAAt", i + 1)) ++arrets;
    EXPECT_EQ(arrets, 66u);
    QProcess p;
    p.start("pdftoppm", {"-r", "72", "-gray", "-png", QString::fromStdString(pdf), QString::fromStdString(d.Fichier("page"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    int pages = 0;
    for (const auto& f : std::filesystem::directory_iterator(d.Chemin())) {
        if (f.path().extension() != ".png") continue;
        const QImage page(QString::fromStdString(f.path().string()));
        ASSERT_FALSE(page.isNull());
        if (pages++ == 0) QImage(page).save(QString::fromStdString(std::string(KORAL_BUILD_DIR) + "/screenshots/IMPRESSION_200_fiches.png"));
        const auto encre = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 160; };
        // The frame's right rule ends where the header's long lines end.
        int regle = 0;
        for (int y = 0; y < page.height() / 6; ++y) {
            int longueur = 0, droite = 0;
            for (int x = 0; x < page.width(); ++x)
                if (encre(x, y)) {
                    ++longueur;
                    droite = x;
                }
            if (longueur > page.width() / 2) regle = std::max(regle, droite);
        }
        ASSERT_GT(regle, page.width() / 2) << f.path();
        for (int y = 0; y < page.height(); ++y)
            for (int x = regle + 2; x < page.width(); ++x) ASSERT_FALSE(encre(x, y)) << f.path() << " at " << x << "," << y;
    }
    EXPECT_GT(pages, 10);
}

TEST(Impression, ACancelledJobLeavesNoDocumentAndAFailureIsSaid)
{
    ReunionStand r;
    Cartes(r, 300);
    DossierTemporaire d;
    const std::string pdf = d.Fichier("annule.pdf");
    std::unique_ptr<QPrinter> imprimante(VersPdf(pdf));
    // Annuler of PRINTDLG, pressed while the first page is printed.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "PRINTDLG" && w->isVisible()) w->findChild<QPushButton*>("2")->click();
    });
    EXPECT_EQ(Imprimer(r.etat, Impression::Fiches, *imprimante, nullptr), ResultatImpression::Annule);
    imprimante.reset();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(r.port.Messages.empty());

    std::unique_ptr<QPrinter> nulle(VersPdf(d.Fichier("absent/plan.pdf")));
    r.port.RepondreOk();
    EXPECT_EQ(Imprimer(r.etat, Impression::Plan, *nulle, nullptr), ResultatImpression::Echec);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 210));
}

// Printing goes straight to the print dialog; the preview is one click from it.
TEST(Impression, ThePrintDialogFirstAndThePreviewOneClickAway)
{
    ReunionStand r;
    Cartes(r, 3);
    QWidget fenetre;
    ReponsesDialogues reponses;
    std::vector<std::string> types;
    reponses.Ajouter([&types](QDialog& d) {
        types.push_back(d.metaObject()->className());
        d.reject();
    });
    EXPECT_EQ(OuvrirImpression(r.etat, Impression::Fiches, &fenetre), 0);
    reponses.Ajouter([&types](QDialog& d) {
        types.push_back(d.metaObject()->className());
        auto* apercu = d.findChild<QPushButton*>("APERCU");
        ASSERT_NE(apercu, nullptr);
        EXPECT_EQ(apercu->text(), QString::fromUtf8("Aperçu..."));
        apercu->click();
    });
    reponses.Ajouter([&types](QDialog& d) {
        types.push_back(d.metaObject()->className());
        d.reject();
    });
    OuvrirImpression(r.etat, Impression::Fiches, &fenetre);
    EXPECT_EQ(types, (std::vector<std::string>{"QPrintDialog", "QPrintDialog", "QPrintPreviewDialog"}));
    EXPECT_TRUE(reponses.Epuisees());
}

TEST(Impression, TheThreePrintoutsInEachLanguage)
{
    const std::string dossier = KORAL_BUILD_DIR "/screenshots";
    std::filesystem::create_directories(dossier);
    for (int langue : {0, 1000, 2000}) {
        const std::string suffixe = langue == 0 ? "_fr" : langue == 1000 ? "_en" : "_pt";
        ReunionStand r;
        Cartes(r, 14);
        r.etat.DecalageLangue = langue;
        ChercheFiche(r.etat, 4, 1)->Etat = Arretee;
        FicheVol& vole = *ChercheFiche(r.etat, 1, 1);
        vole.NbVols = 3;
        vole.CumulEmission = 754000;
        CopierChamp(vole.Remarques, std::string(300, 'z').substr(0, 253));
        r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
        CopierChamp(ChercheFiche(r.etat, 2999, 1)->Modele, "Repas");
        const int32_t plan[] = {1, 2, 999, 2999, 3, 5, 6};
        int32_t rang = 0;
        for (int32_t n : plan) r.Noeud(PlanVols, ++rang, n);
        ChercheRangDansListe(r.etat, 1, PlanVols)->EtatVol = VolTermine;
        ChercheRangDansListe(r.etat, 1, PlanVols)->DureeVol = 185000;
        ChercheRangDansListe(r.etat, 2, PlanVols)->EtatVol = VolTermine;
        ChercheRangDansListe(r.etat, 2, PlanVols)->Problemes = VOL_SAUTE;
        r.etat.FicheCourante = 4;
        for (auto [impression, nom] : {std::pair{Impression::Fiches, "fiches"}, std::pair{Impression::Plan, "plan"},
                                       std::pair{Impression::Fiche, "fiche"}}) {
            const std::string pdf = dossier + "/IMPRESSION_" + nom + suffixe + ".pdf";
            std::unique_ptr<QPrinter> imprimante(VersPdf(pdf));
            ASSERT_EQ(Imprimer(r.etat, impression, *imprimante, nullptr), ResultatImpression::Imprime);
            imprimante.reset();
            EXPECT_FALSE(Pages(pdf).empty()) << nom << suffixe;
        }
    }
}
