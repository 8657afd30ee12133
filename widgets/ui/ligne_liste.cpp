#include "widgets/ui/ligne_liste.h"

#include "engine/enregistrements.h"
#include "engine/textes.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

LigneListe::LigneListe(const EtatGlobal& etat, QFont police, QColor couleur, int decalageX, int hauteur,
                       QObject* parent)
    : QStyledItemDelegate(parent), etat_(etat), police_(std::move(police)), couleur_(couleur),
      decalage_(decalageX), hauteur_(hauteur)
{
}

QString LigneListe::TexteDessine(const QString& texte) const
{
    int i = 0;
    while (i < texte.size() && texte[i] == QLatin1Char(' ')) ++i;
    int numero = 0, chiffres = 0;
    for (; i < texte.size() && texte[i].isDigit() && chiffres < 9; ++i, ++chiffres) numero = numero * 10 + texte[i].digitValue();
    if (chiffres && numero == FICHE_PAUSE) return TexteQt(etat_, 49).left(11);
    if (chiffres && numero >= PREMIERE_REMARQUE) return texte.mid(4);
    return texte;
}

void LigneListe::paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    peintre->save();
    const QRect ligne = option.rect;
    peintre->fillRect(ligne, Qt::white);
    const QString image = index.data(RoleImage).toString();
    if (!image.isEmpty()) {
        peintre->setClipRect(ligne);
        peintre->drawPixmap(ligne.topLeft(), Image(image));
        peintre->setClipping(false);
    }
    const QString texte = TexteDessine(index.data(Qt::DisplayRole).toString());
    const QVariant propre = index.data(Qt::ForegroundRole);
    const QColor couleur = propre.isValid() ? propre.value<QColor>() : couleur_;
    peintre->setFont(police_);
    const QFontMetrics mesure(police_);
    const QRect zone(ligne.left() + decalage_, ligne.top(), ligne.width() - decalage_, ligne.height());
    if (option.state & QStyle::State_Selected) {
        // The whole height of the line, so that underscores below the baseline stay in the highlight.
        const int largeur = mesure.horizontalAdvance(texte);
        const QRect fond(zone.left() - 1, ligne.top(), largeur + 2, ligne.height());
        peintre->fillRect(fond, option.palette.brush(QPalette::Highlight));
        peintre->setPen(option.palette.color(QPalette::HighlightedText));
    } else {
        peintre->setPen(couleur);
    }
    peintre->drawText(zone, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texte);
    peintre->restore();
}

void LigneListe::LargeurUniforme(QListWidget* liste, int largeur)
{
    largeurUniforme_ = largeur;
    liste->setUniformItemSizes(true);
}

QSize LigneListe::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (largeurUniforme_) return {largeurUniforme_, hauteur_};
    const QFontMetrics mesure(police_);
    const int largeur = decalage_ + mesure.horizontalAdvance(TexteDessine(index.data(Qt::DisplayRole).toString())) + 4;
    (void)option;
    return {largeur, hauteur_};
}

QListWidgetItem* AjouterLigne(QListWidget* liste, std::string_view texte, const QString& image, const QColor& couleur)
{
    auto* item = new QListWidgetItem(VersQString(texte), liste);
    item->setData(RoleImage, image);
    if (couleur.isValid()) item->setData(Qt::ForegroundRole, couleur);
    return item;
}
