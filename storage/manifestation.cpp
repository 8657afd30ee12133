#include "storage/manifestation.h"

#include "engine/compatibilite.h"
#include "engine/conflit.h"
#include "engine/cp1252.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/tri.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "storage/chemins.h"
#include "storage/fichier_atomique.h"
#include "storage/historique.h"
#include "storage/verrou.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <utility>

static_assert(std::endian::native == std::endian::little, "the meeting file is little-endian");

namespace {

constexpr std::size_t TAILLE_MOT_DE_PASSE = 16;
constexpr std::size_t TAILLE_DICTIONNAIRE = 260;
// A real meeting is well under a megabyte; anything far larger is not one.
constexpr std::size_t TAILLE_FICHIER_MAX = 64u * 1024 * 1024;

void EcrireMot(std::string& o, int32_t v)
{
    char b[4];
    std::memcpy(b, &v, 4);
    o.append(b, 4);
}

void EcrireChamp(std::string& o, std::string_view texte, std::size_t taille)
{
    std::string champ(taille, '\0');
    std::memcpy(champ.data(), texte.data(), std::min(texte.size(), taille - 1));
    o += champ;
}

template <class T>
void EcrireEnregistrement(std::string& o, const T& e)
{
    o.append(reinterpret_cast<const char*>(&e), sizeof e);
}

class Lecteur {
public:
    explicit Lecteur(std::string_view o) : octets_(o) {}
    std::size_t Reste() const { return octets_.size() - position_; }
    bool Mot(int32_t& v)
    {
        if (Reste() < 4) return false;
        std::memcpy(&v, octets_.data() + position_, 4);
        position_ += 4;
        return true;
    }
    template <class T>
    bool Enregistrement(T& e)
    {
        if (Reste() < sizeof e) return false;
        std::memcpy(&e, octets_.data() + position_, sizeof e);
        position_ += sizeof e;
        return true;
    }
    // A NUL-terminated text in a fixed field; false when the field holds no NUL.
    bool Champ(std::string& texte, std::size_t taille)
    {
        if (Reste() < taille) return false;
        const std::string_view champ = octets_.substr(position_, taille);
        position_ += taille;
        const std::size_t fin = champ.find('\0');
        if (fin == std::string_view::npos) return false;
        texte = std::string(champ.substr(0, fin));
        return true;
    }

private:
    std::string_view octets_;
    std::size_t position_ = 0;
};

template <std::size_t N>
bool Termine(const char (&champ)[N])
{
    return std::memchr(champ, '\0', N) != nullptr;
}

bool EstBooleen(int32_t v) { return v == 0 || v == 1; }

bool EnteteValide(const ManifestationLue& m)
{
    return m.ModeSortie >= ModeLibreService && m.ModeSortie <= ModePlanifie && EstBooleen(m.Ecart20kHz) &&
           EstBooleen(m.ControleIntermodulation) && EstBooleen(m.TempsLimite) && EstBooleen(m.LimiteEmissions) &&
           m.DureeMaxSecondes >= 0 && m.NbMaxEmissions >= 0;
}

bool LireEntete(Lecteur& l, ManifestationLue& m, int32_t& n)
{
    int32_t magie = 0, version = 0;
    if (!l.Mot(magie) || magie != MAGIE_MANIFESTATION) return false;
    if (!l.Mot(version) || version != VERSION_MANIFESTATION) return false;
    if (!l.Mot(m.ModeSortie) || !l.Mot(m.Ecart20kHz) || !l.Mot(m.ControleIntermodulation) ||
        !l.Mot(m.TempsLimite) || !l.Mot(m.LimiteEmissions) || !l.Mot(m.DureeMaxSecondes) ||
        !l.Mot(m.NbMaxEmissions))
        return false;
    if (!l.Champ(m.MotDePasse, TAILLE_MOT_DE_PASSE) || m.MotDePasse.size() > 12) return false;
    if (!l.Mot(n) || !l.Champ(m.CheminDictionnaire, TAILLE_DICTIONNAIRE)) return false;
    // A maximum of 0 would stop every exit: read as the edit field reads it.
    if (m.NbMaxEmissions == 0) m.NbMaxEmissions = Contraintes{}.NbMaxEmissions;
    return EnteteValide(m);
}

bool LirePlan(Lecteur& l, ManifestationLue& m, int32_t n, uint32_t tick)
{
    if (n < 0 || n > TAILLE_CATALOGUE || l.Reste() < static_cast<std::size_t>(n) * sizeof(EntreeFrequence)) return false;
    std::set<int32_t> vues;
    for (int32_t i = 0; i < n; ++i) {
        EntreeFrequence e;
        l.Enregistrement(e);
        if (!Termine(e.Libelle) || BandeDe(e.Frequence) < 0 || !vues.insert(e.Frequence).second) return false;
        e.Bouton = 0;
        e.DebutEmission = tick;
        e.Perturbations = 0;
        e.PerturbationsImage = 0;
        e.ARetablir = 0;
        if (e.Etat < Libre || e.Etat > HorsTemps) return false;
        e.ARetablir = e.Etat >= Sortie ? 1 : 0;
        // Every status is rebuilt from the transmitters put back out, so none of
        // the file's perturbation statuses can outlive its cause.
        e.Etat = Libre;
        m.Plan.push_back(e);
    }
    return true;
}

bool LireNoeuds(Lecteur& l, ManifestationLue& m)
{
    for (;;) {
        EntreePlan lu;
        if (!l.Enregistrement(lu)) return false;   // a written file always ends its nodes
        if (lu.NumeroFiche == 0) {
            m.CleTri = lu.NumeroLigne;   // the end record's word at offset 28
            return true;
        }
        EntreePlan n{};
        n.NumeroFiche = lu.NumeroFiche;
        n.Rang = lu.Rang;
        n.EtatVol = lu.EtatVol;
        n.DureeVol = lu.DureeVol;
        n.Problemes = lu.Problemes;
        n.Liste = lu.Liste;
        if (n.Liste != PlanVols && n.Liste != FileAttente) return false;
        if (n.EtatVol < VolEnAttente || n.EtatVol > VolTermine) return false;
        m.Noeuds.push_back(n);
    }
}

bool LireFiches(Lecteur& l, ManifestationLue& m)
{
    if (l.Reste() % sizeof(FicheVol) != 0) return false;
    std::set<int32_t> numeros;
    while (l.Reste() > 0) {
        FicheVol f;
        l.Enregistrement(f);
        if (f.Numero == 0 || (f.Numero >= FICHE_PAUSE && f.Numero < PREMIERE_REMARQUE)) continue;
        // The card's words may sit on 2-byte boundaries: copied, never referred to.
        const int32_t numero = f.Numero;
        if (numero < 0 || numero > DERNIERE_REMARQUE || !numeros.insert(numero).second) return false;
        if (!Termine(f.Nom) || !Termine(f.Licence) || !Termine(f.Modele) || !Termine(f.Remarques)) return false;
        if (f.Etat != Arretee && f.Etat != AuSol && f.Etat != EnVol) return false;
        f.Suivante = 0;
        m.Fiches.push_back(f);
    }
    return true;
}

// Ranks 1..n in each list, every node on a card the file holds, every
// transmitter out on a card the file holds: what the stand relies on.
bool Coherente(const ManifestationLue& m)
{
    std::set<int32_t> frequences, cartes{FICHE_PAUSE};
    for (const EntreeFrequence& e : m.Plan) frequences.insert(e.Frequence);
    for (const FicheVol& f : m.Fiches) {
        const int32_t numero = f.Numero, frequence = f.Frequence;
        cartes.insert(numero);
        if (frequence != FREQUENCE_AUCUNE && !frequences.count(frequence)) return false;
    }
    std::map<int32_t, std::vector<int32_t>> rangs;
    for (const EntreePlan& n : m.Noeuds) {
        if (!cartes.count(n.NumeroFiche)) return false;
        rangs[n.Liste].push_back(n.Rang);
    }
    for (auto& [liste, r] : rangs) {
        std::sort(r.begin(), r.end());
        for (std::size_t i = 0; i < r.size(); ++i)
            if (r[i] != static_cast<int32_t>(i + 1)) return false;
    }
    for (const EntreeFrequence& e : m.Plan)
        if (e.ARetablir && e.FicheEmettrice != FICHE_LIBRE && !cartes.count(e.FicheEmettrice)) return false;
    return true;
}

// A failure is said once, and said again only after a write has worked in
// between: the operator is warned without a box at every click. `modele`: the
// file whose permissions the written one never exceeds.
bool Ecrire(EtatGlobal& etat, const std::string& chemin, const std::string& image, int32_t& echec, const std::string& modele)
{
    const EchecEcriture resultat = EcrireFichierAtomique(chemin, image, modele);
    const std::string fichier = Utf8VersCp1252(chemin);
    if (resultat == EchecEcriture::Aucun) {
        if (std::exchange(echec, 0)) {
            etat.TexteEvenement = "OK - " + fichier;
            EcrireHistorique(etat, EVT_SAUVEGARDE);
        }
        return true;
    }
    if (std::exchange(echec, 1)) return false;
    etat.TexteEvenement = Texte(etat, 193) + " - " + fichier;
    EcrireHistorique(etat, EVT_SAUVEGARDE);
    SignalerEchecEcriture(etat, chemin, resultat);
    return false;
}

std::string CheminVerrou(const std::string& chemin) { return chemin + ".lck"; }

// The same file whatever way its path is written.
bool MemeFichier(const std::string& a, const std::string& b)
{
    std::error_code e1, e2;
    return std::filesystem::weakly_canonical(CheminNatif(a), e1) == std::filesystem::weakly_canonical(CheminNatif(b), e2) && !e1 && !e2;
}

} // namespace

std::string ImageManifestation(const EtatGlobal& etat)
{
    std::string o;
    o.reserve(TAILLE_ENTETE + etat.PlanFrequences.size() * sizeof(EntreeFrequence) +
              (etat.ListePlan.size() + 1) * sizeof(EntreePlan) + etat.Fiches.size() * sizeof(FicheVol));
    const auto& c = etat.Contraintes;
    for (int32_t v : {MAGIE_MANIFESTATION, VERSION_MANIFESTATION, etat.ModeSortie, c.Ecart20kHz,
                      c.ControleIntermodulation, c.TempsLimite, c.LimiteEmissions, c.DureeMaxSecondes,
                      c.NbMaxEmissions})
        EcrireMot(o, v);
    EcrireChamp(o, etat.MotDePasse.Vue(), TAILLE_MOT_DE_PASSE);
    EcrireMot(o, etat.NbFrequences());
    EcrireChamp(o, etat.CheminDictionnaire.Vue(), TAILLE_DICTIONNAIRE);
    for (EntreeFrequence e : etat.PlanFrequences) {
        e.PerturbationsImage = 0;
        e.Reserve = 0;
        EcrireEnregistrement(o, e);
    }
    for (const EntreePlan& n : etat.ListePlan) EcrireEnregistrement(o, n);
    EntreePlan fin{};
    fin.NumeroLigne = etat.CleTri;
    EcrireEnregistrement(o, fin);
    for (const FicheVol& f : etat.Fiches)
        if (f.Numero < FICHE_PAUSE || f.Numero > 1999) EcrireEnregistrement(o, f);
    return o;
}

std::optional<ManifestationLue> DecoderManifestation(std::string_view octets, uint32_t tick)
{
    ManifestationLue m;
    Lecteur l(octets);
    int32_t n = 0;
    if (!LireEntete(l, m, n) || !LirePlan(l, m, n, tick) || !LireNoeuds(l, m) || !LireFiches(l, m) || !Coherente(m))
        return std::nullopt;
    return m;
}

void SauverManifestation(EtatGlobal& etat)
{
    if (!etat.SauvegardeActive || etat.CheminManifestation.empty()) return;
    if (etat.ActionsEnCours > 0) {
        etat.SauvegardeDifferee = 1;
        return;
    }
    std::string image = ImageManifestation(etat);
    // Nothing changed since the last write: the file already holds it.
    if (image == etat.ImageEcrite && !etat.EchecSauvegarde) return;
    if (!Ecrire(etat, etat.CheminManifestation, image, etat.EchecSauvegarde, {})) return;
    etat.ImageEcrite = std::move(image);
    ++etat.NbEcritures;
}

void SauverSecours(EtatGlobal& etat)
{
    // Halfway through an action (a question open) the backup waits for its next turn.
    if (!etat.SauvegardeActive || etat.CheminSecours.empty() || etat.ActionsEnCours > 0) return;
    Ecrire(etat, etat.CheminSecours, ImageManifestation(etat), etat.EchecSecours, etat.CheminManifestation);
}

UneAction::UneAction(EtatGlobal& etat) : etat_(etat) { ++etat_.ActionsEnCours; }

UneAction::~UneAction()
{
    if (--etat_.ActionsEnCours > 0 || !std::exchange(etat_.SauvegardeDifferee, 0)) return;
    SauverManifestation(etat_);
}

SauvegardesImmediates::SauvegardesImmediates(EtatGlobal& etat) : etat_(etat), actions_(std::exchange(etat.ActionsEnCours, 0))
{
    if (std::exchange(etat_.SauvegardeDifferee, 0)) SauverManifestation(etat_);
}

SauvegardesImmediates::~SauvegardesImmediates() { etat_.ActionsEnCours = actions_; }

void LibererManifestation(EtatGlobal& etat)
{
    etat.Verrou.reset();
    etat.VerrouChemin.clear();
}

bool VerrouillerManifestation(EtatGlobal& etat, const std::string& chemin)
{
    const std::string fichier = CheminVerrou(chemin);
    if (etat.Verrou && etat.Verrou->Tenu() && MemeFichier(etat.VerrouChemin, fichier)) return true;
    auto verrou = std::make_shared<VerrouFichier>();
    switch (verrou->Prendre(fichier, chemin)) {
    case PriseVerrou::Prise:
        etat.Verrou = std::move(verrou);
        etat.VerrouChemin = fichier;
        return true;
    // A folder nobody may write in: no program can save there, and the saves say so.
    case PriseVerrou::Impossible: return true;
    case PriseVerrou::Tenue: break;
    }
    const Detenteur d = LireDetenteur(fichier).value_or(Detenteur{"???", "???", 0});
    etat.TexteMessage = FormaterTexte(Texte(etat, 223), Utf8VersCp1252(d.Utilisateur).c_str(), Utf8VersCp1252(d.Machine).c_str());
    etat.TexteDetail = Utf8VersCp1252(chemin);
    etat.JeuBoutons = BOUTONS_OK;
    etat.SujetAide = 0;
    AfficherMessage(etat);
    return false;
}

void SignalerEchecEcriture(EtatGlobal& etat, const std::string& chemin, EchecEcriture echec)
{
    static constexpr NumTexte RAISONS[] = {{190}, {188}, {189}, {190}};
    const std::string raison = Texte(etat, RAISONS[static_cast<int>(echec)].n);
    etat.TexteMessage = FormaterTexte(Texte(etat, 187), raison.c_str(), Utf8VersCp1252(chemin).c_str());
    etat.JeuBoutons = BOUTONS_OK;
    etat.SujetAide = 0;
    AfficherMessage(etat);
}

bool EnregistrerAilleurs(EtatGlobal& etat)
{
    DemandeFichier d = PreparerDialogueFichier(etat, 62, true);
    d.NomPropose = etat.TitreFichier;
    const auto chemin = etat.Port.Fichier(d);
    if (!chemin || !VerrouillerManifestation(etat, *chemin)) return false;
    DeriverChemins(etat, *chemin);
    etat.TitreFichier = Utf8VersCp1252(NomDeFichier(*chemin));
    SauverManifestation(etat);
    return true;
}

bool LireManifestation(EtatGlobal& etat)
{
    const auto octets = LireFichierEntier(etat.CheminManifestation, TAILLE_FICHIER_MAX);
    if (!octets) return false;
    auto lue = DecoderManifestation(*octets, etat.Port.Tick());
    if (!lue) return false;

    etat.ModeSortie = lue->ModeSortie;
    etat.Contraintes.Ecart20kHz = lue->Ecart20kHz;
    etat.Contraintes.ControleIntermodulation = lue->ControleIntermodulation;
    etat.Contraintes.TempsLimite = lue->TempsLimite;
    etat.Contraintes.LimiteEmissions = lue->LimiteEmissions;
    etat.Contraintes.DureeMaxSecondes = lue->DureeMaxSecondes;
    etat.Contraintes.NbMaxEmissions = lue->NbMaxEmissions;
    etat.MotDePasse = lue->MotDePasse;
    etat.CheminDictionnaire = lue->CheminDictionnaire;
    DefinirPlan(etat, std::move(lue->Plan));
    etat.ListePlan.assign(lue->Noeuds.begin(), lue->Noeuds.end());
    etat.CleTri = lue->CleTri;
    for (const FicheVol& f : lue->Fiches) etat.Fiches.push_back(f);
    return true;
}

void DeriverChemins(EtatGlobal& etat, const std::string& chemin)
{
    etat.CheminManifestation = chemin;
    etat.CheminSecours = RemplacerExtension(chemin, ".bak");
    // A new file has no failure of its own yet, and holds nothing this program wrote.
    etat.EchecSauvegarde = 0;
    etat.EchecSecours = 0;
    etat.ImageEcrite.clear();
}

bool ReprendreManifestation(EtatGlobal& etat, const std::string& chemin)
{
    etat.SauvegardeActive = 1;
    DeriverChemins(etat, chemin);
    const bool libre = VerrouillerManifestation(etat, chemin);
    if (!libre || !LireManifestation(etat)) {
        if (libre) AfficherMessageTexte(etat, 88);
        etat.QuitterAuDemarrage = 1;
        etat.SauvegardeActive = 0;
        etat.CheminManifestation.clear();
        etat.CheminSecours.clear();
        LibererManifestation(etat);
        return false;
    }
    etat.TitreFichier = Utf8VersCp1252(NomDeFichier(chemin));
    // What a crash in the middle of a save left beside the files.
    SupprimerTemporaire(chemin);
    SupprimerTemporaire(etat.CheminSecours);
    RendreModifiable(chemin);
    for (const FicheVol& f : etat.Fiches) {
        if (f.Etat <= Intermodulee) continue;
        if (const EntreeFrequence* e = ChercheFrequence(etat, f.Frequence); e && e != &etat.EntreeSansFrequence)
            RapportConflit(etat, e->Index, false, false);
    }
    for (EntreeFrequence& e : etat.PlanFrequences) {
        if (!e.ARetablir) continue;
        e.Etat = Sortie;
        e.ARetablir = 0;
        AppliquerSortie(etat, e.Index, SORTANT);
    }
    MajEtatsFrequences(etat);
    RecompteSorties(etat);
    SynchroniserRangs(etat);
    return true;
}

std::vector<std::pair<std::string, std::string>> FiltresDe(std::string_view texte)
{
    std::vector<std::string> parties;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (texte[i] == '\0') {
            parties.emplace_back(texte.substr(debut, i - debut));
            debut = i + 1;
        }
    std::vector<std::pair<std::string, std::string>> filtres;
    for (std::size_t i = 0; i + 1 < parties.size(); i += 2) filtres.emplace_back(parties[i], parties[i + 1]);
    return filtres;
}

std::string DateSoulignee(EtatGlobal& etat)
{
    return DateCourte(etat.Port.Maintenant(), '_');
}

std::string NomProposeManifestation(EtatGlobal& etat)
{
    return FormaterTexte(Texte(etat, 63), DateSoulignee(etat).c_str());
}

DemandeFichier PreparerDialogueFichier(EtatGlobal& etat, int titre, bool enregistrer)
{
    ChargerFiltre(etat, 25);
    DemandeFichier d;
    d.Enregistrer = enregistrer;
    d.Titre = Texte(etat, titre);
    d.Filtres = FiltresDe(etat.TexteFiltre.Vue());
    d.Extension = "mhz";
    return d;
}

DemandeFichier DemandeAutreFichier(EtatGlobal& etat, std::string titre, int filtre, std::string extension,
                                   bool enregistrer)
{
    ChargerFiltre(etat, filtre);
    DemandeFichier d;
    d.Enregistrer = enregistrer;
    d.Titre = std::move(titre);
    d.Filtres = FiltresDe(etat.TexteFiltre.Vue());
    d.Extension = std::move(extension);
    ChargerFiltre(etat, 25);
    return d;
}

void CreerMotDePasse(EtatGlobal& etat)
{
    const std::string mot = etat.Port.NouveauMotDePasse();
    etat.MotDePasse = std::string_view(mot).substr(0, 12);
}

bool ChoisirNouveauFichier(EtatGlobal& etat)
{
    DemandeFichier d = PreparerDialogueFichier(etat, 62, true);
    d.NomPropose = NomProposeManifestation(etat);
    const auto chemin = etat.Port.Fichier(d);
    if (!chemin || !VerrouillerManifestation(etat, *chemin)) return false;
    etat.SauvegardeActive = 1;
    DeriverChemins(etat, *chemin);
    etat.TitreFichier = Utf8VersCp1252(NomDeFichier(*chemin));
    CreerMotDePasse(etat);
    return true;
}
