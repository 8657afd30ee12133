#include "setup/installation.h"

#include "engine/cp1252.h"
#include "engine/textes.h"
#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <filesystem>

namespace fs = std::filesystem;

const std::vector<std::string> FICHIERS_PROGRAMME = {NOM_PROGRAMME_INSTALLE, "koral.hlp", NOM_ICONE};

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
        const std::string description = Cp1252VersUtf8(TexteDansLangue(DecalageLangue, 817));
        if (!Dossiers.Icones.empty() &&
            (!CreerDossier(Dossiers.Icones) || !Copier(JoindreChemin(Resultat.Programme, NOM_ICONE), JoindreChemin(Dossiers.Icones, NOM_ICONE)))) {
            Echec(ERREUR_RACCOURCIS);
            return;
        }
        if (!RaccourcisPossibles()) {
            Echec(ERREUR_RACCOURCIS);
            return;
        }
        for (const std::string& dossier : {Dossiers.Bureau, Dossiers.Applications}) {
            const std::string raccourci = JoindreChemin(dossier, NOM_RACCOURCI);
            if (!CreerDossier(dossier) || !CreerRaccourci(raccourci, Resultat.Programme, description)) {
                Echec(ERREUR_RACCOURCIS);
                continue;
            }
            Plateforme.Approuver(raccourci);
        }
    }
};

} // namespace

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
    const std::string menu = JoindreChemin(dossiers.Applications, NOM_RACCOURCI);
    const auto raccourci = LireRaccourci(menu);
    const std::string programme =
        raccourci ? raccourci->Programme : JoindreChemin(SansSeparateurFinal(dossiers.Parent), DOSSIER_PROGRAMME);
    std::error_code e;
    // Only a folder that holds the program: never anything else of the user's.
    if (fs::path(CheminNatif(programme)).filename() == DOSSIER_PROGRAMME &&
        fs::exists(CheminNatif(JoindreChemin(programme, NOM_PROGRAMME_INSTALLE)), e))
        plan.Programme = programme;
    std::vector<std::string> fichiers = {menu, JoindreChemin(dossiers.Bureau, NOM_RACCOURCI)};
    if (!dossiers.Icones.empty()) fichiers.push_back(JoindreChemin(dossiers.Icones, NOM_ICONE));
    for (const std::string& f : fichiers)
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
