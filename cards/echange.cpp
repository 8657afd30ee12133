#include "cards/echange.h"

#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "freqplan/catalogue.h"
#include "storage/fichier_atomique.h"
#include "storage/manifestation.h"

#include <algorithm>
#include <set>

namespace {

constexpr std::string_view BOM_UTF8 = "\xEF\xBB\xBF";
constexpr std::size_t TAILLE_IMPORT_MAX = 16u * 1024 * 1024;
constexpr int CHAMPS = 5;

// The records of a tab-separated text: fields split at TABs, records at line
// ends, except inside a quoted field as spreadsheets write them.
struct Enregistrement {
    int Ligne;
    std::vector<std::string> Champs;
    bool GuillemetOrphelin = false;
};

// Past either bound a quoted field is a stray quote: the longest field keeps 253
// bytes (three times that in UTF-8) and a remark of a few lines.
constexpr std::size_t OCTETS_CHAMP_CITE = 2048;
constexpr int SAUTS_CHAMP_CITE = 20;

enum class Citation { Fermee, Litterale, Orpheline };

// The quoted field opening at texte[i]: it closes with a quote followed by a TAB,
// a line end or the end of the text ("" is one quote inside). A quote followed by
// anything else means the opening one was a character of the text.
Citation LireCitation(std::string_view texte, std::size_t& i, std::string& champ, int& sauts)
{
    std::string lu;
    int n = 0;
    for (std::size_t j = i + 1; j < texte.size(); ++j) {
        const char c = texte[j];
        const char suivant = j + 1 < texte.size() ? texte[j + 1] : '\n';
        if (c == '"' && suivant == '"') {
            lu += '"';
            ++j;
        } else if (c == '"') {
            if (suivant != '\t' && suivant != '\r' && suivant != '\n') return Citation::Litterale;
            champ += lu;
            sauts = n;
            i = j;
            return Citation::Fermee;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && suivant == '\n') ++j;
            lu += '\n';
            if (++n > SAUTS_CHAMP_CITE) return Citation::Orpheline;
        } else {
            lu += c;
        }
        if (lu.size() > OCTETS_CHAMP_CITE) return Citation::Orpheline;
    }
    return Citation::Orpheline;
}

std::vector<Enregistrement> Decouper(std::string_view texte)
{
    std::vector<Enregistrement> enregistrements;
    Enregistrement courant{1, {std::string()}};
    int ligne = 1;
    bool debutChamp = true;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        std::string& champ = courant.Champs.back();
        if (c == '"' && debutChamp) {
            debutChamp = false;
            int sauts = 0;
            switch (LireCitation(texte, i, champ, sauts)) {
            case Citation::Fermee: ligne += sauts; continue;
            // A quote that never closes is the line's fault; the lines after it stay lines.
            case Citation::Orpheline: courant.GuillemetOrphelin = true; break;
            case Citation::Litterale: break;
            }
            champ += c;
        } else if (c == '\t') {
            courant.Champs.emplace_back();
            debutChamp = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
            ++ligne;
            enregistrements.push_back(std::move(courant));
            courant = {ligne, {std::string()}};
            debutChamp = true;
        } else {
            champ += c;
            debutChamp = false;
        }
    }
    if (courant.Champs.size() > 1 || !courant.Champs.front().empty()) enregistrements.push_back(std::move(courant));
    return enregistrements;
}

bool Blanc(const Enregistrement& e)
{
    return e.Champs.size() == 1 && SansBlancs(e.Champs.front()).empty();
}

// A field of a one-line record: breaks and tabs become blanks.
std::string SurUneLigne(std::string s)
{
    for (char& c : s)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return s;
}

// Remarks keep their breaks as the records do, CR LF.
std::string EnLignes(const std::string& s)
{
    std::string r;
    for (char c : s) {
        if (c == '\r') continue;
        if (c == '\n') r += "\r\n";
        else r += c == '\t' ? ' ' : c;
    }
    return r;
}

std::string Couper(std::string s, std::size_t n)
{
    if (s.size() > n) s.resize(n);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

struct Verification {
    std::vector<std::string> Erreurs;
    std::vector<const LigneEchange*> Bonnes;
    std::vector<int32_t> Frequences;   // of the good lines, in order
};

void Erreur(const EtatGlobal& etat, Verification& v, int texte, int ligne)
{
    v.Erreurs.push_back(FormaterTexte(Texte(etat, texte), static_cast<unsigned>(ligne)));
}

// The check pass: every line's faults, in the order 749, 747, 748, then the
// characters and the room in the plan; nothing is made.
Verification Verifier(EtatGlobal& etat, const std::vector<LigneEchange>& lignes)
{
    Verification v;
    int creneaux = static_cast<int>(std::count_if(etat.CatalogueFrequences.begin(), etat.CatalogueFrequences.end(),
                                                  [](const EntreeFrequence& e) { return e.Frequence == FREQUENCE_CRENEAU_LIBRE; }));
    std::set<int32_t> nouvelles;
    for (const LigneEchange& l : lignes) {
        if (l.GuillemetOrphelin) {
            Erreur(etat, v, 221, l.Ligne);
            continue;
        }
        if (static_cast<int>(l.Champs.size()) < CHAMPS) {
            Erreur(etat, v, 749, l.Ligne);
            continue;
        }
        bool bonne = true;
        // A name of line breaks only is no name either: the card would have none.
        if (SansBlancs(SurUneLigne(l.Champs[0])).empty()) {
            Erreur(etat, v, 747, l.Ligne);
            bonne = false;
        }
        const auto f = LireFrequenceEchange(l.Champs[1]);
        if (!f) {
            Erreur(etat, v, 748, l.Ligne);
            bonne = false;
        }
        if (l.Illisible) {
            Erreur(etat, v, 199, l.Ligne);
            bonne = false;
        }
        if (f && !Est24GHz(*f) && IndexCatalogue(etat, *f) < 0 && !nouvelles.count(*f)) {
            // A frequency the catalogue lacks needs a free slot of its own.
            if (creneaux == 0) {
                Erreur(etat, v, 201, l.Ligne);
                bonne = false;
            } else if (bonne) {
                --creneaux;
                nouvelles.insert(*f);
            }
        }
        if (!bonne) continue;
        v.Bonnes.push_back(&l);
        v.Frequences.push_back(*f);
    }
    return v;
}

EntreeFrequence* RecordDe(EtatGlobal& etat, int32_t frequence)
{
    if (Est24GHz(frequence)) ValiderCreneaux24(etat);
    int i = IndexCatalogue(etat, frequence);
    if (i < 0) {
        if (!AjouterAuCatalogue(etat, frequence, 0)) return nullptr;
        TrierCatalogue(etat);
        i = IndexCatalogue(etat, frequence);
    }
    if (i < 0) return nullptr;
    EntreeFrequence& c = etat.CatalogueFrequences[static_cast<std::size_t>(i)];
    c.Valide = 1;
    return &c;
}

int Creer(EtatGlobal& etat, const Verification& v)
{
    int creees = 0;
    for (std::size_t k = 0; k < v.Bonnes.size(); ++k) {
        const LigneEchange& l = *v.Bonnes[k];
        EntreeFrequence* c = RecordDe(etat, v.Frequences[k]);
        const int32_t numero = NumeroFicheLibre(etat);
        if (!c || numero == 0) continue;
        FicheVol* f = NouvelleFiche(etat);
        if (!f) continue;
        f->Numero = numero;
        f->Frequence = v.Frequences[k];
        f->Canal = c->Canal;
        f->Etat = AuSol;
        CopierChamp(f->Nom, Couper(SurUneLigne(l.Champs[0]), IMPORT_NOM));
        CopierChamp(f->Licence, Couper(SurUneLigne(l.Champs[2]), IMPORT_LICENCE));
        CopierChamp(f->Modele, Couper(SurUneLigne(l.Champs[3]), IMPORT_MODELE));
        std::string remarques = l.Champs[4];
        for (std::size_t i = CHAMPS; i < l.Champs.size(); ++i) remarques += " " + l.Champs[i];
        CopierChamp(f->Remarques, Couper(EnLignes(remarques), IMPORT_REMARQUES));
        ++c->NbUtilisateurs;
        ++creees;
    }
    return creees;
}

// A field the import would read otherwise (one that begins with a quote) goes in
// quotes with its quotes doubled, as a spreadsheet reads it too; breaks and tabs
// become blanks. Every other field stays bare, as other programs expect.
std::string ChampExporte(std::string_view texte)
{
    std::string champ = SurUneLigne(std::string(texte));
    if (champ.empty() || champ.front() != '"') return champ;
    std::string cite = "\"";
    for (char c : champ) {
        cite += c;
        if (c == '"') cite += '"';
    }
    return cite + "\"";
}

// The import refuses a line without a name: a card that has none (a meeting of an
// older version) is exported under its number.
std::string NomExporte(const EtatGlobal& etat, const FicheVol& f)
{
    if (!SansBlancs(VueChamp(f.Nom)).empty()) return std::string(VueChamp(f.Nom));
    return FormaterTexte(Texte(etat, 222), static_cast<unsigned>(f.Numero));
}

int NumerosLibres(const EtatGlobal& etat)
{
    return DERNIERE_FICHE_PILOTE -
           static_cast<int>(std::count_if(etat.Fiches.begin(), etat.Fiches.end(), [](const FicheVol& f) { return EstFichePilote(f.Numero); }));
}

} // namespace

std::optional<int32_t> LireFrequenceEchange(std::string_view texte)
{
    const std::string_view s = SansBlancs(texte);
    if (s == "2.4 GHz" || s == "2.4GHz" || s == "2,4 GHz" || s == "2,4GHz") return SEUIL_24GHZ;
    if (s.empty() || s.size() > IMPORT_FREQUENCE) return std::nullopt;
    // Digits, with at most one point or comma among them: nothing else is a number here.
    const std::size_t separateur = s.find_first_of(".,");
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((s[i] < '0' || s[i] > '9') && i != separateur) return std::nullopt;
    if (separateur == 0 || separateur == s.size() - 1) return std::nullopt;
    return LireFrequenceSaisie(s);
}

std::optional<std::vector<LigneEchange>> LireFichierEchange(std::string_view octets)
{
    if (octets.substr(0, BOM_UTF8.size()) == BOM_UTF8) octets.remove_prefix(BOM_UTF8.size());
    const bool utf8 = EstUtf8Valide(octets);
    const std::vector<Enregistrement> enregistrements = Decouper(octets);
    if (enregistrements.empty() || static_cast<int>(enregistrements.front().Champs.size()) < CHAMPS) return std::nullopt;
    std::vector<LigneEchange> lignes;
    for (std::size_t k = 1; k < enregistrements.size(); ++k) {
        const Enregistrement& e = enregistrements[k];
        if (Blanc(e)) continue;
        LigneEchange l{e.Ligne, {}, false, e.GuillemetOrphelin};
        for (const std::string& champ : e.Champs) {
            if (!utf8) {
                l.Champs.push_back(champ);
                continue;
            }
            // A character with no Windows-1252 form is an error of its line, never a silent "?".
            const std::string converti = Utf8VersCp1252(champ);
            if (std::count(converti.begin(), converti.end(), '?') != std::count(champ.begin(), champ.end(), '?'))
                l.Illisible = true;
            l.Champs.push_back(converti);
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

ResultatImport ImporterFiches(EtatGlobal& etat, std::string_view octets)
{
    ResultatImport r;
    const auto lignes = LireFichierEchange(octets);
    if (!lignes) {
        AfficherMessageTexte(etat, 88);
        r.Incompatible = true;
        return r;
    }
    ConstruireCatalogue(etat);
    Verification v = Verifier(etat, *lignes);
    if (v.Erreurs.empty() && static_cast<int>(v.Bonnes.size()) > NumerosLibres(etat))
        v.Erreurs.push_back(FormaterTexte(Texte(etat, 200), static_cast<unsigned>(v.Bonnes.size()),
                                          static_cast<unsigned>(NumerosLibres(etat))));
    if (!v.Erreurs.empty()) {
        AbandonnerCatalogue(etat);
        r.Erreurs = std::move(v.Erreurs);
        return r;
    }
    r.Importees = Creer(etat, v);
    AppliquerCatalogue(etat);
    SauverManifestation(etat);
    return r;
}

std::string TexteResultatImport(const EtatGlobal& etat, const ResultatImport& r)
{
    return FormaterTexte(Texte(etat, 741), static_cast<unsigned>(r.Importees), static_cast<unsigned>(r.Erreurs.size()));
}

std::string TexteExport(const EtatGlobal& etat)
{
    std::string texte = Texte(etat, 202) + "\r\n";
    for (const FicheVol& f : etat.Fiches) {
        if (!EstFichePilote(f.Numero)) continue;
        texte += ChampExporte(NomExporte(etat, f)) + "\t" + LibelleFrequence(f.Frequence) + "\t" +
                 ChampExporte(VueChamp(f.Licence)) + "\t" + ChampExporte(VueChamp(f.Modele)) + "\t" +
                 ChampExporte(VueChamp(f.Remarques)) + "\r\n";
    }
    // Windows-1252 that happens to be valid UTF-8 would be read back as UTF-8:
    // such a file is written in UTF-8 with its mark, which reads back the same.
    const bool ambigu = std::any_of(texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (ambigu && EstUtf8Valide(texte)) return std::string(BOM_UTF8) + Cp1252VersUtf8(texte);
    return texte;
}

std::optional<std::string> ParcourirImport(EtatGlobal& etat)
{
    return etat.Port.Fichier(DemandeAutreFichier(etat, Texte(etat, 740), 745, "txt", false));
}

ResultatImport ImporterFichier(EtatGlobal& etat, const std::string& chemin)
{
    const auto octets = LireFichierEntier(chemin, TAILLE_IMPORT_MAX);
    if (!octets) {
        AfficherMessageTexte(etat, 88);
        ResultatImport r;
        r.Incompatible = true;
        return r;
    }
    return ImporterFiches(etat, *octets);
}

void FermerImport(EtatGlobal& etat)
{
    AbandonnerCatalogue(etat);
    SauverManifestation(etat);
}

void ExporterFiches(EtatGlobal& etat)
{
    DemandeFichier d = DemandeAutreFichier(etat, Texte(etat, 909), 750, "txt", true);
    d.NomPropose = Texte(etat, 203);
    const auto chemin = etat.Port.Fichier(d);
    if (!chemin) return;
    // The pilots' names and remarks: a private meeting gives a private export.
    const EchecEcriture echec = EcrireFichierAtomique(*chemin, TexteExport(etat), etat.SauvegardeActive ? etat.CheminManifestation : "");
    if (echec != EchecEcriture::Aucun) SignalerEchecEcriture(etat, *chemin, echec);
}
