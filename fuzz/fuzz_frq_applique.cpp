// Any bytes loaded as a frequency plan into a meeting with cards and a
// transmitter out, then validated: the plan in use stays one the stand can run.
#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/plateforme_silencieuse.h"
#include "freqplan/catalogue.h"
#include "freqplan/plan_frequences.h"
#include "stand/sortie.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    const auto lignes = LireFichierFrq(std::string_view(reinterpret_cast<const char*>(octets), taille));
    if (!lignes) return 0;
    PlateformeSilencieuse port;
    EtatGlobal etat(port);
    DefinirPlan(etat, {NouvelleEntree(35010, 61), NouvelleEntree(35050, 65), NouvelleEntree(2400000, 0),
                       NouvelleEntree(2400020, 0)});
    FicheVol* fiche = NouvelleFiche(etat);
    fiche->Numero = 1;
    fiche->Frequence = 35010;
    ++ChercheFrequence(etat, 35010)->NbUtilisateurs;
    SortieFrequence(etat, *ChercheFrequence(etat, 35050), FICHE_LIBRE);
    SortieFrequence(etat, *ChercheFrequence(etat, 2400020), FICHE_LIBRE);
    RecompteSorties(etat);

    OuvrirCatalogue(etat);
    AppliquerFichierFrq(etat, *lignes);
    ValiderPlanFrequences(etat);
    // What was in use is still there, and still out.
    if (IndexActif(etat, 35050) < 0 || IndexActif(etat, 2400020) < 0) std::abort();
    if (etat.Index.Chercher(etat.PlanFrequences, 35010) < 0) std::abort();
    return 0;
}
