#pragma once
// Every control of a dialog carries its number as its objectName: the tests,
// like the operator, find button 804 by its number.

#include <QLabel>
#include <QPushButton>
#include <QString>

template <class T>
T* CreerControle(QWidget* parent, int id)
{
    auto* w = new T(parent);
    w->setObjectName(QString::number(id));
    return w;
}

// A button that Return does not press unless it is the dialog's default.
inline QPushButton* CreerBouton(QWidget* parent, int id)
{
    auto* b = CreerControle<QPushButton>(parent, id);
    b->setAutoDefault(false);
    return b;
}

inline QLabel* CreerEtiquette(QWidget* parent, int id, bool aLaLigne = true)
{
    auto* l = CreerControle<QLabel>(parent, id);
    l->setWordWrap(aLaLigne);
    return l;
}
