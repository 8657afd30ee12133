#include "shell/ui/fenetre_aide.h"

#include "engine/etat.h"
#include "widgets/ui/qt_textes.h"
#include "storage/fichier_atomique.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

namespace {

constexpr std::size_t TAILLE_AIDE_MAX = 4u * 1024 * 1024;

} // namespace

FenetreAide::FenetreAide(const EtatGlobal& etat, QWidget* parent) : QWidget(parent, Qt::Window), etat_(etat)
{
    setObjectName(QStringLiteral("AIDE"));
    TexteTitre(etat, this, 173);
    navigateur_ = new QTextBrowser(this);
    navigateur_->setOpenLinks(false);
    connect(navigateur_, &QTextBrowser::anchorClicked, this, [this](const QUrl& lien) {
        bool ok = false;
        const int sujet = lien.fragment().toInt(&ok);
        if (ok) Afficher(sujet);
    });
    auto* sommaire = new QPushButton(TexteQt(etat, 174), this);
    sommaire->setObjectName(QStringLiteral("174"));
    connect(sommaire, &QPushButton::clicked, this, [this] { Afficher(0); });
    auto* fermer = new QPushButton(TexteQt(etat, 175), this);
    fermer->setObjectName(QStringLiteral("175"));
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(sommaire);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(navigateur_);
    colonne->addLayout(boutons);
    resize(640, 560);
}

bool FenetreAide::Charger(const std::string& chemin)
{
    const auto texte = LireFichierEntier(chemin, TAILLE_AIDE_MAX);
    charge_ = texte.has_value();
    if (charge_) fichier_ = FichierAide::Lire(*texte);
    return charge_;
}

QString FenetreAide::Html(int sujet, bool avecTitre) const
{
    const auto s = fichier_.Sujet(etat_.DecalageLangue, sujet);
    if (!s) return QStringLiteral("<p>%1</p>").arg(TexteQt(etat_, 178).toHtmlEscaped());
    QString html;
    if (avecTitre) html = QStringLiteral("<h2>%1</h2>").arg(QString::fromStdString(s->Titre).toHtmlEscaped());
    return html + QString::fromStdString(s->Corps);
}

bool FenetreAide::Afficher(int sujet)
{
    if (!charge_) return false;
    sujet_ = sujet;
    navigateur_->setHtml(Html(sujet, true));
    // Asked from a modal dialog, the window takes the modality itself: it answers
    // until it is closed, and the dialog beneath waits for it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality voulue = modal == this ? windowModality() : modal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != voulue) {
        hide();
        setWindowModality(voulue);
    }
    show();
    raise();
    activateWindow();
    return true;
}

bool FenetreAide::Popup(int sujet)
{
    if (!charge_) return false;
    // A child of the open modal dialog, if any, so that the dialog does not block it.
    auto* popup = new QDialog(QApplication::activeModalWidget(), Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setObjectName(QStringLiteral("AIDE_POPUP"));
    auto* texte = new QTextBrowser(popup);
    texte->setHtml(Html(sujet, true));
    auto* colonne = new QVBoxLayout(popup);
    colonne->setContentsMargins(4, 4, 4, 4);
    colonne->addWidget(texte);
    popup->resize(420, 300);
    popup->move(QCursor::pos() - QPoint(210, 150));
    popup->show();
    sujet_ = sujet;
    return true;
}

QString FenetreAide::Contenu() const
{
    return navigateur_->toPlainText();
}
