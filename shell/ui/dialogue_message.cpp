#include "shell/ui/dialogue_message.h"

#include "engine/etat.h"
#include "engine/messages.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int LARGEUR = 470;
constexpr int MARGE = 20;
// The message runs from beside the icon to the dialog's right margin.
const QRect MESSAGE(100, 20, LARGEUR - MARGE - 100, 230);
const QRect DETAIL(20, 110, 430, 90);
constexpr int DRAPEAUX = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

QFont PoliceMessage()
{
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    f.setBold(true);
    return f;
}

} // namespace

DialogueMessage::DialogueMessage(const EtatGlobal& etat, const DemandeMessage& demande,
                                 std::function<void(int)> aide, QWidget* parent)
    : QDialog(parent), etat_(etat), texte_(EspacesInsecables(VersQString(demande.Texte))),
      detail_(EspacesInsecables(VersQString(demande.Detail)))
{
    setObjectName(QStringLiteral("DIALMESS"));
    setWindowTitle(TexteQt(etat, 185));
    setModal(true);
    premier_ = CreerBouton(this, 312);
    second_ = CreerBouton(this, 311);
    troisieme_ = CreerBouton(this, 424);
    aide_ = CreerBouton(this, 850);
    aide_->setText(TexteQt(etat, 186));
    premier_->setDefault(true);
    const AspectJeuBoutons aspect = AspectDuJeu(demande.JeuBoutons);
    premier_->setText(TexteQt(etat, aspect.TextePremier));
    second_->setText(TexteQt(etat, 29));
    troisieme_->setText(TexteQt(etat, aspect.TexteTroisieme));
    second_->setVisible(aspect.Second);
    troisieme_->setVisible(aspect.Troisieme);
    aide_->setVisible(demande.SujetAide != 0);
    icone_ = QString::fromLatin1(aspect.Icone);

    connect(premier_, &QPushButton::clicked, this, [this] { Fermer(BoutonMessage::Premier); });
    connect(second_, &QPushButton::clicked, this, [this] { Fermer(BoutonMessage::Second); });
    connect(troisieme_, &QPushButton::clicked, this, [this] { Fermer(BoutonMessage::Troisieme); });
    const int sujet = demande.SujetAide;
    connect(aide_, &QPushButton::clicked, this, [aide, sujet] { if (aide) aide(sujet); });
    // The choices under the explanation, each a button of its own (never the default).
    if (!demande.Choix.empty()) {
        titreChoix_ = CreerEtiquette(this, 225, false);
        TexteControle(etat, this, 225, 225);
        titreChoix_->setText(titreChoix_->text().trimmed());
    }
    for (std::size_t i = 0; i < demande.Choix.size(); ++i) {
        auto* b = new QPushButton(VersQString(demande.Choix[i]), this);
        b->setObjectName(QStringLiteral("CHOIX%1").arg(i));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] {
            choix_ = static_cast<int>(i);
            Fermer(BoutonMessage::Second);
        });
        boutonsChoix_.push_back(b);
    }
    Disposer();
}

// The message and detail keep their places; a long message pushes the detail
// down instead of running under it.
void DialogueMessage::Disposer()
{
    const QFontMetrics mesureMessage(PoliceMessage());
    const QRect message = mesureMessage.boundingRect(MESSAGE, DRAPEAUX, texte_);
    zoneMessage_ = QRect(MESSAGE.topLeft(), QSize(MESSAGE.width(), std::max(message.height(), 64)));
    int bas = std::max(zoneMessage_.bottom(), 20 + 64);
    if (!detail_.isEmpty()) {
        const QFontMetrics mesureDetail(QApplication::font());
        const int haut = std::max(DETAIL.top(), bas + 10);
        const QRect d = mesureDetail.boundingRect(QRect(DETAIL.left(), haut, DETAIL.width(), 10000), DRAPEAUX, detail_);
        zoneDetail_ = QRect(DETAIL.left(), haut, DETAIL.width(), d.height());
        bas = zoneDetail_.bottom();
    } else {
        zoneDetail_ = QRect();
    }
    if (titreChoix_) {
        titreChoix_->setGeometry(DETAIL.left(), bas + 12, DETAIL.width(), titreChoix_->sizeHint().height());
        bas = titreChoix_->geometry().bottom() + 4;
        int x = DETAIL.left();
        for (QPushButton* b : boutonsChoix_) {
            // As narrow as their text allows: the six of a band's line side by side.
            const QSize t(b->fontMetrics().horizontalAdvance(b->text()) + 18, b->sizeHint().height());
            if (x + t.width() > LARGEUR - MARGE && x > DETAIL.left()) {
                x = DETAIL.left();
                bas += t.height() + 4;
            }
            b->setGeometry(x, bas, t.width(), t.height());
            x += t.width() + 6;
        }
        if (!boutonsChoix_.empty()) bas += boutonsChoix_.front()->sizeHint().height();
    }
    const int yBoutons = bas + 16;
    int x = LARGEUR - MARGE;
    for (QPushButton* b : {aide_, troisieme_, second_, premier_}) {
        if (b->isHidden()) continue;
        const QSize t = b == aide_ ? QSize(32, 28) : b->sizeHint().expandedTo(QSize(88, 28));
        x -= t.width();
        b->setGeometry(x, yBoutons, t.width(), t.height());
        x -= 8;
    }
    setFixedSize(LARGEUR, yBoutons + 28 + MARGE);
}

void DialogueMessage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(20, 20, Image(icone_, QSize(64, 64)));
    p.setFont(PoliceMessage());
    p.setPen(QColor(0, 0, 255));
    p.drawText(zoneMessage_, DRAPEAUX, texte_);
    if (!detail_.isEmpty()) {
        p.setFont(QApplication::font());
        p.setPen(Qt::black);
        p.drawText(zoneDetail_, DRAPEAUX, detail_);
    }
}

void DialogueMessage::showEvent(QShowEvent* e)
{
    QApplication::beep();
    QDialog::showEvent(e);
}

void DialogueMessage::Fermer(BoutonMessage b)
{
    bouton_ = b;
    done(b == BoutonMessage::Premier ? 1 : 0);
}

void DialogueMessage::reject()
{
    bouton_ = BoutonMessage::Echappement;
    QDialog::reject();
}

BoutonMessage OuvrirDialogueMessage(const EtatGlobal& etat, const DemandeMessage& demande,
                                    std::function<void(int)> aide, QWidget* parent)
{
    DialogueMessage d(etat, demande, std::move(aide), parent);
    d.exec();
    return d.Bouton();
}

std::optional<int> OuvrirDialogueMessageAvecChoix(const EtatGlobal& etat, const DemandeMessage& demande,
                                                  std::function<void(int)> aide, QWidget* parent)
{
    DialogueMessage d(etat, demande, std::move(aide), parent);
    d.exec();
    return d.Choix() >= 0 ? std::optional<int>(d.Choix()) : std::nullopt;
}
