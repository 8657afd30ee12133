#pragma once
// The small questions of the flight plan editor: DLGREM (a remark's text),
// DLGCOM (a flight's comment) and DIALREPRISE (how many flights again).

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>

class QLineEdit;
class QPlainTextEdit;
struct EtatGlobal;

class DialogueTexteLibre : public QDialog {
public:
    // `texte` in Windows-1252; never more than `longueur` bytes are taken.
    DialogueTexteLibre(const EtatGlobal& etat, bool commentaire, const std::string& texte, std::size_t longueur,
                       QWidget* parent = nullptr);
    std::string Texte() const;

private:
    QLineEdit* ligne_ = nullptr;
    QPlainTextEdit* lignes_ = nullptr;
};

class DialogueReprise : public QDialog {
public:
    explicit DialogueReprise(const EtatGlobal& etat, QWidget* parent = nullptr);
    int Nombre() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const EtatGlobal& etat_;
    QLineEdit* nombre_ = nullptr;
};

std::optional<std::string> OuvrirTexteLibre(const EtatGlobal& etat, bool commentaire, const std::string& texte,
                                             std::size_t longueur, QWidget* parent);
std::optional<int> OuvrirReprise(const EtatGlobal& etat, QWidget* parent);
