#include "tests/support/plateforme_test.h"

#include <gtest/gtest.h>

#include <filesystem>

PlateformeTest::PlateformeTest()
    : Documents((std::filesystem::temp_directory_path() / "koral-documents").string())
{
}

template <class T>
std::optional<T> PlateformeTest::Prendre(const char* question)
{
    if (reponses_.empty()) {
        ADD_FAILURE() << "the program asked " << question << " and the script has no answer left";
        return std::nullopt;
    }
    if (!std::holds_alternative<T>(reponses_.front())) {
        ADD_FAILURE() << "the program asked " << question << " but the script's next answer is for another question";
        return std::nullopt;
    }
    T reponse = std::get<T>(reponses_.front());
    reponses_.pop_front();
    return reponse;
}

BoutonMessage PlateformeTest::Message(const DemandeMessage& demande)
{
    Messages.push_back({demande.Texte, demande.Detail, demande.JeuBoutons, demande.SujetAide});
    if (MessagesLibres && (reponses_.empty() || !std::holds_alternative<BoutonMessage>(reponses_.front())))
        return BoutonMessage::Premier;
    return Prendre<BoutonMessage>("a message").value_or(BoutonMessage::Echappement);
}

std::optional<int> PlateformeTest::MessageAvecChoix(const DemandeMessage& demande)
{
    if (!reponses_.empty() && std::holds_alternative<ReponseChoix>(reponses_.front())) {
        Messages.push_back({demande.Texte, demande.Detail, demande.JeuBoutons, demande.SujetAide, demande.Choix});
        return Prendre<ReponseChoix>("a choice")->Choix;
    }
    Message(demande);
    Messages.back().Choix = demande.Choix;
    return std::nullopt;
}

std::optional<std::string> PlateformeTest::Fichier(const DemandeFichier& demande)
{
    Fichiers.push_back(demande);
    auto r = Prendre<ReponseFichier>("for a file");
    return r ? r->Chemin : std::nullopt;
}

std::optional<std::string> PlateformeTest::MotDePasse()
{
    ++MotsDePasseDemandes;
    auto r = Prendre<ReponseMotDePasse>("for the mode password");
    return r ? r->Mot : std::nullopt;
}

std::string PlateformeTest::NouveauMotDePasse()
{
    auto r = Prendre<ReponseNouveauMotDePasse>("for a new mode password");
    return r ? r->Mot : std::string();
}

ReponseBascule PlateformeTest::Bascule()
{
    ++BasculesDemandees;
    return Prendre<ReponseBascule>("the waiting-list proposal").value_or(ReponseBascule{});
}

void PlateformeTest::RapportFatal(const std::string&, const std::string& texte)
{
    Fatals.push_back(texte);
}

bool PlateformeTest::Aide(int sujet, bool popup)
{
    Aides.push_back({sujet, popup});
    return AideDisponible;
}

bool PlateformeTest::OuvrirDocument(const std::string& chemin)
{
    DocumentsOuverts.push_back(chemin);
    return DocumentOuvrable;
}

std::optional<std::string> PlateformeTest::TexteLibre(bool commentaire, const std::string& texte, std::size_t longueur)
{
    TextesDemandes.push_back({commentaire, texte, longueur});
    auto r = Prendre<ReponseTexte>(commentaire ? "for a comment" : "for a remark");
    return r ? r->Texte : std::nullopt;
}

std::optional<int> PlateformeTest::NombreDeVols()
{
    auto r = Prendre<ReponseNombre>("how many flights");
    return r ? r->Nombre : std::nullopt;
}
