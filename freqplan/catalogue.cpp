#include "freqplan/catalogue.h"

#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "freqplan/table_nationale.h"
#include "engine/messages.h"
#include "engine/textes.h"

#include <algorithm>

namespace {

EntreeFrequence CreneauVide()
{
    EntreeFrequence e{};
    e.Frequence = FREQUENCE_CRENEAU_LIBRE;
    e.Bande = -1;
    return e;
}

void PoserEntreeDuPlan(EtatGlobal& etat, const EntreeFrequence& entree)
{
    int i = IndexCatalogue(etat, entree.Frequence);
    if (i < 0 && BandeDe(entree.Frequence) >= 0) i = CreneauLibre(etat);
    if (i < 0) return;
    EntreeFrequence& c = etat.CatalogueFrequences[static_cast<std::size_t>(i)];
    c = entree;
    // A plan laid in by other means than this dialog may not carry the flag.
    c.Valide = 1;
}

} // namespace

std::vector<EntreeFrequence> PlanNational()
{
    std::vector<EntreeFrequence> plan;
    for (const FrequenceNationale& n : TableNationale) plan.push_back(NouvelleEntree(n.Frequence, n.Canal));
    return plan;
}

void ConstruireCatalogue(EtatGlobal& etat)
{
    auto& catalogue = etat.CatalogueFrequences;
    catalogue.clear();
    catalogue.reserve(TAILLE_CATALOGUE);
    for (const FrequenceNationale& n : TableNationale) catalogue.push_back(NouvelleEntree(n.Frequence, n.Canal));
    catalogue.resize(TAILLE_CATALOGUE, CreneauVide());
    for (const EntreeFrequence& e : etat.PlanFrequences) PoserEntreeDuPlan(etat, e);
    TrierCatalogue(etat);
}

void AbandonnerCatalogue(EtatGlobal& etat)
{
    etat.CatalogueFrequences.clear();
    etat.CatalogueFrequences.shrink_to_fit();
}

void AvertirFrequence(EtatGlobal& etat, const std::string& format, const std::string& quoi)
{
    etat.TexteMessage = FormaterTexte(format, quoi.c_str());
    etat.JeuBoutons = BOUTONS_OK;
    AfficherMessage(etat);
}

bool EstProtegee(const EntreeFrequence& e)
{
    return e.NbUtilisateurs > 0 || e.Etat >= Sortie;
}

std::string LibelleCatalogue(const EntreeFrequence& e)
{
    const std::string libelle = LibelleAvecCanal(e.Frequence, e.Canal);
    // A free-service exit keeps the plain label on its light.
    if (e.Etat >= Sortie && e.FicheEmettrice != FICHE_LIBRE) return LibelleSortie(e.FicheEmettrice, libelle);
    return libelle;
}

int CreneauLibre(const EtatGlobal& etat)
{
    return IndexCatalogue(etat, FREQUENCE_CRENEAU_LIBRE);
}

bool AjouterAuCatalogue(EtatGlobal& etat, int32_t frequence, int32_t canal)
{
    const int i = CreneauLibre(etat);
    if (i < 0) return false;
    EntreeFrequence& c = etat.CatalogueFrequences[static_cast<std::size_t>(i)];
    c.Valide = 1;
    c.Frequence = frequence;
    c.Canal = canal;
    c.Bande = BandeDe(frequence);
    CopierChamp(c.Libelle, LibelleAvecCanal(frequence, canal));
    return true;
}

void ValiderCreneaux24(EtatGlobal& etat)
{
    for (int32_t f = SEUIL_24GHZ; f <= DERNIER_CRENEAU_24; f += PAS_CRENEAU_24)
        if (const int i = IndexCatalogue(etat, f); i >= 0) etat.CatalogueFrequences[static_cast<std::size_t>(i)].Valide = 1;
}

bool Bande24Protegee(const EtatGlobal& etat)
{
    return std::any_of(etat.CatalogueFrequences.begin(), etat.CatalogueFrequences.end(),
                       [](const EntreeFrequence& e) { return e.Bande == BANDE_24GHZ && EstProtegee(e); });
}

void AppliquerCatalogue(EtatGlobal& etat)
{
    std::vector<EntreeFrequence> plan;
    for (const EntreeFrequence& c : etat.CatalogueFrequences) {
        if (c.Valide != 1) continue;
        EntreeFrequence e = c;
        e.Etat = Libre;
        e.Perturbations = 0;
        e.PerturbationsImage = 0;
        plan.push_back(e);
    }
    DefinirPlan(etat, std::move(plan));
    // One transmitter at a time, as they went out: each pair's products are
    // counted once, when the second of the two is applied.
    for (const EntreeFrequence& c : etat.CatalogueFrequences) {
        if (c.Valide != 1 || c.Etat < Sortie) continue;
        const int i = etat.Index.Chercher(etat.PlanFrequences, c.Frequence);
        if (i < 0) continue;
        etat.PlanFrequences[static_cast<std::size_t>(i)].Etat = c.Etat;
        AppliquerSortie(etat, i, SORTANT);
    }
    AbandonnerCatalogue(etat);
    MajEtatsFrequences(etat);
    RecompteSorties(etat);
}
