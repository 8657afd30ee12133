#pragma once
// The owner-drawn list line: the line's picture copied at the left of the line,
// its text at the caller's x offset, the pause and remark lines told apart.

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

#include <string_view>

class QListWidget;
class QListWidgetItem;
struct EtatGlobal;

constexpr int RoleImage = Qt::UserRole + 1;

class LigneListe : public QStyledItemDelegate {
public:
    LigneListe(const EtatGlobal& etat, QFont police, QColor couleur, int decalageX, int hauteur, QObject* parent);

    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The text drawn for a line: string 49 for the pause card, a remark without its number.
    QString TexteDessine(const QString& texte) const;
    // Every line `largeur` wide (the list's horizontal extent): a list of a
    // thousand lines is laid out without measuring each.
    void LargeurUniforme(QListWidget* liste, int largeur);

private:
    const EtatGlobal& etat_;
    QFont police_;
    QColor couleur_;
    int decalage_;
    int hauteur_;
    int largeurUniforme_ = 0;
};

// Adds a line (Windows-1252 text) with its picture, and a colour of its own when given.
QListWidgetItem* AjouterLigne(QListWidget* liste, std::string_view texte, const QString& image,
                              const QColor& couleur = QColor());
