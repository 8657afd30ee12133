#include "engine/frequences.h"

#include "engine/etat.h"
#include "engine/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const LimitesBande LimitesBandes[6] = {
    {26500, 27400},     // 26 MHz
    {34900, 35999},     // 35 MHz
    {39999, 40999},     // 40 MHz
    {40999, 41300},     // 41 MHz
    {71999, 72999},     // 72 MHz
    {2399999, 2483600}, // 2.4 GHz
};

namespace {

constexpr std::size_t LONGUEUR_MAX_SAISIE = 32;

// MHz as "35.013" or "35,013" to kHz, rounded half up; the whole text must be the number.
std::optional<int64_t> LireMegahertz(std::string_view s)
{
    int64_t entier = 0, fraction = 0, echelle = 1;
    std::size_t i = 0, chiffres = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++chiffres) {
        if (chiffres >= 9) return std::nullopt;
        entier = entier * 10 + (s[i] - '0');
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++chiffres) {
            if (echelle < 1000000000) {
                fraction = fraction * 10 + (s[i] - '0');
                echelle *= 10;
            }
        }
    }
    if (i != s.size() || chiffres == 0) return std::nullopt;
    return entier * 1000 + (fraction * 1000 * 2 + echelle) / (2 * echelle);
}

} // namespace

int BandeDe(int32_t frequence)
{
    for (int i = 0; i < NB_BANDES; ++i)
        if (frequence > LimitesBandes[i].Basse && frequence < LimitesBandes[i].Haute) return i;
    return -1;
}

std::string LibelleFrequence(int32_t frequence)
{
    const double mhz = frequence * 0.001;
    if (mhz > 1000.0) return "2.4 GHz";
    return Formater("%6.3f", mhz);
}

std::string LibelleAvecCanal(int32_t frequence, int32_t canal)
{
    const std::string libelle = LibelleFrequence(frequence);
    if (canal != 0) return Formater("%s__k%3u", libelle.c_str(), static_cast<unsigned>(canal));
    return Formater("%s______", libelle.c_str());
}

EntreeFrequence NouvelleEntree(int32_t frequence, int32_t canal)
{
    EntreeFrequence e{};
    e.Frequence = frequence;
    e.Canal = canal;
    e.Bande = BandeDe(frequence);
    CopierChamp(e.Libelle, LibelleAvecCanal(frequence, canal));
    return e;
}

std::string LibelleEntree(const EtatGlobal& etat, int index)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index)];
    return LibelleAvecCanal(e.Frequence, e.Canal);
}

std::string LibelleSortie(int32_t numeroFiche, const std::string& libelle)
{
    return Formater("(%u)  %s", static_cast<unsigned>(numeroFiche), libelle.c_str());
}

int32_t EntierEnTete(std::string_view texte)
{
    std::size_t i = 0;
    while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\t')) ++i;
    int64_t valeur = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > INT32_MAX) return INT32_MAX;
    }
    return static_cast<int32_t>(valeur);
}

int32_t LireFrequenceAffichee(std::string_view texte)
{
    std::string copie(texte);
    if (const auto point = copie.find('.'); point != std::string::npos) copie.erase(point, 1);
    return EntierEnTete(copie);
}

int IndexCatalogue(const EtatGlobal& etat, int32_t frequence)
{
    for (std::size_t i = 0; i < etat.CatalogueFrequences.size(); ++i)
        if (etat.CatalogueFrequences[i].Frequence == frequence) return static_cast<int>(i);
    return -1;
}

int EstEmettrice(const EtatGlobal& etat, int index)
{
    return etat.PlanFrequences[static_cast<std::size_t>(index)].Etat >= Sortie;
}

namespace {

void TrierParFrequence(std::vector<EntreeFrequence>& table)
{
    std::sort(table.begin(), table.end(), [](const EntreeFrequence& a, const EntreeFrequence& b) {
        return a.Frequence < b.Frequence;
    });
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].Index = static_cast<int32_t>(i);
        table[i].Bande = BandeDe(table[i].Frequence);
    }
}

} // namespace

void TrierPlan(EtatGlobal& etat)
{
    TrierParFrequence(etat.PlanFrequences);
    etat.FrequencesTouchees.resize(etat.PlanFrequences.size(), 0);
    etat.Actives.reserve(etat.PlanFrequences.size());
    etat.Index.Reconstruire(etat.PlanFrequences);

    etat.NbParBande.fill(0);
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Bande >= 0) ++etat.NbParBande[static_cast<std::size_t>(e.Bande)];
    etat.NbBandesUtilisees = static_cast<int32_t>(
        std::count_if(etat.NbParBande.begin(), etat.NbParBande.end(), [](int32_t n) { return n > 0; }));
    etat.MaxParBande = *std::max_element(etat.NbParBande.begin(), etat.NbParBande.end());
    etat.PageGauche = 0;
    etat.PageDroite = etat.NbBandesUtilisees > 5 ? 1 : 0;
}

void TrierCatalogue(EtatGlobal& etat)
{
    TrierParFrequence(etat.CatalogueFrequences);
    etat.NbValidesParBande.fill(0);
    for (const EntreeFrequence& e : etat.CatalogueFrequences)
        if (e.Valide == 1 && e.Bande >= 0) ++etat.NbValidesParBande[static_cast<std::size_t>(e.Bande)];
}

std::string TexteFicheHistorique(int32_t frequence, int32_t numero, std::string_view nom)
{
    const std::string n(nom);
    if (Est24GHz(frequence)) return Formater("2.4 GHz  n\xB0 %u - %s", static_cast<unsigned>(numero), n.c_str());
    return Formater("%d - n\xB0 %u - %s", frequence, static_cast<unsigned>(numero), n.c_str());
}

std::string TexteVolHistorique(int32_t frequence, int32_t numero, std::string_view nom)
{
    const std::string n(nom);
    if (Est24GHz(frequence)) return Formater("2.4 GHz n\xB0 %u - %s", static_cast<unsigned>(numero), n.c_str());
    return Formater("%ld - n\xB0 %u - %s", static_cast<long>(frequence), static_cast<unsigned>(numero), n.c_str());
}

std::string TexteLibreHistorique(int32_t frequence, std::string_view texte)
{
    const std::string t(texte);
    if (Est24GHz(frequence)) return Formater("2.4 GHz %s", t.c_str());
    return Formater("%ld   %s", static_cast<long>(frequence), t.c_str());
}

std::string TexteLibreDetailsHistorique(int32_t frequence, std::string_view texte)
{
    const std::string t(texte);
    if (Est24GHz(frequence)) return Formater("2.4GHz %s", t.c_str());
    return Formater("%ld %s", static_cast<long>(frequence), t.c_str());
}

std::optional<int32_t> LireFrequenceTexte(std::string_view texte)
{
    if (texte.size() > LONGUEUR_MAX_SAISIE) return std::nullopt;
    const std::string_view s = SansBlancs(texte);
    if (s.empty()) return std::nullopt;
    const int32_t khz = EntierEnTete(s);
    if (BandeDe(khz) >= 0) return khz;
    const auto mhz = LireMegahertz(s);
    if (!mhz || *mhz > INT32_MAX || BandeDe(static_cast<int32_t>(*mhz)) < 0) return std::nullopt;
    return static_cast<int32_t>(*mhz);
}

int32_t ArrondirGrille5(int32_t frequence)
{
    const int32_t r = frequence % 5;
    return r < 3 ? frequence - r : frequence - r + 5;
}

std::optional<int32_t> LireFrequenceSaisie(std::string_view texte)
{
    const auto lue = LireFrequenceTexte(texte);
    if (!lue) return std::nullopt;
    int32_t f = ArrondirGrille5(*lue);
    if (BandeDe(f) == BANDE_24GHZ) f = SEUIL_24GHZ;
    if (BandeDe(f) < 0) return std::nullopt;
    return f;
}
