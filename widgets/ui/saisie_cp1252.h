#pragma once
// What the operator types goes into records of Windows-1252 bytes: a character
// without a form there is refused as it is typed, and a field never takes more
// bytes than its record holds.

#include <QValidator>

#include <cstddef>

class QPlainTextEdit;

class ValidateurCp1252 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

// Bytes of a text in a record: one per character, two per line break (CR LF).
std::size_t OctetsEnregistres(const QString& texte);

// A multi-line field keeps within `octets` bytes and Windows-1252: what would
// break either is refused with a beep, the text and caret as they were.
void LimiterTexteMultiligne(QPlainTextEdit* champ, std::size_t octets);
