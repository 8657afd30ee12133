#include "stand/renseign.h"

#include <utility>

#include "engine/compatibilite.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/tri.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "stand/file_attente.h"
#include "stand/modes.h"
#include "stand/retour.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"

namespace {

constexpr std::size_t LONGUEUR_MODELE = 30;

std::string Nom(const FicheVol& f) { return std::string(VueChamp(f.Nom)); }

// The card of the transmitter out on `e`; nothing for free service, or when its
// card is missing (then fatal).
const FicheVol* FicheEmettrice(EtatGlobal& etat, const EntreeFrequence& e)
{
    if (e.FicheEmettrice == FICHE_LIBRE) return nullptr;
    return ChercheFiche(etat, e.FicheEmettrice, 1);
}

bool EstDehors(const EntreeFrequence& e) { return e.Etat >= Sortie; }

} // namespace

Renseign::Renseign(EtatGlobal& etat) : etat_(etat)
{
    etat.SortieDemandee = 0;
    etat.CommandeDemandee = 0;
    if (etat.FrequenceChoisie < 0 || etat.FrequenceChoisie >= etat.NbFrequences()) return;
    index_ = etat.FrequenceChoisie;
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index_)];

    vue_.Titre = LibelleEntree(etat, index_);
    vue_.Bouton804Visible = EstDehors(e);
    Utilisateurs();
    vue_.TexteEtat = Texte(etat, 35);
    if (VoisineActive(etat, index_)) {
        vue_.TexteEtat = Texte(etat, 34) + Texte(etat, 37);
        Bloquer();
    } else {
        DecrireEtat();
    }
    if (sortiePermise_ && ExitsOfferts()) {
        const bool personne = etat.ModeSortie == ModeFiches && vue_.Utilisateurs.empty();
        vue_.Texte804 = NumTexte{571}.n;
        vue_.Bouton804Visible = vue_.Aide806Visible = !personne;
    }
    vue_.RetourDemande = std::exchange(etat.RetourPropose, 0) && EstDehors(e);
}

// List 801: the cards registered on the frequency, or on any 2.4 GHz slot.
void Renseign::Utilisateurs()
{
    EtatGlobal& etat = etat_;
    const EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(index_)];
    const bool e24 = Est24GHz(e.Frequence);
    const std::vector<const FicheVol*> fiches = FichesTriees(etat, [&e, e24](const FicheVol& f) {
        return f.Etat != Arretee && (e24 ? Est24GHz(f.Frequence) : f.Frequence == e.Frequence);
    });

    const auto& c = etat.Contraintes;
    const bool feu = (!EstDehors(e) || e24) && !FrequenceBloquee(etat, index_) &&
                     (!c.ControleIntermodulation || e.Etat < FrequenceImage || e.Etat >= Sortie) &&
                     (!c.LimiteEmissions || etat.NbSorties < c.NbMaxEmissions);
    for (const FicheVol* f : fiches) {
        std::string texte = FormaterTexte(" %03u - %s", static_cast<unsigned>(f->Numero), Nom(*f).c_str());
        const std::string_view modele = VueChamp(f->Modele).substr(0, LONGUEUR_MODELE);
        if (!modele.empty()) texte += FormaterTexte(" - %s", std::string(modele).c_str());
        const bool vert = feu && (!e24 || f->Etat < EnVol);
        vue_.Utilisateurs.push_back({f->Numero, std::move(texte), vert ? "FEUVERT" : "FEUROUGE"});
    }
    if (etat.ModeSortie == ModeLibreService) vue_.Utilisateurs.push_back({0, " ???", "VIDE"});
    if (vue_.Utilisateurs.size() == 1) vue_.LigneChoisie = 0;
}

void Renseign::Bloquer()
{
    vue_.TitreRouge = true;
    sortiePermise_ = false;
}

void Renseign::DecrireEtat()
{
    const EntreeFrequence& e = etat_.PlanFrequences[static_cast<std::size_t>(index_)];
    switch (e.Etat) {
    case Sortie:
    case HorsTemps:
        vue_.TexteEtat = Texte(etat_, 31);
        if (e.RangPlanifie >= 1) vue_.TexteEtat += Texte(etat_, 32);
        vue_.Legende641 = NumTexte{33}.n;
        Bloquer();
        LignesSortie();
        break;
    case Intermodulee:
        EtatPerturbe(NumTexte{36}, NumTexte{641});
        EffacerTouches(etat_);
        for (int x = 0; x < etat_.NbFrequences(); ++x)
            if (EstDehors(etat_.PlanFrequences[static_cast<std::size_t>(x)])) ListerPerturbateurs(etat_, e.Frequence, x);
        LignesPerturbateurs();
        break;
    case FrequenceImage:
        EtatPerturbe(NumTexte{153}, NumTexte{644});
        LignesImage();
        break;
    case Modulante:
        EtatPerturbe(NumTexte{38}, NumTexte{645});
        ModuleraSurActives(etat_, index_);
        LignesPerturbateurs();
        break;
    case ImagePerturbee:
        EtatPerturbe(NumTexte{152}, NumTexte{645});
        LignesImagePerturbee();
        break;
    default:
        break;
    }
}

void Renseign::EtatPerturbe(NumTexte texte, NumTexte legende)
{
    if (etat_.Contraintes.ControleIntermodulation) {
        vue_.TexteEtat = Texte(etat_, 34);
        Bloquer();
    } else {
        vue_.TexteEtat = Texte(etat_, 35);
    }
    vue_.TexteEtat += Texte(etat_, texte.n);
    vue_.Legende641 = legende.n;
}

// Who is out on the frequency, and for how long.
void Renseign::LignesSortie()
{
    const EntreeFrequence& e = etat_.PlanFrequences[static_cast<std::size_t>(index_)];
    if (e.FicheEmettrice == FICHE_LIBRE) {
        vue_.Interferences.push_back(" (??\?)");
    } else if (const FicheVol* f = FicheEmettrice(etat_, e)) {
        vue_.Interferences.push_back(FormaterTexte(" (%03u) %s", static_cast<unsigned>(f->Numero), Nom(*f).c_str()));
        if (etat_.ModeSortie != ModeLibreService)
            for (std::size_t i = 0; i < vue_.Utilisateurs.size(); ++i)
                if (vue_.Utilisateurs[i].Numero == f->Numero) vue_.LigneChoisie = static_cast<int>(i);
    }
    const uint32_t duree = etat_.Port.Tick() - e.DebutEmission;
    vue_.Interferences.push_back(FormaterTexte(Texte(etat_, 139), static_cast<unsigned>(duree / 60000),
                                               static_cast<unsigned>(duree / 1000 % 60)));
}

// The transmitters marked in FrequencesTouchees.
void Renseign::LignesPerturbateurs()
{
    const int32_t f = etat_.PlanFrequences[static_cast<std::size_t>(index_)].Frequence;
    for (int i = 0; i < etat_.NbFrequences(); ++i) {
        const EntreeFrequence& p = etat_.PlanFrequences[static_cast<std::size_t>(i)];
        if (etat_.FrequencesTouchees[static_cast<std::size_t>(i)] < 1 || p.Frequence == f) continue;
        const std::string libelle = LibelleEntree(etat_, i);
        if (p.FicheEmettrice == FICHE_LIBRE) {
            vue_.Interferences.push_back(FormaterTexte(" (??\?) %s", libelle.c_str()));
        } else if (const FicheVol* fiche = FicheEmettrice(etat_, p)) {
            vue_.Interferences.push_back(FormaterTexte(" (%03u) %s - %-20s", static_cast<unsigned>(fiche->Numero),
                                                       libelle.c_str(), Nom(*fiche).c_str()));
        }
    }
}

// The transmitter 910 kHz above, whose image the frequency is.
void Renseign::LignesImage()
{
    const int32_t f = etat_.PlanFrequences[static_cast<std::size_t>(index_)].Frequence;
    // Only a transmitter out makes an image; an idle entry has no card to name.
    const int i = IndexActif(etat_, f + DECALAGE_IMAGE);
    if (i < 0) return;
    const EntreeFrequence& p = etat_.PlanFrequences[static_cast<std::size_t>(i)];
    const std::string libelle = LibelleEntree(etat_, i);
    if (p.FicheEmettrice == FICHE_LIBRE) {
        vue_.Interferences.push_back(FormaterTexte(" %s (??\?)", libelle.c_str()));
    } else if (const FicheVol* fiche = FicheEmettrice(etat_, p)) {
        vue_.Interferences.push_back(FormaterTexte(" %s (%03u) %s", libelle.c_str(), static_cast<unsigned>(fiche->Numero),
                                                   Nom(*fiche).c_str()));
    }
}

// 455 kHz above or below, else the pairs out whose image product falls here.
void Renseign::LignesImagePerturbee()
{
    auto& plan = etat_.PlanFrequences;
    const int32_t f = plan[static_cast<std::size_t>(index_)].Frequence;
    const std::string ici = LibelleEntree(etat_, index_);
    const std::string image = Texte(etat_, 644), avec = Texte(etat_, 642);
    auto dehors = [&](int i) { return i >= 0 && EstDehors(plan[static_cast<std::size_t>(i)]); };

    if (const int haut = IndexActif(etat_, f + DECALAGE_FI); haut >= 0) {
        vue_.Interferences.push_back(FormaterTexte(" %s %s  ", image.c_str(), LibelleEntree(etat_, haut).c_str()));
        vue_.Interferences.push_back(FormaterTexte(" %s : %s  ", avec.c_str(), ici.c_str()));
        return;
    }
    if (const int bas = IndexActif(etat_, f - DECALAGE_FI); bas >= 0) {
        vue_.Interferences.push_back(FormaterTexte(" %s %s  ", image.c_str(), ici.c_str()));
        vue_.Interferences.push_back(FormaterTexte(" %s : %s  ", avec.c_str(), LibelleEntree(etat_, bas).c_str()));
        return;
    }
    auto ligne = [&](const char* connu, const char* inconnu, const std::string& s, int i) {
        const EntreeFrequence& p = plan[static_cast<std::size_t>(i)];
        const std::string libelle = LibelleEntree(etat_, i);
        if (p.FicheEmettrice == FICHE_LIBRE) {
            vue_.Interferences.push_back(FormaterTexte(inconnu, s.c_str(), libelle.c_str()));
        } else if (const FicheVol* fiche = FicheEmettrice(etat_, p)) {
            vue_.Interferences.push_back(FormaterTexte(connu, s.c_str(), libelle.c_str(),
                                                       static_cast<unsigned>(fiche->Numero), Nom(*fiche).c_str()));
        }
    };
    for (int a = 0; a < etat_.NbFrequences(); ++a) {
        if (!dehors(a)) continue;
        for (int b = 0; b < a; ++b) {
            if (!dehors(b)) continue;
            if (2 * plan[static_cast<std::size_t>(b)].Frequence != plan[static_cast<std::size_t>(a)].Frequence + f - DECALAGE_IMAGE)
                continue;
            ligne(" %s %s (%03u) %s", " %s %s  (??\?)", image, a);
            ligne(" %s : %s  (%03u) %s", " %s : %s  (??\?)", avec, b);
        }
    }
}

bool Renseign::ExitsOfferts() const
{
    return etat_.ModeSortie == ModeLibreService || etat_.ModeSortie == ModeFiches;
}

SuiteRenseign Renseign::Bouton804(int ligne)
{
    if (!Valide()) return SuiteRenseign::Fermer;
    if (EstDehors(etat_.PlanFrequences[static_cast<std::size_t>(index_)])) return Retour();
    if (!sortiePermise_ || !ExitsOfferts()) return SuiteRenseign::Rester;

    const bool choisie = ligne >= 0 && ligne < static_cast<int>(vue_.Utilisateurs.size());
    if (choisie && vue_.Utilisateurs[static_cast<std::size_t>(ligne)].Numero >= 1)
        return SortirCarte(vue_.Utilisateurs[static_cast<std::size_t>(ligne)].Numero) ? SuiteRenseign::Fermer : SuiteRenseign::Rester;
    if (etat_.ModeSortie == ModeLibreService) {
        const bool sortie = SortirLibre();
        // Without a line the button means "this frequency, now": it closes either way.
        return sortie || !choisie ? SuiteRenseign::Fermer : SuiteRenseign::Rester;
    }
    etat_.Port.Bip();
    return SuiteRenseign::Rester;
}

SuiteRenseign Renseign::DoubleClic(int ligne)
{
    if (!Valide() || !ExitsOfferts() || ligne < 0 || ligne >= static_cast<int>(vue_.Utilisateurs.size()))
        return SuiteRenseign::Rester;
    const int32_t numero = vue_.Utilisateurs[static_cast<std::size_t>(ligne)].Numero;
    if (numero < 1) {
        if (!sortiePermise_ || etat_.ModeSortie != ModeLibreService) return SuiteRenseign::Rester;
        return SortirLibre() ? SuiteRenseign::Fermer : SuiteRenseign::Rester;
    }
    if (SortirCarte(numero)) return SuiteRenseign::Fermer;
    // FicheCourante still names the refused card.
    if (etat_.ModeSortie == ModeFiches) ProposerBascule(etat_);
    return SuiteRenseign::Fermer;
}

SuiteRenseign Renseign::Retour()
{
    const EntreeFrequence& e = etat_.PlanFrequences[static_cast<std::size_t>(index_)];
    std::string detail;
    if (e.FicheEmettrice != FICHE_LIBRE) {
        const FicheVol* f = FicheEmettrice(etat_, e);
        if (!f) return SuiteRenseign::Fermer;
        detail = FormaterTexte("%s - n\xB0 %u - %s\n", LibelleEntree(etat_, index_).c_str(),
                               static_cast<unsigned>(f->Numero), Nom(*f).c_str());
    }
    ChargerMessage(etat_, 39);
    etat_.TexteDetail = detail;
    etat_.JeuBoutons = BOUTONS_OUI_NON;
    etat_.SujetAide = 0;
    if (!AfficherMessage(etat_)) return SuiteRenseign::Rester;
    if (RetourEnKoral(etat_, index_)) ProposerSortieFileAttente(etat_);
    return SuiteRenseign::Fermer;
}

bool Renseign::SortirCarte(int32_t numero)
{
    if (!SortirFiche(etat_, numero)) return false;
    SauverManifestation(etat_);
    return true;
}

bool Renseign::SortirLibre()
{
    const int32_t f = etat_.PlanFrequences[static_cast<std::size_t>(index_)].Frequence;
    if (!SortirSansFiche(etat_, f, FICHE_LIBRE, TexteLibreDetailsHistorique)) return false;
    SauverManifestation(etat_);
    return true;
}
