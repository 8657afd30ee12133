#include "widgets/ui/recherche_liste.h"

#include "engine/etat.h"
#include "widgets/ui/qt_textes.h"

#include <QAbstractItemView>
#include <QKeyEvent>

RechercheListe::RechercheListe(EtatGlobal& etat, QAbstractItemView* vue, Lignes lignes, std::function<void(int)> activer)
    : QObject(vue), etat_(etat), vue_(vue), lignes_(std::move(lignes)), activer_(std::move(activer))
{
    vue->installEventFilter(this);
}

bool RechercheListe::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != vue_ || evenement->type() != QEvent::KeyPress) return false;
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        const int ligne = vue_->currentIndex().isValid() ? vue_->currentIndex().row() : -1;
        if (ligne < 0) return false;
        activer_(ligne);
        return true;
    }
    const QString texte = touche->text();
    if (texte.size() != 1 || !texte[0].isPrint() || (touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    const std::string c = DepuisQString(texte);
    const int ligne = recherche_.Touche(c.front(), etat_.Port.Tick(), lignes_());
    if (ligne < 0) {
        etat_.Port.Bip();
        return true;
    }
    const QModelIndex index = vue_->model()->index(ligne, 0);
    vue_->setCurrentIndex(index);
    vue_->scrollTo(index);
    return true;
}
