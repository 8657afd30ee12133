#pragma once
// A port with nobody at the screen: the benchmarks and the sample generator,
// where nothing asks the operator anything.

#include "engine/plateforme.h"

class PlateformeSilencieuse : public Plateforme {
public:
    uint32_t Tick() override { return tick_ += 1; }
    DateHeure Maintenant() override { return {2026, 12, 6, 14, 3, 27}; }
    BoutonMessage Message(const DemandeMessage&) override { return BoutonMessage::Premier; }
    std::optional<std::string> Fichier(const DemandeFichier&) override { return std::nullopt; }
    std::optional<std::string> MotDePasse() override { return std::nullopt; }
    std::string NouveauMotDePasse() override { return {}; }
    ReponseBascule Bascule() override { return {}; }
    std::optional<std::string> TexteLibre(bool, const std::string&, std::size_t) override { return std::nullopt; }
    std::optional<int> NombreDeVols() override { return std::nullopt; }
    void Bip() override {}
    void RapportFatal(const std::string&, const std::string&) override {}
    bool Aide(int, bool) override { return false; }
    bool OuvrirDocument(const std::string&) override { return false; }
    std::string DossierDocuments() override { return "."; }
    void EnregistrerLangue(int) override {}

private:
    uint32_t tick_ = 0;
};
