#pragma once
// The board on the pilots' phones as the stand runs it: started and stopped
// from the menu or the command line, fed with the stand's view after every
// change and every second, its address and QR code shown to the operator.

#include "web/ui/serveur_web.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

struct EtatGlobal;
struct LigneDeCommande;

class TableauWeb : public QObject {
public:
    TableauWeb(EtatGlobal& etat, QWidget* fenetre);
    ~TableauWeb() override;

    // On `port` (0: one the system chooses); when it is taken, on one the system
    // chooses if `repli`, else the operator is told and nothing listens.
    bool Demarrer(quint16 port, bool repli);
    // As the command line asks ("--web PORT"): on that port only; a port that is
    // not one is said, and nothing listens.
    bool DemarrerSelon(const LigneDeCommande& ligne);
    void Arreter();
    // The menu's command: stops it when it runs, else starts it on the port kept
    // in the settings (8080 at first) and shows the address.
    void Basculer();
    bool Actif() const;
    QString Adresse() const;
    // The stand's view, published for the page.
    void Publier();
    QDialog* DialogueAdresse() const { return adresse_; }
    const ServeurWeb* Serveur() const { return serveur_.get(); }

private:
    void MontrerAdresse();

    EtatGlobal& etat_;
    QWidget* fenetre_;
    std::unique_ptr<ServeurWeb> serveur_;
    QTimer seconde_;
    QPointer<QDialog> adresse_;
};
