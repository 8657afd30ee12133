#pragma once
// Everything the core needs from the outside world: time, the questions it asks
// the operator in the middle of an operation, the beep and the fatal report.
// The ui answers with real dialogs; tests answer from a script.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct DateHeure {
    int Annee = 2000;   // four digits
    int Mois = 1;       // 1..12
    int Jour = 1;       // 1..31
    int Heure = 0;
    int Minute = 0;
    int Seconde = 0;
};

// The message dialog DIALMESS as the core fills it (texts in Windows-1252).
struct DemandeMessage {
    std::string Texte;
    std::string Detail;
    int JeuBoutons = 962;
    int SujetAide = 0;
    // Choices offered under the text (the frequencies a refused card could leave on instead).
    std::vector<std::string> Choix;
};

enum class BoutonMessage { Premier, Second, Troisieme, Echappement };

// A file dialog: open an existing file or name a new one.
struct DemandeFichier {
    bool Enregistrer = false;      // save dialog (asks before replacing)
    std::string Titre;             // Windows-1252
    std::vector<std::pair<std::string, std::string>> Filtres;   // (description, pattern)
    std::string Extension;         // default extension, without the dot
    std::string NomPropose;        // Windows-1252
};

struct ReponseBascule {
    bool Oui = false;
    bool NePlusProposer = false;
};

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Unsigned 32-bit milliseconds; differences are taken modulo 2^32.
    virtual uint32_t Tick() = 0;
    virtual DateHeure Maintenant() = 0;

    virtual BoutonMessage Message(const DemandeMessage& demande) = 0;
    // DIALMESS with its choices: the one taken, nothing for its buttons or Escape.
    virtual std::optional<int> MessageAvecChoix(const DemandeMessage& demande)
    {
        Message(demande);
        return std::nullopt;
    }
    // UTF-8 path, or nothing when the operator cancels.
    virtual std::optional<std::string> Fichier(const DemandeFichier& demande) = 0;
    // The mode password as typed (Windows-1252), or nothing for Abandon/Escape.
    virtual std::optional<std::string> MotDePasse() = 0;
    // CREEPASS: the text typed, which may be empty.
    virtual std::string NouveauMotDePasse() = 0;
    // BASCULE: queue the refused flight and switch to the waiting list?
    virtual ReponseBascule Bascule() = 0;
    // DLGREM (a remark, one line) or DLGCOM (a flight's comment, several lines),
    // opened on `texte` (Windows-1252, CR LF breaks): the text accepted, or
    // nothing for Abandon. `longueur`: the most bytes the record keeps.
    virtual std::optional<std::string> TexteLibre(bool commentaire, const std::string& texte, std::size_t longueur) = 0;
    // DIALREPRISE: how many flights to plan again; nothing for Cancel.
    virtual std::optional<int> NombreDeVols() = 0;

    virtual void Bip() = 0;
    // System-modal error box, then the program ends. Returns only under test.
    virtual void RapportFatal(const std::string& legende, const std::string& texte) = 0;
    // Help file at a topic (0 = contents); false when the file cannot be opened.
    virtual bool Aide(int sujet, bool popup) = 0;
    // The system's "open" action on a file (UTF-8 path).
    virtual bool OuvrirDocument(const std::string& chemin) = 0;
    // The user's documents folder (UTF-8), without a trailing separator.
    virtual std::string DossierDocuments() = 0;
    // The one setting kept outside the meeting: the language of the next start.
    virtual void EnregistrerLangue(int decalage) = 0;
};
