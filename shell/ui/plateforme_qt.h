#pragma once
// The platform port of the running program: real dialogs, the real clock.

#include "engine/plateforme.h"

class FenetreAide;
class QWidget;
struct EtatGlobal;

class PlateformeQt : public Plateforme {
public:
    // The window that owns the dialogs the core opens (the main window once it exists).
    void DefinirProprietaire(QWidget* proprietaire) { proprietaire_ = proprietaire; }
    QWidget* Proprietaire() const { return proprietaire_; }
    // The meeting whose language the dialogs speak; set once it exists.
    void DefinirEtat(EtatGlobal* etat) { etat_ = etat; }
    void DefinirAide(FenetreAide* aide) { aide_ = aide; }

    uint32_t Tick() override;
    DateHeure Maintenant() override;
    BoutonMessage Message(const DemandeMessage& demande) override;
    std::optional<std::string> Fichier(const DemandeFichier& demande) override;
    std::optional<std::string> MotDePasse() override;
    std::string NouveauMotDePasse() override;
    ReponseBascule Bascule() override;
    void Bip() override;
    void RapportFatal(const std::string& legende, const std::string& texte) override;
    bool Aide(int sujet, bool popup) override;
    bool OuvrirDocument(const std::string& chemin) override;
    std::string DossierDocuments() override;
    void EnregistrerLangue(int decalage) override;

private:
    QWidget* proprietaire_ = nullptr;
    EtatGlobal* etat_ = nullptr;
    FenetreAide* aide_ = nullptr;
};
