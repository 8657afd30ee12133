#include "shell/ui/bouton_frequence.h"

#include "engine/etat.h"
#include "shell/tableau.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QMouseEvent>
#include <QPainter>

QColor CouleurDuTexte(CouleurTexte c)
{
    return QColor(QLatin1String(RgbTexte(c)));
}

BoutonFrequence::BoutonFrequence(EtatGlobal& etat, int index, std::function<void(int)> clic, QWidget* parent)
    : QWidget(parent), etat_(etat), index_(index), clic_(std::move(clic))
{
    setObjectName(QString::number(index));
    setCursor(Qt::PointingHandCursor);
}

void BoutonFrequence::paintEvent(QPaintEvent*)
{
    if (index_ >= etat_.NbFrequences()) return;
    const AspectBouton aspect = AspectDuBouton(etat_, index_);
    QPainter p(this);
    p.drawPixmap(rect(), Image(QString::fromLatin1(aspect.Image), size()));
    const Polices& polices = PolicesKoral(etat_);
    p.setFont(PetitePolice(etat_) ? polices.Petite : polices.Grande);
    p.setPen(CouleurDuTexte(aspect.Couleur));
    const EntreeFrequence& e = etat_.PlanFrequences[static_cast<std::size_t>(index_)];
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, VersQString(VueChamp(e.Libelle)));
}

void BoutonFrequence::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton) clic_(index_);
}
