#include "shell/ui/plateforme_qt.h"

#include "cards/ui/dialogues_saisie_texte.h"
#include "engine/messages.h"
#include "shell/horloge.h"
#include "shell/ui/dialogue_message.h"
#include "engine/etat.h"
#include "shell/ui/fenetre_aide.h"
#include "widgets/ui/qt_textes.h"
#include "stand/ui/dialogues_mode.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>

uint32_t PlateformeQt::Tick() { return TickSysteme(); }

DateHeure PlateformeQt::Maintenant() { return MaintenantSysteme(); }

BoutonMessage PlateformeQt::Message(const DemandeMessage& demande)
{
    EtatGlobal& etat = *etat_;
    return OuvrirDialogueMessage(etat, demande, [&etat](int sujet) { OuvrirAideMessage(etat, sujet); }, proprietaire_);
}

std::optional<int> PlateformeQt::MessageAvecChoix(const DemandeMessage& demande)
{
    EtatGlobal& etat = *etat_;
    return OuvrirDialogueMessageAvecChoix(etat, demande, [&etat](int sujet) { OuvrirAideMessage(etat, sujet); }, proprietaire_);
}

QStringList FiltresQt(const std::vector<std::pair<std::string, std::string>>& filtres)
{
    QStringList r;
    for (const auto& [description, motif] : filtres) {
        const QString texte = VersQString(description).trimmed();
        const QString motifs = VersQString(motif).replace(';', ' ');
        // Most descriptions of the string table name their pattern already.
        r << (texte.contains(QLatin1Char('(') + motifs + QLatin1Char(')')) ? texte
                                                                          : QStringLiteral("%1 (%2)").arg(texte, motifs));
    }
    return r;
}

std::optional<std::string> PlateformeQt::Fichier(const DemandeFichier& demande)
{
    // In the working folder, the data folder of the meeting's files.
    QFileDialog dialogue(proprietaire_, VersQString(demande.Titre), QDir::currentPath());
    dialogue.setNameFilters(FiltresQt(demande.Filtres));
    dialogue.setDefaultSuffix(QString::fromStdString(demande.Extension));
    dialogue.setOption(QFileDialog::ReadOnly, false);
    if (demande.Enregistrer) {
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.selectFile(VersQString(demande.NomPropose));
    } else {
        dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        dialogue.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialogue.selectedFiles().front()).toStdString();
}
std::optional<std::string> PlateformeQt::MotDePasse() { return OuvrirPassword(*etat_, proprietaire_); }
std::string PlateformeQt::NouveauMotDePasse() { return OuvrirCreePass(*etat_, proprietaire_); }
ReponseBascule PlateformeQt::Bascule() { return OuvrirBascule(*etat_, proprietaire_); }

std::optional<std::string> PlateformeQt::TexteLibre(bool commentaire, const std::string& texte, std::size_t longueur)
{
    // Over the dialog that asks: the flight plan editor.
    QWidget* dessus = QApplication::activeModalWidget();
    return OuvrirTexteLibre(*etat_, commentaire, texte, longueur, dessus ? dessus : proprietaire_);
}

std::optional<int> PlateformeQt::NombreDeVols()
{
    QWidget* dessus = QApplication::activeModalWidget();
    return OuvrirReprise(*etat_, dessus ? dessus : proprietaire_);
}

void PlateformeQt::Bip() { QApplication::beep(); }

void PlateformeQt::RapportFatal(const std::string& legende, const std::string& texte)
{
    if (BoiteFatale) {
        BoiteFatale(legende, texte);
    } else {
        QMessageBox boite(QMessageBox::Critical, VersQString(legende), VersQString(texte), QMessageBox::Ok);
        boite.setWindowModality(Qt::ApplicationModal);
        boite.exec();
    }
    // The meeting file was rewritten after the last change: ending here loses nothing.
    if (!fin_) std::exit(EXIT_FAILURE);
    // The dialogs open above the window close, so that their loops return and
    // the main window's destruction ends the program the ordinary way.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    fin_();
}

PlateformeQt::PlateformeQt() = default;
PlateformeQt::~PlateformeQt() = default;

bool PlateformeQt::Aide(int sujet, bool popup)
{
    // Read the first time it is asked, not at every start.
    if (!aide_) {
        if (!etat_) return false;
        auto aide = std::make_unique<FenetreAide>(*etat_);
        if (!aide->Charger(etat_->CheminAide)) return false;
        aide_ = std::move(aide);
    }
    return popup ? aide_->Popup(sujet) : aide_->Afficher(sujet);
}

void PlateformeQt::FermerAide()
{
    if (aide_) aide_->close();
}

bool PlateformeQt::OuvrirDocument(const std::string& chemin)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(chemin)));
}

void PlateformeQt::EnregistrerLangue(int decalage)
{
    QSettings("TRAX", "Koralis").setValue("Langue", decalage);
}

std::string PlateformeQt::DossierDocuments()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toStdString();
}
