// Writes the sample meeting with the program's own writer: a plan of several
// bands, a dozen cards, a short flight plan and a waiting list.
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/plateforme_silencieuse.h"
#include "freqplan/table_nationale.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"

#include <cstdio>
#include <string>

namespace {

struct Pilote {
    int32_t Numero;
    const char* Nom;
    int32_t Frequence;
    const char* Licence;
    const char* Modele;
};

// Windows-1252 texts, as the records hold them.
const Pilote PILOTES[] = {
    {1, "Martin", 35010, "0712345", "Extra 330 SC"},
    {2, "Durand", 35050, "0623481", "ASW 28 - 4 m"},
    {3, "Lef\xE8vre", 35100, "0598812", "Piper Cub 1/4"},
    {4, "Moreau", 41100, "0734520", "Pitts S2"},
    {5, "Garcia", 41150, "0688213", "Discus 2c"},
    {6, "Bernard", 72210, "0701144", "Fouga Magister"},
    {7, "Petit", 72290, "0651230", "Mustang P-51"},
    {8, "Roux", 26995, "0745561", "Trainer 40"},
    {9, "Fournier", 2400000, "0766102", "Yak 54"},
    {10, "Girard", 2400000, "0710098", "Spitfire Mk IX"},
    {11, "Bonnet", 35150, "0699354", "Ka 8"},
    {12, "Lambert", 40675, "0722813", "Bleriot XI"},
};

void Noeud(EtatGlobal& etat, int32_t fiche, int32_t rang, int32_t liste)
{
    etat.FicheCourante = fiche;
    EntreePlan* n = NouvelleEntreePlan(etat);
    n->Rang = rang;
    n->Liste = liste;
}

std::vector<EntreeFrequence> Plan()
{
    std::vector<int32_t> frequences = {26995, 27045, 27095, 40665, 40675, 40685, 72210, 72250, 72290};
    for (int32_t f = 35000; f <= 35200; f += 10) frequences.push_back(f);
    for (int32_t f = 41060; f <= 41200; f += 10) frequences.push_back(f);
    for (int32_t f = SEUIL_24GHZ; f <= DERNIER_CRENEAU_24; f += PAS_CRENEAU_24) frequences.push_back(f);
    // Each with the channel the national table gives it, as the plan dialog does.
    std::vector<EntreeFrequence> plan;
    for (int32_t f : frequences) {
        int32_t canal = 0;
        for (const FrequenceNationale& n : TableNationale)
            if (n.Frequence == f) canal = n.Canal;
        plan.push_back(NouvelleEntree(f, canal));
    }
    return plan;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <meeting file>\n", argv[0]);
        return 2;
    }
    PlateformeSilencieuse port;
    EtatGlobal etat(port);
    DefinirPlan(etat, Plan());
    for (const Pilote& p : PILOTES) {
        FicheVol* f = NouvelleFiche(etat);
        f->Numero = p.Numero;
        CopierChamp(f->Nom, p.Nom);
        CopierChamp(f->Licence, p.Licence);
        CopierChamp(f->Modele, p.Modele);
        f->Frequence = p.Frequence;
        f->Etat = AuSol;
        if (EntreeFrequence* e = ChercheFrequence(etat, p.Frequence)) {
            ++e->NbUtilisateurs;
            f->Canal = e->Canal;
        }
    }
    FicheVol* remarque = NouvelleFiche(etat);
    remarque->Numero = NumeroRemarqueLibre(etat);
    remarque->Frequence = FREQUENCE_AUCUNE;
    remarque->Etat = Arretee;
    CopierChamp(remarque->Modele, "D\xE9monstration de voltige");

    Noeud(etat, 1, 1, PlanVols);
    Noeud(etat, 6, 2, PlanVols);
    Noeud(etat, FICHE_PAUSE, 3, PlanVols);
    Noeud(etat, remarque->Numero, 4, PlanVols);
    Noeud(etat, 4, 5, PlanVols);
    Noeud(etat, 3, 1, FileAttente);
    Noeud(etat, 11, 2, FileAttente);
    Noeud(etat, 8, 3, FileAttente);

    // Two transmitters out, so the board shows an exit and what it perturbs.
    SortieFrequence(etat, *ChercheFrequence(etat, 35010), 1);
    SortieFrequence(etat, *ChercheFrequence(etat, 35050), 2);
    etat.SauvegardeActive = 1;
    DeriverChemins(etat, argv[1]);
    SauverManifestation(etat);
    return 0;
}
