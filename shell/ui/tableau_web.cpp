#include "shell/ui/tableau_web.h"

#include "engine/etat.h"
#include "engine/format.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "shell/ligne_commande.h"
#include "web/ui/code_qr.h"
#include "shell/vue_web.h"
#include "widgets/ui/qt_textes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr quint16 PORT_PAR_DEFAUT = 8080;

} // namespace

TableauWeb::TableauWeb(EtatGlobal& etat, QWidget* fenetre) : QObject(fenetre), etat_(etat), fenetre_(fenetre)
{
    // The times out move on every second.
    connect(&seconde_, &QTimer::timeout, this, [this] { Publier(); });
}

TableauWeb::~TableauWeb() { delete adresse_; }

bool TableauWeb::Demarrer(quint16 port, bool repli)
{
    if (!serveur_) serveur_ = std::make_unique<ServeurWeb>();
    Publier();
    if (!serveur_->Demarrer(port) && !(repli && serveur_->Demarrer(0))) {
        etat_.TexteMessage = FormaterTexte(Texte(etat_, 229), static_cast<unsigned>(port));
        etat_.JeuBoutons = BOUTONS_OK;
        AfficherMessage(etat_);
        return false;
    }
    seconde_.start(1000);
    return true;
}

bool TableauWeb::DemarrerSelon(const LigneDeCommande& ligne)
{
    if (ligne.PortRefuse) {
        etat_.TexteMessage = FormaterTexte(Texte(etat_, 232), ligne.PortRefuse->c_str());
        etat_.JeuBoutons = BOUTONS_OK;
        AfficherMessage(etat_);
    }
    return ligne.PortWeb && Demarrer(*ligne.PortWeb, false);
}

void TableauWeb::Arreter()
{
    seconde_.stop();
    if (serveur_) serveur_->Arreter();
    if (adresse_) adresse_->close();
}

void TableauWeb::Basculer()
{
    if (Actif()) {
        Arreter();
        return;
    }
    QSettings reglages(QStringLiteral("TRAX"), QStringLiteral("Koralis"));
    const quint16 port = static_cast<quint16>(reglages.value(QStringLiteral("PortWeb"), PORT_PAR_DEFAUT).toUInt());
    if (Demarrer(port, true)) MontrerAdresse();
}

bool TableauWeb::Actif() const { return serveur_ && serveur_->Actif(); }

QString TableauWeb::Adresse() const { return Actif() ? AdresseDuPoste(serveur_->Port()) : QString(); }

void TableauWeb::Publier()
{
    if (serveur_) serveur_->Publier(VueWebJson(etat_));
}

void TableauWeb::MontrerAdresse()
{
    delete adresse_;
    auto* d = new QDialog(fenetre_);
    d->setObjectName(QStringLiteral("TABLEAUWEB"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(TexteQt(etat_, 226));
    auto* disposition = new QVBoxLayout(d);
    auto* consigne = new QLabel(TexteQt(etat_, 228), d);
    consigne->setWordWrap(true);
    auto* adresse = new QLabel(Adresse(), d);
    adresse->setObjectName(QStringLiteral("ADRESSE"));
    adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont grande = adresse->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    adresse->setFont(grande);
    adresse->setAlignment(Qt::AlignCenter);
    auto* code = new QLabel(d);
    code->setObjectName(QStringLiteral("CODEQR"));
    code->setPixmap(QPixmap::fromImage(CodeQr(Adresse(), 6)));
    code->setAlignment(Qt::AlignCenter);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, d);
    connect(boutons, &QDialogButtonBox::accepted, d, &QDialog::close);
    disposition->addWidget(consigne);
    disposition->addWidget(adresse);
    disposition->addWidget(code);
    disposition->addWidget(boutons);
    // Wide enough for its title in the window system's frame.
    d->setMinimumWidth(d->fontMetrics().horizontalAdvance(d->windowTitle()) + 160);
    // Beside the stand, which keeps working: the operator shows it and closes it.
    d->setModal(false);
    d->show();
    adresse_ = d;
}
