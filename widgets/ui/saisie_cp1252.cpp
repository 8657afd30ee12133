#include "widgets/ui/saisie_cp1252.h"

#include "engine/cp1252.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <memory>
#include <QTextCursor>

namespace {

bool Representable(const QString& texte)
{
    for (char32_t c : texte.toUcs4())
        if (c != U'\n' && !RepresentableCp1252(c)) return false;
    return true;
}

} // namespace

QValidator::State ValidateurCp1252::validate(QString& texte, int&) const
{
    return Representable(texte) ? Acceptable : Invalid;
}

std::size_t OctetsEnregistres(const QString& texte)
{
    return static_cast<std::size_t>(texte.size() + texte.count(QLatin1Char('\n')));
}

void LimiterTexteMultiligne(QPlainTextEdit* champ, std::size_t octets)
{
    struct Dernier {
        QString Texte;
        int Curseur = 0;
    };
    auto dernier = std::make_shared<Dernier>(Dernier{champ->toPlainText(), 0});
    QObject::connect(champ, &QPlainTextEdit::textChanged, champ, [champ, octets, dernier] {
        const QString texte = champ->toPlainText();
        if (Representable(texte) && OctetsEnregistres(texte) <= octets) {
            dernier->Texte = texte;
            dernier->Curseur = champ->textCursor().position();
            return;
        }
        QApplication::beep();
        const QSignalBlocker bloque(champ);
        champ->setPlainText(dernier->Texte);
        QTextCursor curseur = champ->textCursor();
        curseur.setPosition(std::min<int>(dernier->Curseur, static_cast<int>(dernier->Texte.size())));
        champ->setTextCursor(curseur);
    });
    QObject::connect(champ, &QPlainTextEdit::cursorPositionChanged, champ,
                     [champ, dernier] { dernier->Curseur = champ->textCursor().position(); });
}
