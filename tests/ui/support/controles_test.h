#pragma once
// The controls of a dialog, found by their number as the operator finds them.

#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

template <class T = QWidget>
T* Controle(QWidget& dialogue, int id)
{
    T* w = dialogue.findChild<T*>(QString::number(id));
    EXPECT_NE(w, nullptr) << "control " << id << " of " << dialogue.objectName().toStdString();
    return w;
}

inline void Cliquer(QWidget& dialogue, int id)
{
    if (auto* b = Controle<QPushButton>(dialogue, id)) QTest::mouseClick(b, Qt::LeftButton);
}
