#include "engine/conflit.h"

#include "engine/compatibilite.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

constexpr std::string_view SUITE = "...";

// The detail holds 127 characters: a line goes in whole when it fits, and the
// first one that does not is replaced by "..." so the reader sees the list goes
// on. Should the lines before leave no room for the mark, the last of them gives
// way to it: a list is never shown cut without saying so.
class Detail {
public:
    explicit Detail(EtatGlobal& etat) : etat_(etat) {}

    void Ligne(const std::string& ligne)
    {
        auto& d = etat_.TexteDetail;
        if (coupe_) return;
        if (d.Place() >= ligne.size()) {
            d.Ajouter(ligne);
            derniere_ = ligne.size();
            return;
        }
        if (d.Place() < SUITE.size()) d = d.Vue().substr(0, d.Longueur() - derniere_);
        d.Ajouter(SUITE);
        coupe_ = true;
    }

private:
    EtatGlobal& etat_;
    std::size_t derniere_ = 0;
    bool coupe_ = false;
};

struct Emetteur {
    bool Identifie;
    int32_t Numero;
    std::string Nom;
};

// The transmitter on an entry out; `libre_seulement`: only a free-service exit
// counts as unknown, whatever the mode. Nothing when its card is missing (fatal).
bool Identifier(EtatGlobal& etat, int index, bool libre_seulement, Emetteur& e)
{
    const EntreeFrequence& entree = etat.PlanFrequences[static_cast<std::size_t>(index)];
    e.Numero = entree.FicheEmettrice;
    e.Identifie = entree.FicheEmettrice != FICHE_LIBRE && (libre_seulement || etat.ModeSortie != ModeLibreService);
    if (!e.Identifie) return true;
    const FicheVol* fiche = ChercheFiche(etat, entree.FicheEmettrice, 1);
    if (!fiche) return false;
    e.Nom = std::string(VueChamp(fiche->Nom));
    return true;
}

// "%s - n° %u - %s\n" for an identified transmitter, `inconnu` otherwise.
bool LigneEmetteur(EtatGlobal& etat, Detail& detail, int index, const char* inconnu)
{
    Emetteur e;
    if (!Identifier(etat, index, false, e)) return false;
    const std::string libelle = LibelleEntree(etat, index);
    if (!e.Identifie) detail.Ligne(Formater(inconnu, libelle.c_str()));
    else detail.Ligne(Formater("%s - n\xB0 %u - %s\n", libelle.c_str(), static_cast<unsigned>(e.Numero), e.Nom.c_str()));
    return true;
}

// A transmitter of the 455 kHz and image-of-product explanations.
bool LigneImage(EtatGlobal& etat, Detail& detail, int index, int texte, const char* inconnu, const char* connu)
{
    Emetteur e;
    if (!Identifier(etat, index, true, e)) return false;
    const std::string s = Texte(etat, texte);
    const std::string m = LibelleFrequence(etat.PlanFrequences[static_cast<std::size_t>(index)].Frequence);
    if (!e.Identifie) detail.Ligne(Formater(inconnu, s.c_str(), m.c_str()));
    else detail.Ligne(Formater(connu, s.c_str(), m.c_str(), static_cast<unsigned>(e.Numero), e.Nom.c_str()));
    return true;
}

bool LimiteAtteinte(const EtatGlobal& etat)
{
    const auto& c = etat.Contraintes;
    return c.LimiteEmissions && etat.NbSorties >= c.NbMaxEmissions;
}

// Which perturbation test refuses the entry, 0 for none (the intermodulation check on).
int32_t Perturbation(const EntreeFrequence& e)
{
    switch (e.Etat) {
    case Intermodulee:
    case FrequenceImage: return e.Perturbations > 0 ? CONFLIT_PERTURBEE : 0;
    case Modulante:
    case ImagePerturbee: return CONFLIT_PERTURBATRICE;
    default: return 0;
    }
}

int32_t Maximum(EtatGlobal& etat)
{
    if (!LimiteAtteinte(etat)) return 0;
    etat.TexteMessage = FormaterTexte(Texte(etat, 89), static_cast<unsigned>(etat.NbSorties));
    return CONFLIT_MAXIMUM;
}

int32_t MemePilote24(EtatGlobal& etat, int32_t frequence)
{
    if (!Est24GHz(frequence)) return 0;
    for (const FicheVol& f : etat.Fiches)
        if (f.Numero == etat.FicheCourante && f.Etat >= EnVol) {
            ChargerMessage(etat, 91);
            return CONFLIT_OCCUPEE;
        }
    return 0;
}

int32_t Occupee(EtatGlobal& etat, const EntreeFrequence& e)
{
    if (e.Etat < Sortie) return 0;
    if (etat.ModeSortie == ModeLibreService) {
        ChargerMessage(etat, 92);
        return CONFLIT_OCCUPEE;
    }
    ChargerMessage(etat, 90);
    if (e.FicheEmettrice == FICHE_LIBRE) {
        etat.TexteDetail = "???";
    } else if (e.FicheEmettrice == etat.FicheCourante) {
        ChargerMessage(etat, 91);
    } else if (const FicheVol* f = ChercheFiche(std::as_const(etat), e.FicheEmettrice)) {
        etat.TexteDetail = Formater("n\xB0 %u - %s", static_cast<unsigned>(f->Numero), std::string(VueChamp(f->Nom)).c_str());
    }
    return CONFLIT_OCCUPEE;
}

int32_t Voisine(EtatGlobal& etat, Detail& detail, int k, bool& perdu)
{
    if (!etat.Contraintes.Ecart20kHz || !VoisineActive(etat, k)) return 0;
    ChargerMessage(etat, 93);
    perdu = !LigneEmetteur(etat, detail, etat.VoisinBloquant, "???\n");
    return CONFLIT_VOISINE;
}

bool LignesMarquees(EtatGlobal& etat, Detail& detail, const char* inconnu)
{
    for (int i = 0; i < etat.NbFrequences(); ++i)
        if (etat.FrequencesTouchees[static_cast<std::size_t>(i)] && !LigneEmetteur(etat, detail, i, inconnu))
            return false;
    return true;
}

bool ImagePerturbeeExpliquee(EtatGlobal& etat, Detail& detail, int32_t f)
{
    if (const int i = IndexActif(etat, f + DECALAGE_FI); i >= 0)
        return LigneImage(etat, detail, i, 644, "%s %s - ???\n", "%s %s - n\xB0 %u %s\n");
    if (const int i = IndexActif(etat, f - DECALAGE_FI); i >= 0)
        return LigneImage(etat, detail, i, 642, "%s %s - ???\n", "%s %s - n\xB0 %u %s\n");
    const auto& plan = etat.PlanFrequences;
    for (int a = 0; a < etat.NbFrequences(); ++a) {
        if (plan[static_cast<std::size_t>(a)].Etat < Sortie) continue;
        for (int b = 0; b < a; ++b) {
            if (plan[static_cast<std::size_t>(b)].Etat < Sortie) continue;
            if (2 * plan[static_cast<std::size_t>(b)].Frequence - plan[static_cast<std::size_t>(a)].Frequence + DECALAGE_IMAGE != f) continue;
            if (!LigneImage(etat, detail, a, 644, "%s %s - ???\n", "%s %s - n\xB0 %u %s\n")) return false;
            if (!LigneImage(etat, detail, b, 642, "%s : %s - ???", "%s : %s - n\xB0 %u %s")) return false;
        }
    }
    return true;
}

int32_t Perturbations(EtatGlobal& etat, Detail& detail, int k, bool& perdu)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(k)];
    if (!etat.Contraintes.ControleIntermodulation || !Perturbation(e)) return 0;
    switch (e.Etat) {
    case Intermodulee:
        ChargerMessage(etat, 94);
        EffacerTouches(etat);
        for (int x = 0; x < etat.NbFrequences(); ++x)
            if (etat.PlanFrequences[static_cast<std::size_t>(x)].Etat >= Sortie) ListerPerturbateurs(etat, e.Frequence, x);
        perdu = !LignesMarquees(etat, detail, "??? \n");
        return CONFLIT_PERTURBEE;
    case FrequenceImage: {
        const int source = etat.Index.Chercher(etat.PlanFrequences, e.Frequence + DECALAGE_IMAGE);
        if (source >= 0) {
            ChargerMessage(etat, 96);
            perdu = !LigneEmetteur(etat, detail, source, "??? \n");
        }
        return CONFLIT_PERTURBEE;
    }
    case Modulante:
        ChargerMessage(etat, 95);
        ModuleraSurActives(etat, k);
        perdu = !LignesMarquees(etat, detail, "%s - ???\n");
        return CONFLIT_PERTURBATRICE;
    case ImagePerturbee:
        ChargerMessage(etat, 151);
        perdu = !ImagePerturbeeExpliquee(etat, detail, e.Frequence);
        return CONFLIT_PERTURBATRICE;
    default:
        return 0;
    }
}

int32_t Montrer(EtatGlobal& etat, int32_t resultat, bool afficher)
{
    etat.ResultatConflit = resultat;
    if (resultat && afficher) {
        etat.JeuBoutons = BOUTONS_OK;
        etat.SujetAide = SUJET_AIDE_CONFLIT;
        AfficherMessage(etat);
    }
    return resultat;
}

} // namespace

int32_t RefusSortie(const EtatGlobal& etat, int k)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(k)];
    int32_t refus = LimiteAtteinte(etat) ? CONFLIT_MAXIMUM : 0;
    if (e.Etat >= Sortie) refus |= CONFLIT_OCCUPEE;
    if (refus || Est24GHz(e.Frequence)) return refus;
    if (VoisinBloquantDe(etat, k) >= 0) return CONFLIT_VOISINE;
    return etat.Contraintes.ControleIntermodulation ? Perturbation(e) : 0;
}

const char* ImageDeSortie(const EtatGlobal& etat, int k)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(k)];
    if (e.Etat == HorsTemps) return "LEGENDE4";
    if (e.Etat >= Sortie) return "LEGENDE2";
    if (RefusSortie(etat, k) == 0) return "LEGENDE1";
    return e.Etat == Intermodulee || e.Etat == FrequenceImage ? "LEGENDE3" : "LEGENDE5";
}

int32_t RapportConflit(EtatGlobal& etat, int k, bool contraintes, bool afficher)
{
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(k)];
    int32_t resultat = 0;
    etat.TexteMessage.Vider();
    if (contraintes) resultat |= Maximum(etat);
    resultat |= MemePilote24(etat, e.Frequence);
    if (resultat && afficher) return Montrer(etat, resultat, afficher);

    resultat |= Occupee(etat, e);
    Detail detail(etat);
    bool perdu = false;
    if (!resultat && contraintes) resultat |= Voisine(etat, detail, k, perdu);
    if (!resultat && contraintes) resultat |= Perturbations(etat, detail, k, perdu);
    // A transmitter whose card is missing has been reported as fatal: stop there.
    if (perdu) {
        etat.ResultatConflit = resultat;
        return resultat;
    }
    return Montrer(etat, resultat, afficher);
}
