#include "shell/commandes.h"

#include "cards/echange.h"
#include "cards/liste_fiches.h"
#include "cards/plan_vols.h"
#include "engine/compatibilite.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "shell/fenetre.h"
#include "engine/messages.h"
#include "shell/tableau.h"
#include "engine/textes.h"
#include "stand/defilant.h"
#include "stand/modes.h"
#include "stand/sortie.h"
#include "storage/historique.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr int DEFILANT_SORTIES = 1;
constexpr int DEFILANT_SUIVANTS = 2;
constexpr int SUJET_PLAN_VIDE = 10;
constexpr int SUJET_SANS_SAUVEGARDE = 103;
constexpr int SUJET_IMPORT = 155;
constexpr int SUJET_CONFLIT = 150;
constexpr int DUREE_PAR_DEFAUT = 300;
constexpr int MAXI_PAR_DEFAUT = 5;

// Every dialog the dispatcher opens is a series of actions of the operator's own.
int Ouvrir(EtatGlobal& etat, Fenetre& f, Dialogue d)
{
    SauvegardesImmediates pendant(etat);
    return f.OuvrirDialogue(d);
}

std::string DeuxChiffres(int v)
{
    return Formater("%02u", static_cast<unsigned>(v));
}

// At most two characters read, as a decimal number.
int LireDeuxChiffres(const std::string& texte)
{
    int v = 0;
    for (std::size_t i = 0; i < texte.size() && i < 2 && texte[i] >= '0' && texte[i] <= '9'; ++i) v = v * 10 + (texte[i] - '0');
    return v;
}

void Journaliser(EtatGlobal& etat, int evenement, bool actif)
{
    etat.TexteEvenement = actif ? "ON" : "OFF";
    EcrireHistorique(etat, evenement);
}

void LireDureeMax(EtatGlobal& etat, Fenetre& f)
{
    const int minutes = LireDeuxChiffres(f.TexteEdition(403));
    etat.Contraintes.DureeMaxSecondes = static_cast<int32_t>(std::lround(minutes * 60.0));
    if (etat.Contraintes.DureeMaxSecondes == 0) etat.Contraintes.DureeMaxSecondes = DUREE_PAR_DEFAUT;
    f.EcrireEdition(403, DeuxChiffres(etat.Contraintes.DureeMaxSecondes / 60));
}

void LireMaxiEmissions(EtatGlobal& etat, Fenetre& f)
{
    etat.Contraintes.NbMaxEmissions = LireDeuxChiffres(f.TexteEdition(405));
    if (etat.Contraintes.NbMaxEmissions == 0) etat.Contraintes.NbMaxEmissions = MAXI_PAR_DEFAUT;
    f.EcrireEdition(405, DeuxChiffres(etat.Contraintes.NbMaxEmissions));
}

// A check that cannot be switched on while the transmitters out violate it.
struct Controle {
    int Case;
    int32_t Contraintes::*Membre;
    bool (*Violee)(const EtatGlobal&);
    NumTexte Refus;
    int Evenement;
};

constexpr Controle ECART_20KHZ{400, &Contraintes::Ecart20kHz, ActivesTropProches, NumTexte{75}, EVT_ECART_20KHZ};
constexpr Controle INTERMODULATION{401, &Contraintes::ControleIntermodulation, ActivePerturbee, NumTexte{76},
                                   EVT_INTERMODULATION};

void BasculerControle(EtatGlobal& etat, Fenetre& f, const Controle& c)
{
    int32_t& valeur = etat.Contraintes.*c.Membre;
    valeur = f.CaseCochee(c.Case) ? 1 : 0;
    if (valeur && c.Violee(etat)) {
        AfficherMessageTexte(etat, c.Refus.n, BOUTONS_OK, SUJET_CONFLIT);
        valeur = 0;
        f.CocherCase(c.Case, false);
    }
    Journaliser(etat, c.Evenement, valeur);
    RafraichirTableau(etat, f);
}

void TempsLimite(EtatGlobal& etat, Fenetre& f)
{
    etat.Contraintes.TempsLimite = f.CaseCochee(402) ? 1 : 0;
    if (etat.Contraintes.TempsLimite) {
        LireDureeMax(etat, f);
    } else {
        LeverHorsTemps(etat);
        RafraichirTableau(etat, f);
    }
    Journaliser(etat, EVT_TEMPS_DE_VOL, etat.Contraintes.TempsLimite);
}

void LimiteEmissions(EtatGlobal& etat, Fenetre& f)
{
    etat.Contraintes.LimiteEmissions = f.CaseCochee(404) ? 1 : 0;
    if (etat.Contraintes.LimiteEmissions) LireMaxiEmissions(etat, f);
    Journaliser(etat, EVT_NB_VOLS_LIMITES, etat.Contraintes.LimiteEmissions);
}

void BasculerDefilant(Fenetre& f, int ligne)
{
    f.MontrerDefilant(ligne, !f.DefilantVisible(ligne));
}

void ChoisirLangue(EtatGlobal& etat, int item)
{
    const int courant = etat.DecalageLangue;
    etat.DecalageLangue = (item - 10) * 1000;
    etat.Port.EnregistrerLangue(etat.DecalageLangue);
    AfficherMessageTexte(etat, 165);
    etat.DecalageLangue = courant;
}

void Sortir(EtatGlobal& etat, Fenetre& f)
{
    etat.ModeModification = 0;
    etat.ModeDuplication = 0;
    static constexpr Dialogue PAR_MODE[] = {Dialogue::Sortir0, Dialogue::Sortir, Dialogue::SortirAttente,
                                             Dialogue::SortirPlan};
    Ouvrir(etat, f, PAR_MODE[std::clamp(etat.ModeSortie, 0, 3)]);
    SauverManifestation(etat);
    MajTexteDefilant2(etat);
    RafraichirTableau(etat, f);
}

void ChangerDeMode(EtatGlobal& etat, Fenetre& f, int commande)
{
    const ChangementMode c = ChangerMode(etat, commande);
    if (!c.Fait) return;
    if (c.Ligne2 != Defilant2::Inchange) f.MontrerDefilant(DEFILANT_SUIVANTS, c.Ligne2 == Defilant2::Montrer);
    MajTexteDefilant2(etat);
    f.ActualiserModes();
}

void PlanFrequences(EtatGlobal& etat, Fenetre& f)
{
    if (!Ouvrir(etat, f, Dialogue::PlanFrequences)) return;
    SauverManifestation(etat);
    f.DisposerTableau();
    f.RedessinerTout();
    RafraichirTableau(etat, f);
}

void NouvelleFicheOuPlan(EtatGlobal& etat, Fenetre& f)
{
    if (etat.NbFrequences() == 0) {
        AfficherMessageTexte(etat, 156, BOUTONS_OK, SUJET_PLAN_VIDE);
        ExecuterCommande(etat, f, 224);
        return;
    }
    etat.ModeModification = 0;
    etat.ModeDuplication = 0;
    Ouvrir(etat, f, Dialogue::NouvelleFiche);
}

// The card view and the card form on FicheCourante (a duplication was asked by
// setting ModeDuplication before).
void SurLaFiche(EtatGlobal& etat, Fenetre& f, Dialogue d)
{
    etat.ModeModification = 1;
    Ouvrir(etat, f, d);
}

void Importer(EtatGlobal& etat, Fenetre& f)
{
    if (etat.NbSorties >= 1) {
        AfficherMessageTexte(etat, 52, BOUTONS_OK, SUJET_IMPORT);
        return;
    }
    Ouvrir(etat, f, Dialogue::Importer);
    // The plan may have gained frequencies: the board is laid out again.
    f.DisposerTableau();
    f.RedessinerTout();
    RafraichirTableau(etat, f);
}

void PlanDeVols(EtatGlobal& etat, Fenetre& f)
{
    if (etat.ModeSortie == ModeLibreService) {
        etat.Port.Bip();
        return;
    }
    Ouvrir(etat, f, Dialogue::PlanVols);
    SauverManifestation(etat);
    RecompteSorties(etat);
    MajTexteDefilant2(etat);
}

void EffacerPlanDeVols(EtatGlobal& etat)
{
    if (etat.ModeSortie == ModeLibreService) {
        etat.Port.Bip();
        return;
    }
    EffacerPlan(etat);
    SauverManifestation(etat);
    MajTexteDefilant2(etat);
}

// Logging switched on or off is a setting of the meeting: the file says it.
void Historique(EtatGlobal& etat, Fenetre& f, bool enregistrer)
{
    if (enregistrer) etat.HistoriqueActif = 1;
    else ArreterHistorique(etat);
    SauverManifestation(etat);
    f.ActualiserMenus();
}

void Aide(EtatGlobal& etat)
{
    if (!etat.Port.Aide(0, false)) AfficherMessageTexte(etat, 78);
}

void Pager(EtatGlobal& etat, Fenetre& f, bool gauche)
{
    if (!(gauche ? PagerGauche(etat) : PagerDroite(etat))) {
        etat.Port.Bip();
        return;
    }
    f.RedessinerTout();
    RafraichirTableau(etat, f);
}

// The last save failed: the meeting is saved elsewhere, or left on purpose.
// False when the operator stays in the program.
bool QuitterApresEchec(EtatGlobal& etat)
{
    while (etat.SauvegardeActive && etat.EchecSauvegarde) {
        const int ailleurs = AfficherMessageTexte(etat, 191, BOUTONS_OUI_NON_CONTINUER, SUJET_SANS_SAUVEGARDE);
        if (etat.MessageAnnule) return false;
        if (!ailleurs) return true;
        EnregistrerAilleurs(etat);
    }
    return true;
}

void Quitter(EtatGlobal& etat, Fenetre& f)
{
    // What is written here is read at once (a failed save asks for another file),
    // and the meeting is emptied after.
    SauvegardesImmediates maintenant(etat);
    if (!etat.SauvegardeActive && !etat.QuitterAuDemarrage) {
        const int oui = AfficherMessageTexte(etat, 79, BOUTONS_OUI_NON_CONTINUER, SUJET_SANS_SAUVEGARDE);
        if (etat.MessageAnnule) return;
        if (oui) ChoisirNouveauFichier(etat);
    }
    SauverManifestation(etat);
    if (!QuitterApresEchec(etat)) return;
    etat.TexteEvenement.Vider();
    EcrireHistorique(etat, EVT_FIN);
    ViderManifestation(etat);
    // Nothing may write the emptied meeting over the file.
    etat.SauvegardeActive = 0;
    LibererManifestation(etat);
    f.FermerAide();
    f.Detruire();
}

// The commands that only open the dialog of another subsystem.
Dialogue DialogueSimple(int commande, bool& trouve)
{
    trouve = true;
    switch (commande) {
    case 203: return Dialogue::Occupation;
    case 210: return Dialogue::ImprimerFiches;
    case 302: return Dialogue::ListeFiches;
    case 901: return Dialogue::APropos;
    case 902: return Dialogue::Avertissement;
    case 1005: return Dialogue::ImprimerPlan;
    case COMMANDE_IMPRIMER_CARTE: return Dialogue::ImprimerFiche;
    default: trouve = false; return Dialogue::APropos;
    }
}

void Executer(EtatGlobal& etat, Fenetre& f, int commande, int notification)
{
    bool simple = false;
    const Dialogue d = DialogueSimple(commande, simple);
    if (simple) {
        Ouvrir(etat, f, d);
        return;
    }
    if (commande >= 10 && commande <= 15) return ChoisirLangue(etat, commande);
    if (commande >= 220 && commande <= 223) return ChangerDeMode(etat, f, commande);
    if (commande >= 230 && commande <= 233) {
        etat.CleTri = commande - 230;
        f.ActualiserMenus();
        return;
    }
    switch (commande) {
    case 100: return Quitter(etat, f);
    case 200:
    case 207: return NouvelleFicheOuPlan(etat, f);
    case 201: return Sortir(etat, f);
    case 205: return SurLaFiche(etat, f, Dialogue::VoirFiche);
    case 280: return SurLaFiche(etat, f, Dialogue::ModifierFiche);
    case 202:
    case 216:
    case 407:
        if (const int choisie = f.MenuSurgissant(commande)) ExecuterCommande(etat, f, choisie);
        return;
    case 211: return BasculerDefilant(f, DEFILANT_SORTIES);
    case 242: return BasculerDefilant(f, DEFILANT_SUIVANTS);
    case 212:
    case 214: return PlanDeVols(etat, f);
    case 213: return EffacerPlanDeVols(etat);
    case 217: return Historique(etat, f, true);
    case 218: return Historique(etat, f, false);
    case 219: return CommandeVoirHistorique(etat);
    case COMMANDE_AFFICHAGE_PUBLIC:
        f.BasculerAffichagePublic();
        return f.ActualiserMenus();
    case COMMANDE_TABLEAU_WEB:
        f.BasculerTableauWeb();
        return f.ActualiserMenus();
    case 224: return PlanFrequences(etat, f);
    case 234: return Importer(etat, f);
    case 435: return ExporterFiches(etat);
    case 400: return BasculerControle(etat, f, ECART_20KHZ);
    case 401: return BasculerControle(etat, f, INTERMODULATION);
    case 402: return TempsLimite(etat, f);
    case 404: return LimiteEmissions(etat, f);
    case 403:
        if (notification == NOTIFICATION_PERTE_FOCUS)
            etat.Contraintes.DureeMaxSecondes = LireDeuxChiffres(f.TexteEdition(403)) * 60;
        return;
    case 405:
        if (notification == NOTIFICATION_PERTE_FOCUS) LireMaxiEmissions(etat, f);
        return;
    case 900: return Aide(etat);
    case 1400: return Pager(etat, f, true);
    case 1401: return Pager(etat, f, false);
    default: return;
    }
}

} // namespace

void ExecuterCommande(EtatGlobal& etat, Fenetre& fenetre, int commande, int notification)
{
    // A command and those it asks for once its dialog has closed (a refused flight
    // queued, then the waiting-list mode) are one action: one write of the file.
    UneAction action(etat);
    Executer(etat, fenetre, commande, notification);
    // A dialog asks for its follow-up command once it has closed: a series of
    // cards is a chain of them, run one after the other rather than nested.
    while (const int suite = std::exchange(etat.CommandeDemandee, 0)) Executer(etat, fenetre, suite, 0);
    // Whatever a dialog changed in the queue or the plan, the ticker names it now.
    MajTexteDefilant2(etat);
}

void FaireDefilerLigne(EtatGlobal& etat, int ligne)
{
    if (ligne == DEFILANT_SORTIES) return FaireDefiler(etat.BandeauSorties);
    // A dialog still open may have changed the queue since the last step.
    MajTexteDefilant2(etat);
    FaireDefiler(etat.TexteDefilant2);
}

void CliquerFrequence(EtatGlobal& etat, Fenetre& f, int index)
{
    UneAction action(etat);
    etat.FrequenceChoisie = index;
    Ouvrir(etat, f, Dialogue::Renseign);
    RafraichirTableau(etat, f);
    MajTexteDefilant2(etat);
    const bool sortie = std::exchange(etat.SortieDemandee, 0);
    if (const int suite = std::exchange(etat.CommandeDemandee, 0)) ExecuterCommande(etat, f, suite);
    if (sortie) ExecuterCommande(etat, f, 201);
}

void AllerALaCarte(EtatGlobal& etat, Fenetre& f, int32_t numero)
{
    const FicheVol* fiche = EstFichePilote(numero) ? ChercheFiche(std::as_const(etat), numero) : nullptr;
    if (etat.ModeSortie == ModeLibreService || !fiche || fiche->Etat == Arretee) {
        etat.Port.Bip();
        return;
    }
    if (fiche->Etat == AuSol) {
        etat.CarteTapee = numero;
        ExecuterCommande(etat, f, 201);
        etat.CarteTapee = 0;
        return;
    }
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Etat >= Sortie && e.FicheEmettrice == numero) {
            etat.RetourPropose = 1;
            CliquerFrequence(etat, f, e.Index);
            etat.RetourPropose = 0;
            return;
        }
    etat.Port.Bip();
}

void RafraichirTableau(EtatGlobal& etat, Fenetre& fenetre)
{
    if (etat.NbFrequences() == 0) {
        AfficherMessageTexte(etat, 156, BOUTONS_OK, SUJET_PLAN_VIDE);
        return;
    }
    fenetre.RafraichirTableau();
}

std::string TitreFenetrePrincipale(EtatGlobal& etat)
{
    std::string titre = Texte(etat, 1) + " - " + etat.TitreFichier;
    if (titre.size() > 63) titre.resize(63);
    return titre;
}

std::string TexteBarreTableau(EtatGlobal& etat)
{
    // Without a file the title is string 22, which has its own parentheses.
    if (!etat.SauvegardeActive) return Texte(etat, 145) + "    " + etat.TitreFichier;
    return Texte(etat, 145) + "    (" + etat.TitreFichier + ")";
}

void SuperviserTemps(EtatGlobal& etat, Fenetre& f)
{
    if (!etat.Contraintes.TempsLimite) return;
    if (f.CaseCochee(402)) LireDureeMax(etat, f);
    MarquerHorsTemps(etat);
    RafraichirTableau(etat, f);
    ExecuterCommande(etat, f, 403, NOTIFICATION_PERTE_FOCUS);
}

void SauvegardePeriodique(EtatGlobal& etat)
{
    SauverSecours(etat);
}

bool CreerFenetrePrincipale(EtatGlobal& etat, Fenetre& f, const std::string& cheminLigneCommande)
{
    etat.EntreeSansFrequence.Frequence = FREQUENCE_AUCUNE;
    if (cheminLigneCommande.empty()) {
        if (!Ouvrir(etat, f, Dialogue::Fichier)) {
            etat.CheminManifestation.clear();
            etat.CheminSecours.clear();
            etat.SauvegardeActive = 0;
        }
    } else {
        ReprendreManifestation(etat, cheminLigneCommande);
    }
    f.DisposerTableau();
    if (etat.ModeSortie == ModeFileAttente || etat.ModeSortie == ModePlanifie) ExecuterCommande(etat, f, 242);
    MajTexteDefilant2(etat);
    ExecuterCommande(etat, f, 211);
    const auto& c = etat.Contraintes;
    f.CocherCase(400, c.Ecart20kHz);
    f.CocherCase(401, c.ControleIntermodulation);
    f.CocherCase(402, c.TempsLimite);
    f.CocherCase(404, c.LimiteEmissions);
    f.EcrireEdition(403, DeuxChiffres(c.DureeMaxSecondes / 60));
    f.EcrireEdition(405, DeuxChiffres(c.NbMaxEmissions));
    f.ActualiserModes();
    if (etat.QuitterAuDemarrage) {
        ExecuterCommande(etat, f, 100);
        return false;
    }
    f.MettreAJourTitre();
    RafraichirTableau(etat, f);
    if (!etat.SauvegardeActive) {
        etat.TitreFichier = Texte(etat, 22);
        f.MettreAJourTitre();
        if (!Ouvrir(etat, f, Dialogue::AlerteFichier)) {
            etat.QuitterAuDemarrage = 1;
            ExecuterCommande(etat, f, 100);
            return false;
        }
    }
    PreparerHistorique(etat);
    DemarrerHistorique(etat);
    f.ActualiserMenus();
    return true;
}
