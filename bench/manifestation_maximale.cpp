#include "bench/manifestation_maximale.h"

#include "freqplan/catalogue.h"
#include "freqplan/table_nationale.h"

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
