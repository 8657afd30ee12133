#include "cards/liste_fiches.h"

#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "engine/tri.h"
#include "storage/historique.h"
#include "storage/manifestation.h"

#include <algorithm>

namespace {

constexpr int COMMANDE_VOIR = 205;
constexpr int COMMANDE_NOUVELLE = 207;
constexpr int COMMANDE_IMPRIMER = 210;
constexpr int COMMANDE_MODIFIER = 280;
constexpr std::size_t COLONNE_MODELE = 30;

std::string OnOff(const EtatGlobal& etat, int32_t actif) { return Texte(etat, actif ? 196 : 197); }

void Journaliser(EtatGlobal& etat, const FicheVol& fiche, int evenement)
{
    etat.TexteEvenement = TexteFicheHistorique(fiche.Frequence, fiche.Numero, VueChamp(fiche.Nom));
    EcrireHistorique(etat, evenement);
}

} // namespace

std::string LigneDePilote(const EtatGlobal& etat, const FicheVol& fiche)
{
    const FicheVol* f = &fiche;
    const int32_t numero = f->Numero;
    const int32_t vols = f->NbVols, cumul = f->CumulEmission;
    const std::string volsTexte = vols > 0 ? FormaterTexte(Texte(etat, 42), vols) : " ";
    const std::string temps = cumul >= 1000 ? TexteDuree(etat, 194, cumul) : " ";
    const std::string fin = f->Etat == Arretee ? Texte(etat, 41)
                                                : std::string(VueChamp(f->Modele).substr(0, COLONNE_MODELE));
    return Formater(" %03u", static_cast<unsigned>(numero)) + "\t" +
           Formater("%-12s", std::string(VueChamp(f->Nom)).c_str()) + "\t" + LibelleFrequence(f->Frequence) + "\t" +
           volsTexte + "\t" + temps + "\t" + fin;
}

void RetirerNoeudsDeFiche(EtatGlobal& etat, int32_t numero)
{
    FicheVol* fiche = ChercheFiche(etat, numero, 0);
    for (auto it = etat.ListePlan.begin(); it != etat.ListePlan.end();) {
        const auto suivant = std::next(it);
        if (it->NumeroFiche == numero) {
            if (fiche && it->Liste == PlanVols && fiche->NbVolsPlanifies > 0) --fiche->NbVolsPlanifies;
            RetirerNoeud(etat, *it);
        }
        it = suivant;
    }
    SynchroniserRangs(etat);
}

ListePilotes::ListePilotes(EtatGlobal& etat, CommandeFenetre commande) : etat_(etat), commande_(std::move(commande))
{
    const auto& c = etat.Contraintes;
    vue_.Date = Formater("%02d %02d %02d", etat.Port.Maintenant().Jour, etat.Port.Maintenant().Mois,
                         etat.Port.Maintenant().Annee % 100);
    vue_.Temps = c.TempsLimite ? FormaterTexte(Texte(etat, 44), Texte(etat, 43).c_str(),
                                               static_cast<unsigned>(c.DureeMaxSecondes / 60))
                               : FormaterTexte(Texte(etat, 45), Texte(etat, 43).c_str());
    vue_.Ecart = OnOff(etat, c.Ecart20kHz);
    vue_.Intermodulation = OnOff(etat, c.ControleIntermodulation);
    Remplir();
}

void ListePilotes::Remplir()
{
    const std::vector<const FicheVol*> fiches = FichesTriees(etat_, [](const FicheVol& f) { return EstFichePilote(f.Numero); });
    const auto arretes = std::count_if(etat_.Fiches.begin(), etat_.Fiches.end(),
                                       [](const FicheVol& f) { return EstFichePilote(f.Numero) && f.Etat == Arretee; });
    vue_.Lignes.clear();
    vue_.NbFiches = Formater("%u", static_cast<unsigned>(fiches.size()));
    vue_.NbArretes = Formater("%u", static_cast<unsigned>(arretes));
    vue_.ActionsActives = !fiches.empty();
    if (fiches.empty()) {
        AfficherMessageTexte(etat_, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
        return;
    }
    vue_.Lignes.reserve(fiches.size());
    for (const FicheVol* f : fiches) vue_.Lignes.push_back({f->Numero, LigneDePilote(etat_, *f), std::string(VueChamp(f->Nom))});
}

int32_t ListePilotes::NumeroDe(int ligne) const
{
    if (ligne < 0 || ligne >= static_cast<int>(vue_.Lignes.size())) return 0;
    return vue_.Lignes[static_cast<std::size_t>(ligne)].Numero;
}

SuitePilotes ListePilotes::Commande(int ligne, int commande)
{
    const int32_t numero = NumeroDe(ligne);
    if (!numero) return SuitePilotes::Rester;
    etat_.FicheCourante = numero;
    commande_(commande);
    Remplir();
    return SuitePilotes::Rester;
}

SuitePilotes ListePilotes::Details(int ligne) { return Commande(ligne, COMMANDE_VOIR); }

SuitePilotes ListePilotes::Modifier(int ligne) { return Commande(ligne, COMMANDE_MODIFIER); }

SuitePilotes ListePilotes::Dupliquer(int ligne)
{
    if (!NumeroDe(ligne)) return SuitePilotes::Rester;
    etat_.ModeDuplication = 1;
    return Commande(ligne, COMMANDE_MODIFIER);
}

SuitePilotes ListePilotes::FinsVols(int ligne)
{
    FicheVol* fiche = ChercheFiche(etat_, NumeroDe(ligne), 0);
    if (!fiche) return SuitePilotes::Rester;
    if (fiche->Etat == EnVol) {
        AfficherMessageTexte(etat_, 59);
        return SuitePilotes::Rester;
    }
    ChargerMessage(etat_, 60);
    etat_.TexteMessage = FormaterTexte(etat_.TexteMessage.Chaine(), static_cast<unsigned>(fiche->Numero),
                                       std::string(VueChamp(fiche->Nom)).c_str());
    etat_.JeuBoutons = BOUTONS_OUI_NON;
    etat_.SujetAide = SUJET_AIDE_CONFIRMATION + 100;
    if (!AfficherMessage(etat_)) return SuitePilotes::Rester;
    fiche->Etat = Arretee;
    Journaliser(etat_, *fiche, EVT_ARRET_VOLS);
    RetirerNoeudsDeFiche(etat_, fiche->Numero);
    // Written once the nodes are gone: the file holds what the screen shows.
    SauverManifestation(etat_);
    Remplir();
    RecompteSorties(etat_);
    return SuitePilotes::Rester;
}

SuitePilotes ListePilotes::Supprimer(int ligne)
{
    const int32_t numero = NumeroDe(ligne);
    FicheVol* fiche = ChercheFiche(etat_, numero, 0);
    if (!fiche) return SuitePilotes::Rester;
    if (fiche->Etat == EnVol) {
        AfficherMessageTexte(etat_, 59);
        return SuitePilotes::Fermer;
    }
    etat_.TexteMessage = FormaterTexte(Texte(etat_, 61), static_cast<unsigned>(numero));
    etat_.JeuBoutons = BOUTONS_OUI_NON;
    etat_.SujetAide = SUJET_AIDE_CONFIRMATION + 100;
    if (!AfficherMessage(etat_)) return SuitePilotes::Rester;
    Journaliser(etat_, *fiche, EVT_SUPPRESSION);
    RetirerNoeudsDeFiche(etat_, numero);
    if (EntreeFrequence* e = ChercheFrequence(etat_, fiche->Frequence); e && e->NbUtilisateurs > 0) --e->NbUtilisateurs;
    RetirerFiche(etat_, numero);
    SauverManifestation(etat_);
    Remplir();
    RecompteSorties(etat_);
    return SuitePilotes::Rester;
}

SuitePilotes ListePilotes::Nouvelles()
{
    commande_(COMMANDE_NOUVELLE);
    Remplir();
    return SuitePilotes::Rester;
}

void ListePilotes::Imprimer() { commande_(COMMANDE_IMPRIMER); }

Lecture::Lecture(EtatGlobal& etat) : etat_(etat)
{
    const FicheVol* f = ChercheFiche(etat, etat.FicheCourante, 1);
    if (!f) return;
    const int32_t cumul = f->CumulEmission;
    vue_.Numero = Formater("%03u", static_cast<unsigned>(f->Numero));
    vue_.Nom = std::string(VueChamp(f->Nom));
    if (const EntreeFrequence* e = ChercheFrequence(etat, f->Frequence)) vue_.Frequence = LibelleEntree(etat, e->Index);
    vue_.Licence = std::string(VueChamp(f->Licence));
    vue_.Modele = std::string(VueChamp(f->Modele));
    vue_.Remarques = std::string(VueChamp(f->Remarques));
    vue_.NbVols = Formater("%d", f->NbVols);
    vue_.Cumul = cumul > 0 ? TexteDuree(etat, 195, cumul) : " ";
    vue_.Reprise = f->Etat >= EnVol ? Bouton425::Sorti : f->Etat == Arretee ? Bouton425::Reprise : Bouton425::Cache;
}

void Lecture::Reprendre()
{
    FicheVol* f = ChercheFiche(etat_, etat_.FicheCourante, 1);
    if (!f || f->Etat != Arretee) return;
    f->Etat = AuSol;
    SauverManifestation(etat_);
    vue_.Reprise = Bouton425::Cache;
    Journaliser(etat_, *f, EVT_REPRISE);
}
