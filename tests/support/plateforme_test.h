#pragma once
// The platform port of the tests: a frozen clock the test advances, a queue of
// scripted answers taken in the order the program asks, and a record of
// everything the program showed.

#include "engine/plateforme.h"

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct MessageVu {
    std::string Texte;
    std::string Detail;
    int JeuBoutons = 0;
    int SujetAide = 0;
    std::vector<std::string> Choix;
};

struct AideVue {
    int Sujet = 0;
    bool Popup = false;
};

class PlateformeTest : public Plateforme {
public:
    PlateformeTest();

    // --- clock -------------------------------------------------------------
    uint32_t Horloge = 5000;
    DateHeure Date{2026, 12, 6, 14, 3, 27};
    void Avancer(uint32_t ms) { Horloge += ms; }

    // --- scripted answers, in the order they will be asked -------------------
    void RepondreMessage(BoutonMessage b) { reponses_.push_back(b); }
    void RepondreOui() { RepondreMessage(BoutonMessage::Premier); }
    void RepondreOk() { RepondreMessage(BoutonMessage::Premier); }
    void RepondreNon() { RepondreMessage(BoutonMessage::Second); }
    void RepondreContinuer() { RepondreMessage(BoutonMessage::Troisieme); }
    void RepondreEchappement() { RepondreMessage(BoutonMessage::Echappement); }
    void RepondreFichier(std::optional<std::string> chemin) { reponses_.push_back(ReponseFichier{std::move(chemin)}); }
    void RepondreMotDePasse(std::optional<std::string> mot) { reponses_.push_back(ReponseMotDePasse{std::move(mot)}); }
    void RepondreNouveauMotDePasse(std::string mot) { reponses_.push_back(ReponseNouveauMotDePasse{std::move(mot)}); }
    void RepondreBascule(bool oui, bool nePlusProposer) { reponses_.push_back(ReponseBascule{oui, nePlusProposer}); }
    void RepondreTexte(std::optional<std::string> texte) { reponses_.push_back(ReponseTexte{std::move(texte)}); }
    void RepondreNombre(std::optional<int> nombre) { reponses_.push_back(ReponseNombre{nombre}); }
    // A choice of a message that offers some (a message button answers it too: no choice).
    void RepondreChoix(int choix) { reponses_.push_back(ReponseChoix{choix}); }
    std::size_t ReponsesRestantes() const { return reponses_.size(); }
    // Messages no script asked for are answered OK instead of failing the test.
    bool MessagesLibres = false;

    // --- what the program showed ------------------------------------------------
    std::vector<MessageVu> Messages;
    std::vector<DemandeFichier> Fichiers;
    int Bips = 0;
    int MotsDePasseDemandes = 0;
    int BasculesDemandees = 0;
    struct TexteDemande {
        bool Commentaire;
        std::string Texte;
        std::size_t Longueur;
    };
    std::vector<TexteDemande> TextesDemandes;
    std::vector<std::string> Fatals;
    std::vector<AideVue> Aides;
    std::vector<std::string> DocumentsOuverts;
    bool AideDisponible = true;
    bool DocumentOuvrable = true;
    std::string Documents;
    std::vector<int> LanguesEnregistrees;

    // --- the port -----------------------------------------------------------------
    uint32_t Tick() override { return Horloge; }
    DateHeure Maintenant() override { return Date; }
    BoutonMessage Message(const DemandeMessage& demande) override;
    std::optional<int> MessageAvecChoix(const DemandeMessage& demande) override;
    std::optional<std::string> Fichier(const DemandeFichier& demande) override;
    std::optional<std::string> MotDePasse() override;
    std::string NouveauMotDePasse() override;
    ReponseBascule Bascule() override;
    std::optional<std::string> TexteLibre(bool commentaire, const std::string& texte, std::size_t longueur) override;
    std::optional<int> NombreDeVols() override;
    void Bip() override { ++Bips; }
    void RapportFatal(const std::string& legende, const std::string& texte) override;
    bool Aide(int sujet, bool popup) override;
    bool OuvrirDocument(const std::string& chemin) override;
    std::string DossierDocuments() override { return Documents; }
    void EnregistrerLangue(int decalage) override { LanguesEnregistrees.push_back(decalage); }

private:
    struct ReponseFichier { std::optional<std::string> Chemin; };
    struct ReponseMotDePasse { std::optional<std::string> Mot; };
    struct ReponseNouveauMotDePasse { std::string Mot; };
    struct ReponseTexte { std::optional<std::string> Texte; };
    struct ReponseNombre { std::optional<int> Nombre; };
    struct ReponseChoix { int Choix; };
    using Reponse = std::variant<BoutonMessage, ReponseFichier, ReponseMotDePasse,
                                 ReponseNouveauMotDePasse, ReponseBascule, ReponseTexte, ReponseNombre, ReponseChoix>;
    template <class T> std::optional<T> Prendre(const char* question);

    std::deque<Reponse> reponses_;
};
