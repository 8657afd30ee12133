#include "bench/manifestation_maximale.h"

#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "freqplan/table_nationale.h"

#include <algorithm>
#include <string>

std::unique_ptr<EtatGlobal> ManifestationMaximale(PlateformeSilencieuse& port, int32_t fiches)
{
    auto etat = std::make_unique<EtatGlobal>(port);
    DefinirPlan(*etat, PlanNational());
    for (int32_t numero = 1; numero <= fiches; ++numero) {
        FicheVol* f = NouvelleFiche(*etat);
        f->Numero = numero;
        f->Frequence = TableNationale[static_cast<std::size_t>(numero % 160)].Frequence;
        CopierChamp(f->Nom, "Pilote " + std::to_string(numero));
        CopierChamp(f->Modele, "Planeur de voltige, 3 m d'envergure");
    }
    for (int32_t rang = 1; rang <= 2000; ++rang) {
        etat->FicheCourante = 1 + rang % fiches;
        EntreePlan* n = NouvelleEntreePlan(*etat);
        n->Liste = rang <= 1500 ? PlanVols : FileAttente;
        n->Rang = rang <= 1500 ? rang : rang - 1500;
    }
    etat->SauvegardeActive = 1;
    return etat;
}

std::vector<EntreeFrequence> PlanDeTailleMaximale()
{
    std::vector<EntreeFrequence> plan = PlanNational();
    for (int32_t f = 35001; plan.size() < TAILLE_CATALOGUE; ++f)
        if (std::none_of(plan.begin(), plan.end(), [f](const EntreeFrequence& e) { return e.Frequence == f; }))
            plan.push_back(NouvelleEntree(f, 0));
    return plan;
}
