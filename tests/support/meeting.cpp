#include "tests/support/meeting.h"

#include "engine/frequences.h"
#include "freqplan/table_nationale.h"

#include <gtest/gtest.h>

void Reunion::Plan(std::initializer_list<int32_t> frequences)
{
    Plan(std::vector<int32_t>(frequences));
}

void Reunion::Plan(const std::vector<int32_t>& frequences)
{
    std::vector<EntreeFrequence> plan;
    for (int32_t f : frequences) plan.push_back(NouvelleEntree(f, 0));
    DefinirPlan(etat, std::move(plan));
}

int Reunion::Index(int32_t frequence) const
{
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Frequence == frequence) return e.Index;
    ADD_FAILURE() << frequence << " is not in the plan";
    return 0;
}

EntreeFrequence& Reunion::Entree(int32_t frequence)
{
    return etat.PlanFrequences[static_cast<std::size_t>(Index(frequence))];
}

FicheVol& Reunion::Fiche(int32_t numero, const std::string& nom, int32_t frequence)
{
    FicheVol* f = NouvelleFiche(etat);
    f->Numero = numero;
    CopierChamp(f->Nom, nom);
    f->Frequence = frequence;
    f->Etat = AuSol;
    return *f;
}

std::vector<int32_t> Reunion::PlanNational()
{
    std::vector<int32_t> f;
    for (const FrequenceNationale& n : TableNationale) f.push_back(n.Frequence);
    return f;
}

std::vector<int32_t> PlanExemple35()
{
    return {35000, 35010, 35020, 35030, 35045, 35050, 35080, 35090, 35095, 35500, 35990};
}
