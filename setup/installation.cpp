#include "setup/installation.h"

#include "engine/cp1252.h"
#include "engine/textes.h"
#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

const std::vector<std::string> FICHIERS_PROGRAMME = {"koralis", "koral.hlp", NOM_ICONE};

namespace {

// Longer than a path may be: refused before anything is copied.
constexpr std::size_t LONGUEUR_CHEMIN_MAX = 4095;
constexpr std::size_t LONGUEUR_NOM_MAX = 255;
constexpr std::size_t TAILLE_FICHIER_MAX = 512u * 1024 * 1024;

bool Separateur(char c)
{
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

std::string SansSeparateurFinal(std::string dossier)
{
    while (dossier.size() > 1 && Separateur(dossier.back())) dossier.pop_back();
    return dossier;
}

bool CheminPossible(const std::string& dossier)
{
    std::size_t plusLong = 0;
    for (const std::string& f : FICHIERS_PROGRAMME) plusLong = std::max(plusLong, f.size());
    if (dossier.size() + 1 + plusLong + 4 > LONGUEUR_CHEMIN_MAX) return false;
    for (const fs::path& partie : CheminNatif(dossier))
        if (partie.u8string().size() > LONGUEUR_NOM_MAX) return false;
    return true;
}

bool CreerDossier(const std::string& dossier)
{
    std::error_code e;
    if (fs::is_directory(CheminNatif(dossier), e)) return true;
    fs::create_directories(CheminNatif(dossier), e);
    return fs::is_directory(CheminNatif(dossier), e);
}

bool Copier(const std::string& source, const std::string& cible) { return CopierFichier(source, cible, TAILLE_FICHIER_MAX); }

struct Installation {
    PlateformeInstallation& Plateforme;
    const DossiersInstallation& Dossiers;
    int DecalageLangue;
    ResultatInstallation Resultat;

    // Only the first failure is kept.
    void Echec(int code)
    {
        if (Resultat.Erreur == INSTALLATION_REUSSIE) Resultat.Erreur = code;
    }
    bool Copies(const std::vector<std::string>& fichiers, const std::string& dossier)
    {
        for (const std::string& f : fichiers) {
            Resultat.Fichier = f;
            if (!Copier(JoindreChemin(Dossiers.Source, f), JoindreChemin(dossier, f))) {
                Echec(ERREUR_COPIE);
                return false;
            }
        }
        return true;
    }
    void Raccourcis()
    {
        const std::string entree = EntreeBureau(Resultat.Programme, Cp1252VersUtf8(TexteDansLangue(DecalageLangue, 817)));
        const std::string icone = JoindreChemin(Dossiers.Icones, NOM_ICONE);
        if (!CreerDossier(Dossiers.Icones) || !Copier(JoindreChemin(Resultat.Programme, NOM_ICONE), icone)) {
            Echec(ERREUR_RACCOURCIS);
            return;
        }
        for (const std::string& dossier : {Dossiers.Bureau, Dossiers.Applications}) {
            const std::string lanceur = JoindreChemin(dossier, NOM_ENTREE_BUREAU);
            std::error_code e;
            if (!CreerDossier(dossier) || EcrireFichierAtomique(lanceur, entree) != EchecEcriture::Aucun) {
                Echec(ERREUR_RACCOURCIS);
                continue;
            }
            // A launcher on the desktop runs only when it is executable and trusted.
            fs::permissions(CheminNatif(lanceur), fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                            fs::perm_options::add, e);
            if (e) Echec(ERREUR_RACCOURCIS);
            Plateforme.Approuver(lanceur);
        }
    }
};

std::string EchapperExec(const std::string& chemin)
{
    // Inside double quotes of Exec: ", `, $ and \ take a backslash; then every
    // backslash is doubled again for the value of the key.
    std::string cite;
    for (char c : chemin) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') cite += '\\';
        cite += c;
    }
    std::string valeur;
    for (char c : cite) valeur += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "\"" + valeur + "\"";
}

// The program folder a launcher starts, from its Exec line.
std::optional<std::string> ProgrammeDuLanceur(const std::string& lanceur)
{
    const auto texte = LireFichierEntier(lanceur, 1 << 16);
    if (!texte) return std::nullopt;
    std::istringstream lignes(*texte);
    for (std::string l; std::getline(lignes, l);) {
        if (l.rfind("Exec=\"", 0) != 0) continue;
        std::string chemin;
        for (std::size_t i = 6; i < l.size() && l[i] != '"'; ++i) {
            if (l[i] == '\\' && i + 1 < l.size()) ++i;   // the key's own escape
            if (l[i] == '\\' && i + 1 < l.size()) ++i;   // the quoting's escape
            chemin += l[i];
        }
        return fs::path(CheminNatif(chemin)).parent_path().string();
    }
    return std::nullopt;
}

} // namespace

std::string EntreeBureau(const std::string& programme, const std::string& description)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=KORALIS\n"
           "Comment=" + description + "\n"
           "Exec=" + EchapperExec(JoindreChemin(programme, "koralis")) + " %f\n"
           "Icon=koralis\n"
           "Terminal=false\n"
           "Categories=Utility;\n";
}

ResultatInstallation Installer(PlateformeInstallation& plateforme, const DossiersInstallation& dossiers, int decalageLangue)
{
    Installation i{plateforme, dossiers, decalageLangue, {}};
    const auto parent = plateforme.Repertoire(dossiers.Parent);
    if (!parent) {
        i.Resultat.Abandon = true;
        return i.Resultat;
    }
    const std::string programme = JoindreChemin(SansSeparateurFinal(*parent), DOSSIER_PROGRAMME);
    if (!CheminPossible(programme) || !CreerDossier(programme)) i.Echec(ERREUR_REPERTOIRE);
    else i.Resultat.Programme = programme;
    if (i.Resultat.Erreur == INSTALLATION_REUSSIE) i.Copies(FICHIERS_PROGRAMME, programme);

    const std::string donnees = JoindreChemin(dossiers.Documents, DOSSIER_DONNEES);
    if (!CreerDossier(donnees)) i.Echec(ERREUR_REPERTOIRE);
    if (i.Resultat.Erreur == INSTALLATION_REUSSIE) i.Copies(FICHIERS_EXEMPLES, donnees);
    if (i.Resultat.Erreur == INSTALLATION_REUSSIE) i.Raccourcis();

    plateforme.Bip();
    if (i.Resultat.Erreur) plateforme.Erreur(i.Resultat.Erreur, i.Resultat.Fichier);
    else plateforme.Reussite();
    return i.Resultat;
}

PlanDesinstallation PlanDeDesinstallation(const DossiersInstallation& dossiers)
{
    PlanDesinstallation plan;
    const std::string menu = JoindreChemin(dossiers.Applications, NOM_ENTREE_BUREAU);
    const std::string programme =
        ProgrammeDuLanceur(menu).value_or(JoindreChemin(SansSeparateurFinal(dossiers.Parent), DOSSIER_PROGRAMME));
    std::error_code e;
    // Only a folder that holds the program: never anything else of the user's.
    if (fs::path(CheminNatif(programme)).filename() == DOSSIER_PROGRAMME &&
        fs::exists(CheminNatif(JoindreChemin(programme, "koralis")), e))
        plan.Programme = programme;
    for (const std::string& f : {menu, JoindreChemin(dossiers.Bureau, NOM_ENTREE_BUREAU), JoindreChemin(dossiers.Icones, NOM_ICONE)})
        if (fs::exists(fs::symlink_status(CheminNatif(f), e))) plan.Fichiers.push_back(f);
    plan.Donnees = JoindreChemin(dossiers.Documents, DOSSIER_DONNEES);
    return plan;
}

std::string QuestionDesinstallation(int decalageLangue, const PlanDesinstallation& plan)
{
    std::string retire;
    if (!plan.Programme.empty()) retire += "\r" + Utf8VersCp1252(plan.Programme);
    for (const std::string& f : plan.Fichiers) retire += "\r" + Utf8VersCp1252(f);
    return FormaterTexte(TexteDansLangue(decalageLangue, 820), retire.c_str(), Utf8VersCp1252(plan.Donnees).c_str());
}

void Desinstaller(const PlanDesinstallation& plan)
{
    std::error_code e;
    if (!plan.Programme.empty()) fs::remove_all(CheminNatif(plan.Programme), e);
    for (const std::string& f : plan.Fichiers) fs::remove(CheminNatif(f), e);
}

int LangueDeLInstallation(std::optional<int> reglage, const std::string& langueSysteme)
{
    if (reglage) return *reglage == DECALAGE_ANGLAIS || *reglage == DECALAGE_PORTUGAIS ? *reglage : DECALAGE_FRANCAIS;
    static const std::pair<const char*, int> LANGUES[] = {{"en", DECALAGE_ANGLAIS}, {"pt", DECALAGE_PORTUGAIS}};
    for (const auto& [code, decalage] : LANGUES)
        if (langueSysteme == code) return decalage;
    return DECALAGE_FRANCAIS;
}
