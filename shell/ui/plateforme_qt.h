#pragma once
// The platform port of the running program: real dialogs, the real clock.

#include "engine/plateforme.h"

#include <functional>
#include <memory>

#include <QStringList>

class FenetreAide;
class QWidget;
struct EtatGlobal;

// The filters of a file request as the file dialog writes them: "description (pattern)".
QStringList FiltresQt(const std::vector<std::pair<std::string, std::string>>& filtres);

class PlateformeQt : public Plateforme {
public:
    PlateformeQt();
    ~PlateformeQt() override;
    // The window that owns the dialogs the core opens (the main window once it exists).
    void DefinirProprietaire(QWidget* proprietaire) { proprietaire_ = proprietaire; }
    QWidget* Proprietaire() const { return proprietaire_; }
    // The meeting whose language the dialogs speak; set once it exists.
    void DefinirEtat(EtatGlobal* etat) { etat_ = etat; }
    // The help window closes (the program quits); it is made the first time help is asked.
    void FermerAide();
    // How the program ends after a fatal report: the main window destroyed, every
    // event loop left. Without it the process ends at once.
    void DefinirFin(std::function<void()> fin) { fin_ = std::move(fin); }
    // Shows the fatal box; tests replace it.
    std::function<void(const std::string& legende, const std::string& texte)> BoiteFatale;

    uint32_t Tick() override;
    DateHeure Maintenant() override;
    BoutonMessage Message(const DemandeMessage& demande) override;
    std::optional<int> MessageAvecChoix(const DemandeMessage& demande) override;
    std::optional<std::string> Fichier(const DemandeFichier& demande) override;
    std::optional<std::string> MotDePasse() override;
    std::string NouveauMotDePasse() override;
    ReponseBascule Bascule() override;
    std::optional<std::string> TexteLibre(bool commentaire, const std::string& texte, std::size_t longueur) override;
    std::optional<int> NombreDeVols() override;
    void Bip() override;
    void RapportFatal(const std::string& legende, const std::string& texte) override;
    bool Aide(int sujet, bool popup) override;
    bool OuvrirDocument(const std::string& chemin) override;
    std::string DossierDocuments() override;
    void EnregistrerLangue(int decalage) override;

private:
    QWidget* proprietaire_ = nullptr;
    EtatGlobal* etat_ = nullptr;
    std::unique_ptr<FenetreAide> aide_;
    std::function<void()> fin_;
};
