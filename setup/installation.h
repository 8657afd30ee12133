#pragma once
// koralsetup's steps without its window: the program folder and its files, the
// data folder and the samples, the two shortcuts, in that order, the first
// failure kept; and the uninstall, which keeps the user's data.

#include "setup/raccourci.h"
#include "storage/exemples.h"

#include <optional>
#include <string>
#include <vector>

// InstallError: the first failure decides the message.
enum ErreurInstallation {
    INSTALLATION_REUSSIE = 0,
    ERREUR_REPERTOIRE = 1,
    ERREUR_COPIE = 2,
    ERREUR_RACCOURCIS = 4,
};

constexpr const char* DOSSIER_PROGRAMME = "KORALIS";
constexpr const char* NOM_ICONE = "koralis.svg";
// The files of the distribution folder that go to the program folder, in their
// order; the samples (FICHIERS_EXEMPLES) go to the data folder.
extern const std::vector<std::string> FICHIERS_PROGRAMME;

// What the installer asks of its platform: the dialogs and the trust of a launcher.
class PlateformeInstallation {
public:
    virtual ~PlateformeInstallation() = default;
    // QUELREP on the proposed parent folder: the folder chosen, nothing for Abandon.
    virtual std::optional<std::string> Repertoire(const std::string& propose) = 0;
    // ERREUR with the message of `code` and the file that was being copied.
    virtual void Erreur(int code, const std::string& fichier) = 0;
    // TOUTOK.
    virtual void Reussite() = 0;
    virtual void Bip() = 0;
    // Marks a desktop launcher as one the user trusts, where the desktop asks for it.
    virtual void Approuver(const std::string& lanceur) = 0;
};

// The folders of this system, all UTF-8 paths.
struct DossiersInstallation {
    std::string Source;         // the installer's own folder: the distribution
    std::string Parent;         // the proposed parent of the program folder
    std::string Documents;      // the user's documents folder (made when missing)
    std::string Applications;   // the user's applications menu
    std::string Bureau;         // the desktop folder
    std::string Icones;         // the user's icon theme folder for scalable icons, if any
};

struct ResultatInstallation {
    bool Abandon = false;
    int Erreur = INSTALLATION_REUSSIE;
    std::string Fichier;        // the file being copied at the first failure
    std::string Programme;      // the program folder
};

// The whole installation: QUELREP, the copies, the shortcuts, the result dialog;
// the shortcuts are described in the installer's language. No icon folder (on
// Windows the shortcut shows the program's own icon): no icon copied.
ResultatInstallation Installer(PlateformeInstallation& plateforme, const DossiersInstallation& dossiers,
                               int decalageLangue = 0);

// What an uninstall removes, said to the user before anything goes: the program
// folder found through the menu's shortcut (or under the proposed parent), only
// when it holds the program; the two shortcuts and the icon that exist. The
// data folder stays.
struct PlanDesinstallation {
    std::string Programme;                // empty when no program folder is found
    std::vector<std::string> Fichiers;
    std::string Donnees;                  // kept
    bool Vide() const { return Programme.empty() && Fichiers.empty(); }
};
PlanDesinstallation PlanDeDesinstallation(const DossiersInstallation& dossiers);
// The question asked before (Windows-1252, in the installer's language).
std::string QuestionDesinstallation(int decalageLangue, const PlanDesinstallation& plan);
// Removes what the plan names.
void Desinstaller(const PlanDesinstallation& plan);

// The installer speaks the language chosen in the program when there is one,
// else the system's (an ISO 639 code) when the program has it, else French.
int LangueDeLInstallation(std::optional<int> reglage, const std::string& langueSysteme);
