#include "shell/ui/bandeau.h"

#include "widgets/ui/ressources_qt.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

Bandeau::Bandeau(const EtatGlobal& etat, std::function<QString()> texte, QColor couleur, QWidget* parent)
    : QPushButton(parent), etat_(etat), texte_(std::move(texte)), couleur_(couleur)
{
    setFocusPolicy(Qt::NoFocus);
}

void Bandeau::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(PolicesKoral(etat_).Defilant);
    p.setPen(couleur_);
    p.setClipRect(rect().adjusted(2, 1, -2, -1));
    p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texte_());
}

BoutonCommande::BoutonCommande(const EtatGlobal& etat, int id, QWidget* parent) : QPushButton(parent), etat_(etat)
{
    setObjectName(QString::number(id));
    setFocusPolicy(Qt::NoFocus);
}

void BoutonCommande::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    if (!texteVisible_) return;
    p.setFont(PolicesKoral(etat_).Grande);
    p.setPen(isEnabled() ? Qt::black : Qt::gray);
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

BoutonImage::BoutonImage(QPixmap image, QWidget* parent) : QPushButton(parent), image_(std::move(image))
{
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
}

void BoutonImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), image_);
}
