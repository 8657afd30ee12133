#include "cards/dictionnaire.h"
#include "engine/frequences.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <algorithm>

// The sample meeting and dictionary that the build writes and the installer puts in place.
TEST(ManifestationExemple, AClubMeetingOnTheFrenchPlanReadyToRun)
{
    Reunion r;
    ASSERT_TRUE(ReprendreManifestation(r.etat, KORAL_BUILD_DIR "/exemple/EXEMPLE4.MHZ"));
    r.etat.SauvegardeActive = 0;
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_EQ(r.etat.NbBandesUtilisees, 6);
    EXPECT_EQ(r.Entree(41100).Canal, 410);
    int pilotes = 0;
    for (const FicheVol& f : r.etat.Fiches) pilotes += EstFichePilote(f.Numero);
    EXPECT_EQ(pilotes, 40);
    int pauses = 0, remarques = 0;
    for (const EntreePlan& e : r.etat.ListePlan) {
        pauses += e.Liste == PlanVols && e.NumeroFiche == FICHE_PAUSE;
        remarques += e.Liste == PlanVols && EstRemarque(e.NumeroFiche);
    }
    EXPECT_EQ(pauses, 2);
    EXPECT_EQ(remarques, 3);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 4);
    // Every card's frequency counts its users.
    for (const EntreeFrequence& e : r.etat.PlanFrequences) {
        int cartes = 0;
        for (const FicheVol& f : r.etat.Fiches) cartes += f.Frequence == e.Frequence;
        EXPECT_EQ(e.NbUtilisateurs, cartes) << e.Frequence;
    }
    const std::vector<std::string> mots = LireDictionnaire(LireOctets(KORAL_BUILD_DIR "/exemple/DICO_KORAL.TXT"));
    EXPECT_GE(mots.size(), 60u);
    EXPECT_NE(std::find(mots.begin(), mots.end(), "H\xE9licopt\xE8re"), mots.end());
}
