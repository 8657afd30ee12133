#pragma once
// The ticker lines 44 and 45 and the other painted buttons of the main window.

#include <QColor>
#include <QPushButton>

#include <functional>

struct EtatGlobal;

// A ticker: its text from the meeting, in the ticker font, left-aligned.
class Bandeau : public QPushButton {
public:
    Bandeau(const EtatGlobal& etat, std::function<QString()> texte, QColor couleur, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const EtatGlobal& etat_;
    std::function<QString()> texte_;
    QColor couleur_;
};

// A large command button: its text centred on one line in the large font.
class BoutonCommande : public QPushButton {
public:
    BoutonCommande(const EtatGlobal& etat, int id, QWidget* parent);
    // The text is drawn only while this holds (202 and 216 in free service draw none).
    void DefinirTexteVisible(bool visible) { texteVisible_ = visible; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const EtatGlobal& etat_;
    bool texteVisible_ = true;
};

// A button showing a picture stretched over its face.
class BoutonImage : public QPushButton {
public:
    BoutonImage(QPixmap image, QWidget* parent);
    void DefinirImage(QPixmap image) { image_ = std::move(image); update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap image_;
};
