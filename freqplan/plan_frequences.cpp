#include "freqplan/plan_frequences.h"

#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "freqplan/table_nationale.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "storage/fichier_atomique.h"
#include "storage/manifestation.h"

#include <cstdio>
#include <utility>

namespace {

// A plan file holds at most a few hundred short lines; anything much larger is
// not one, and is refused before it is read into memory.
constexpr std::size_t TAILLE_MAX_FRQ = 64 * 1024;
// Longest line accepted ("2400480, 4294967295" is 19 characters): a longer one
// means the file is not a plan.
constexpr std::size_t LONGUEUR_MAX_LIGNE_FRQ = 64;

// Validates again, with one message each, the records that the plan being
// prepared would drop while they are still needed. The 2.4 GHz slots stand or
// fall together (a band kept with some slots only would leave transmitters
// waiting for a slot that is no longer in the plan): one message for the band.
void Revalider(EtatGlobal& etat, const std::string& format, bool (*necessaire)(const EntreeFrequence&))
{
    bool bande24 = false;
    for (std::size_t i = 0; i < etat.CatalogueFrequences.size(); ++i) {
        const EntreeFrequence& e = etat.CatalogueFrequences[i];
        if (e.Valide == 1 || !necessaire(e)) continue;
        if (e.Bande == BANDE_24GHZ) {
            bande24 = true;
            continue;
        }
        AvertirFrequence(etat, format, LibelleFrequence(e.Frequence));
        etat.CatalogueFrequences[i].Valide = 1;
    }
    if (!bande24) return;
    AvertirFrequence(etat, format, Texte(etat, 179));
    ValiderCreneaux24(etat);
}

bool UtiliseeParFiche(const EntreeFrequence& e) { return e.NbUtilisateurs > 0; }
bool EmetteurSorti(const EntreeFrequence& e) { return e.Etat >= Sortie; }

void Devalider(EtatGlobal& etat, int32_t frequence)
{
    if (const int i = IndexCatalogue(etat, frequence); i >= 0) etat.CatalogueFrequences[static_cast<std::size_t>(i)].Valide = 0;
}

void Valider(EtatGlobal& etat, int32_t frequence)
{
    if (const int i = IndexCatalogue(etat, frequence); i >= 0) etat.CatalogueFrequences[static_cast<std::size_t>(i)].Valide = 1;
}

std::string_view SansBlancsDevant(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n')) s.remove_prefix(1);
    return s;
}

DemandeFichier DemandeFrq(EtatGlobal& etat, std::string titre, bool enregistrer)
{
    return DemandeAutreFichier(etat, std::move(titre), 158, "frq", enregistrer);
}

} // namespace

void OuvrirCatalogue(EtatGlobal& etat)
{
    ConstruireCatalogue(etat);
}

void ValiderPlanFrequences(EtatGlobal& etat)
{
    AppliquerCatalogue(etat);
}

void AbandonnerPlanFrequences(EtatGlobal& etat)
{
    AbandonnerCatalogue(etat);
}

std::array<bool, 8> CasesNations(const EtatGlobal& etat)
{
    std::array<bool, 8> cases{};
    for (int n = 0; n < NB_NATIONS; ++n) cases[static_cast<std::size_t>(n)] = etat.NationsChoisies[static_cast<std::size_t>(n)] != 0;
    return cases;
}

void EnregistrerNations(EtatGlobal& etat, const std::array<bool, 8>& cases)
{
    for (int n = 0; n < NB_NATIONS; ++n) etat.NationsChoisies[static_cast<std::size_t>(n)] = cases[static_cast<std::size_t>(n)] ? 1 : 0;
}

void AppliquerNations(EtatGlobal& etat)
{
    for (const FrequenceNationale& f : TableNationale) Devalider(etat, f.Frequence);
    for (int n = 0; n < NB_NATIONS; ++n) {
        if (!etat.NationsChoisies[static_cast<std::size_t>(n)]) continue;
        const AutorisationsNation& autorisees = AutorisationsNationales[static_cast<std::size_t>(n)];
        for (std::size_t k = 0; k < TableNationale.size(); ++k)
            if (autorisees[k]) Valider(etat, TableNationale[k].Frequence);
    }
    // Personal additions were not devalidated, so only national records can be
    // caught here; the catalogue is sorted, so they come in table order.
    Revalider(etat, Texte(etat, 157), EstProtegee);
    TrierCatalogue(etat);
}

std::optional<std::vector<LigneFrq>> LireFichierFrq(std::string_view octets)
{
    // Only digits, blanks and commas matter, the same bytes in UTF-8 and in
    // Windows-1252; an editor's UTF-8 mark is all there is to skip.
    if (octets.starts_with("\xEF\xBB\xBF")) octets.remove_prefix(3);
    if (octets.find('\r') == std::string_view::npos) return std::nullopt;
    std::vector<LigneFrq> lignes;
    while (!octets.empty()) {
        // A last line without its CR still counts.
        const std::size_t cr = octets.find('\r');
        const std::string_view brute = octets.substr(0, cr);
        octets.remove_prefix(cr == std::string_view::npos ? octets.size() : cr + 1);
        if (!octets.empty() && octets.front() == '\n') octets.remove_prefix(1);
        if (brute.size() > LONGUEUR_MAX_LIGNE_FRQ) return std::nullopt;
        const std::string_view ligne = SansBlancsDevant(brute);
        // A blank line (one left at the end by an editor) says nothing.
        if (ligne.empty()) continue;
        const int32_t frequence = ArrondirGrille5(EntierEnTete(ligne));
        if (BandeDe(frequence) < 0) return std::nullopt;
        const std::size_t virgule = ligne.find(',');
        const int32_t canal = virgule == std::string_view::npos ? 0 : EntierEnTete(ligne.substr(virgule + 1));
        lignes.push_back({frequence, canal});
    }
    return lignes;
}

std::string TexteFichierFrq(EtatGlobal& etat)
{
    TrierCatalogue(etat);
    std::string texte;
    for (const EntreeFrequence& e : etat.CatalogueFrequences) {
        if (e.Valide != 1) continue;
        texte += Formater("%lu, %u\r\n", static_cast<unsigned long>(e.Frequence), static_cast<unsigned>(e.Canal));
    }
    return texte;
}

void AppliquerFichierFrq(EtatGlobal& etat, const std::vector<LigneFrq>& lignes)
{
    for (EntreeFrequence& e : etat.CatalogueFrequences) e.Valide = 0;
    for (const LigneFrq& l : lignes) {
        const int i = IndexCatalogue(etat, l.Frequence);
        if (i >= 0) {
            EntreeFrequence& e = etat.CatalogueFrequences[static_cast<std::size_t>(i)];
            e.Valide = 1;
            e.Canal = l.Canal;
            CopierChamp(e.Libelle, LibelleCatalogue(e));
        } else if (BandeDe(l.Frequence) == BANDE_24GHZ) {
            // A 2.4 GHz frequency that is not one of the slots stands for the band,
            // as when it is typed by hand.
            ValiderCreneaux24(etat);
        } else {
            AjouterAuCatalogue(etat, l.Frequence, l.Canal);
        }
    }
    Revalider(etat, Texte(etat, 159), UtiliseeParFiche);
    // A free-service transmitter has no card to protect its frequency, yet it is
    // switched on: it must not vanish from the stand.
    Revalider(etat, Texte(etat, 167), EmetteurSorti);
    TrierCatalogue(etat);
}

bool SauverPlanFrequences(EtatGlobal& etat)
{
    TrierCatalogue(etat);
    DemandeFichier d = DemandeFrq(etat, Texte(etat, 160), true);
    d.NomPropose = FormaterTexte(Texte(etat, 161), DateSoulignee(etat).c_str());
    const auto chemin = etat.Port.Fichier(d);
    if (!chemin) return false;
    // Written aside and renamed: a half-written plan file is worse than none.
    const EchecEcriture echec = EcrireFichierAtomique(*chemin, TexteFichierFrq(etat));
    if (echec == EchecEcriture::Aucun) return true;
    SignalerEchecEcriture(etat, *chemin, echec);
    return false;
}

ResultatChargement ChargerPlanFrequences(EtatGlobal& etat)
{
    const auto chemin = etat.Port.Fichier(DemandeFrq(etat, Texte(etat, 162), false));
    if (!chemin) return ResultatChargement::Annule;
    const auto octets = LireFichierEntier(*chemin, TAILLE_MAX_FRQ);
    const auto lignes = octets ? LireFichierFrq(*octets) : std::nullopt;
    if (!lignes) {
        AfficherMessageTexte(etat, 88);
        AbandonnerCatalogue(etat);
        return ResultatChargement::Incompatible;
    }
    AppliquerFichierFrq(etat, *lignes);
    return ResultatChargement::Charge;
}
