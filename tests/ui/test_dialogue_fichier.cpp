#include "engine/cp1252.h"
#include "engine/textes.h"
#include "shell/ui/dialogues_information.h"
#include "storage/dialfic.h"
#include "storage/manifestation.h"
#include "storage/ui/dialogue_fichier.h"
#include "tests/ui/support/captures.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"
#include "tests/ui/support/controles_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Dialfic : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
};

} // namespace

TEST_F(Dialfic, CreateAsksForANameThenThePassword)
{
    DialogueFichier d(r.etat);
    d.show();
    r.port.RepondreFichier(dossier.Fichier("Koral du 06_12_26.mhz"));
    r.port.RepondreNouveauMotDePasse("mdp");
    d.findChild<QCheckBox*>("104")->setChecked(false);
    Cliquer(d, 101);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.etat.SauvegardeActive, 1);
    EXPECT_EQ(r.etat.CheminManifestation, dossier.Fichier("Koral du 06_12_26.mhz"));
    EXPECT_EQ(r.etat.MotDePasse, "mdp");
    EXPECT_EQ(r.etat.HistoriqueAuDemarrage, 0);
    EXPECT_EQ(r.port.Fichiers.at(0).Titre, Texte(r.etat, 62));
}

TEST_F(Dialfic, CancellingTheNameRunsWithoutAFile)
{
    DialogueFichier d(r.etat);
    d.show();
    r.port.RepondreFichier(std::nullopt);
    Cliquer(d, 101);
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(r.etat.SauvegardeActive, 0);
    EXPECT_EQ(r.etat.QuitterAuDemarrage, 0);
    EXPECT_TRUE(r.etat.CheminManifestation.empty());
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
}

TEST_F(Dialfic, ResumeReadsTheFileAndAnIncompatibleOneAsksToQuit)
{
    Reunion ancienne;
    ancienne.Plan({35010});
    ancienne.etat.SauvegardeActive = 1;
    DeriverChemins(ancienne.etat, dossier.Fichier("a.mhz"));
    SauverManifestation(ancienne.etat);

    DialogueFichier d(r.etat);
    d.show();
    r.port.RepondreFichier(dossier.Fichier("a.mhz"));
    Cliquer(d, 103);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.etat.NbFrequences(), 1);
    EXPECT_EQ(r.port.Fichiers.at(0).Titre, Texte(r.etat, 64));
    EXPECT_FALSE(r.port.Fichiers.at(0).Enregistrer);

    Reunion autre;
    EcrireOctets(dossier.Fichier("b.mhz"), "not a meeting");
    DialogueFichier e(autre.etat);
    e.show();
    autre.port.RepondreFichier(dossier.Fichier("b.mhz"));
    autre.port.RepondreOk();
    Cliquer(e, 103);
    EXPECT_EQ(e.result(), 0);
    EXPECT_EQ(autre.etat.QuitterAuDemarrage, 1);
    EXPECT_EQ(autre.port.Messages.at(0).Texte, Texte(autre.etat, 88));
}

TEST_F(Dialfic, NoBackupStopAndHelp)
{
    DialogueFichier d(r.etat);
    d.show();
    Cliquer(d, 850);
    ASSERT_EQ(r.port.Aides.size(), 1u);
    EXPECT_EQ(r.port.Aides[0].Sujet, 3);
    EXPECT_TRUE(d.isVisible());
    Cliquer(d, 102);
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(r.etat.QuitterAuDemarrage, 0);
    EXPECT_EQ(r.etat.HistoriqueAuDemarrage, 1);

    Reunion s;
    DialogueFichier e(s.etat);
    e.show();
    Cliquer(e, 2);
    EXPECT_EQ(e.result(), 0);
    EXPECT_EQ(s.etat.QuitterAuDemarrage, 1);

    Reunion t;
    DialogueFichier f(t.etat);
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_EQ(t.etat.QuitterAuDemarrage, 1);
}

TEST(DialoguesInformation, ButtonsAnswerAndTextsAreThere)
{
    Reunion r;
    std::unique_ptr<DialogueInformation> alerte(CreerAlerteFic(r.etat, nullptr));
    alerte->show();
    Cliquer(*alerte, 1);
    EXPECT_EQ(alerte->result(), 1);
    alerte.reset(CreerAlerteFic(r.etat, nullptr));
    alerte->show();
    Cliquer(*alerte, 2);
    EXPECT_EQ(alerte->result(), 0);
    std::unique_ptr<DialogueInformation> avertir(CreerAvertissement(r.etat, nullptr));
    EXPECT_EQ(avertir->findChild<QLabel*>("314")->text(), "Version 4.7.3");
    for (int id : {500, 501, 719, 720, 721, 503}) EXPECT_FALSE(avertir->findChild<QLabel*>(QString::number(id))->text().isEmpty()) << id;
    std::unique_ptr<DialogueInformation> apropos(CreerAPropos(r.etat, nullptr));
    apropos->show();
    QTest::keyClick(apropos.get(), Qt::Key_Escape);
    EXPECT_EQ(apropos->result(), 0);
}

TEST(DialoguesInformation, Screenshots)
{
    Reunion r;
    for (int langue : {0, 1000}) {
        r.etat.DecalageLangue = langue;
        const std::string s = langue ? "_en" : "_fr";
        std::unique_ptr<DialogueInformation> a(CreerAlerteFic(r.etat, nullptr));
        std::unique_ptr<DialogueInformation> b(CreerAvertissement(r.etat, nullptr));
        std::unique_ptr<DialogueInformation> c(CreerAPropos(r.etat, nullptr));
        DialogueFichier d(r.etat);
        const std::pair<QDialog*, const char*> dialogues[] = {
            {a.get(), "ALERTEFIC"}, {b.get(), "DIALAVERTIR"}, {c.get(), "ABOUT"}, {&d, "DIALFIC"}};
        for (auto [dialogue, nom] : dialogues) {
            Capturer(dialogue, nom + s);
            EXPECT_TRUE(TextesCoupes(dialogue).empty()) << nom << s;
        }
        EXPECT_EQ(d.findChild<QPushButton*>("101")->text().toStdString(), Cp1252VersUtf8(Texte(r.etat, 519)));
    }
}
