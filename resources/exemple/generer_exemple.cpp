// Writes the sample meeting with the program's own writer, and the sample
// dictionary in the format the program reads: a club meeting on the national
// plan of France, forty pilots, a flight plan with pauses and remarks, a
// waiting list, nothing out.
#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/plateforme_silencieuse.h"
#include "freqplan/plan_frequences.h"
#include "storage/fichier_atomique.h"
#include "storage/manifestation.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

struct Pilote {
    const char* Nom;
    int32_t Frequence;
    const char* Modele;
    const char* Remarques;
};

// UTF-8 here, Windows-1252 in the records.
const Pilote PILOTES[] = {
    {"Martin Jean", 41100, "Extra 330", ""},
    {"Bernard Luc", 72210, "Planeur F3J", "Treuil personnel"},
    {"Dubois Marie", 2400000, "Avion école", "Débutante, en double commande"},
    {"Thomas Paul", 41060, "Motoplaneur électrique", ""},
    {"Robert Anne", 72250, "Pitts S2", ""},
    {"Richard Yves", 2400000, "Hélicoptère 3D", "Vol en zone hélico"},
    {"Petit Claire", 41150, "Piper Cub", ""},
    {"Durand Hugo", 72290, "Spitfire", "Moteur thermique 4 temps"},
    {"Leroy Sophie", 2400000, "Aile volante", ""},
    {"Moreau Éric", 26995, "Avion de début", "Radio ancienne"},
    {"Simon Louis", 41200, "Cap 232", ""},
    {"Laurent Julie", 72330, "Planeur de pente", ""},
    {"Lefèbvre Marc", 2400000, "Jet à turbine", "Piste longue nécessaire"},
    {"Michel Lucie", 40665, "Remorqueur", "Remorque les planeurs l'après-midi"},
    {"Garcia Pedro", 2400000, "Yak 54", ""},
    {"David Emma", 41110, "Robin DR400", ""},
    {"Bertrand Jules", 72370, "Mustang P-51", ""},
    {"Roux Camille", 2400000, "Multirotor", ""},
    {"Vincent Noé", 35010, "Ka 8", ""},
    {"Fournier Léa", 41170, "Hydravion", "Vol sur le lac le dimanche"},
    {"Morel Tom", 72410, "Edge 540", ""},
    {"Girard Inès", 2400000, "Discus", ""},
    {"André Gabriel", 41080, "Fouga Magister", ""},
    {"Mercier Chloé", 72450, "Biplan", ""},
    {"Dupont Arthur", 2400000, "Avion de voltige 3D", ""},
    {"Lambert Zoé", 41130, "Planeur maquette", ""},
    {"Bonnet Hugo", 72490, "Corsair F4U", ""},
    {"François Lina", 2400000, "Autogire", ""},
    {"Martinez Raphaël", 40685, "Jodel D112", ""},
    {"Legrand Manon", 41190, "Swift S-1", ""},
    {"Garnier Adam", 2400000, "Rafale", "Démonstration à 16 h"},
    {"Faure Jade", 26815, "Demoiselle", ""},
    {"Rousseau Léo", 41070, "Blériot XI", ""},
    {"Blanc Alice", 72230, "Sukhoi Su-26", ""},
    {"Guerin Nathan", 2400000, "Drone de course", ""},
    {"Muller Eva", 41140, "Duo Discus", ""},
    {"Henry Lucas", 72270, "Mirage 2000", ""},
    {"Roussel Rose", 2400000, "Cessna 182", ""},
    {"Nicolas Théo", 35000, "ASW 28", ""},
    {"Perrin Louise", 41090, "Fox", ""},
};

std::string Cp(const char* utf8) { return Utf8VersCp1252(utf8); }

void Noeud(EtatGlobal& etat, int32_t fiche, int32_t liste)
{
    etat.FicheCourante = fiche;
    EntreePlan* n = NouvelleEntreePlan(etat);
    n->Liste = liste;
    int32_t rang = 0;
    for (const EntreePlan& e : etat.ListePlan) rang += e.Liste == liste;
    n->Rang = rang;
    if (FicheVol* f = ChercheFiche(etat, fiche, 0); f && liste == PlanVols && EstFichePilote(fiche)) ++f->NbVolsPlanifies;
}

int32_t Remarque(EtatGlobal& etat, const char* texte)
{
    FicheVol* r = NouvelleFiche(etat);
    r->Numero = NumeroRemarqueLibre(etat);
    r->Frequence = FREQUENCE_AUCUNE;
    r->Etat = Arretee;
    CopierChamp(r->Modele, Cp(texte));
    return r->Numero;
}

bool EcrireDictionnaire(const std::string& source, const std::string& sortie)
{
    const auto texte = LireFichierEntier(source, 1 << 20);
    if (!texte) return false;
    std::string cp;
    for (std::string_view ligne : Lignes(*texte))
        if (!ligne.empty()) cp += Utf8VersCp1252(ligne) + "\r\n";
    return EcrireFichierAtomique(sortie, cp) == EchecEcriture::Aucun;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s <meeting file> [<dictionary source, UTF-8> <dictionary file>]\n", argv[0]);
        return 2;
    }
    PlateformeSilencieuse port;
    EtatGlobal etat(port);

    // The national plan of France, with its channels.
    OuvrirCatalogue(etat);
    std::array<bool, 8> nations{};
    nations[3] = true;
    EnregistrerNations(etat, nations);
    AppliquerNations(etat);
    ValiderPlanFrequences(etat);

    int32_t numero = 0;
    for (const Pilote& p : PILOTES) {
        FicheVol* f = NouvelleFiche(etat);
        f->Numero = ++numero;
        CopierChamp(f->Nom, Cp(p.Nom));
        CopierChamp(f->Licence, "FR-0" + std::to_string(712300 + 37 * numero));
        CopierChamp(f->Modele, Cp(p.Modele));
        CopierChamp(f->Remarques, Cp(p.Remarques));
        f->Frequence = p.Frequence;
        f->Etat = AuSol;
        if (EntreeFrequence* e = ChercheFrequence(etat, p.Frequence)) {
            ++e->NbUtilisateurs;
            f->Canal = e->Canal;
        }
    }

    // The afternoon display: three sequences split by pauses, with remarks.
    Noeud(etat, Remarque(etat, "Ouverture : voltige"), PlanVols);
    for (int32_t n : {1, 5, 11, 15, 21}) Noeud(etat, n, PlanVols);
    Noeud(etat, FICHE_PAUSE, PlanVols);
    Noeud(etat, Remarque(etat, "Planeurs remorqués"), PlanVols);
    for (int32_t n : {14, 2, 22, 36}) Noeud(etat, n, PlanVols);
    Noeud(etat, FICHE_PAUSE, PlanVols);
    Noeud(etat, Remarque(etat, "Démonstration des jets et du Rafale"), PlanVols);
    for (int32_t n : {13, 31, 8, 17}) Noeud(etat, n, PlanVols);
    // The morning queue.
    for (int32_t n : {3, 9, 19, 4}) Noeud(etat, n, FileAttente);

    etat.SauvegardeActive = 1;
    DeriverChemins(etat, argv[1]);
    SauverManifestation(etat);
    if (etat.EchecSauvegarde) return 1;
    if (argc == 4 && !EcrireDictionnaire(argv[2], argv[3])) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
