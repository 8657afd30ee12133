#pragma once
// The edge between the core's Windows-1252 texts and Qt's Unicode.

#include <QString>
#include <string>
#include <string_view>

class QWidget;
struct EtatGlobal;

// A core text for a widget: Windows-1252 to Unicode, "\r" line breaks as new lines.
QString VersQString(std::string_view cp1252);
// What the operator typed, back to Windows-1252 ("?" for what it cannot hold).
std::string DepuisQString(const QString& texte);
// A multi-line text typed: its line breaks as CR LF, as the records keep them.
std::string DepuisQStringLignes(const QString& texte);

// French puts a space before "!", "?", ":" and ";": made unbreakable, so that a
// wrapped text never leaves the mark alone at the start of a line.
QString EspacesInsecables(QString texte);

QString TexteQt(const EtatGlobal& etat, int n);
// String n becomes the text of the control whose objectName is its number.
void TexteControle(const EtatGlobal& etat, QWidget* dialogue, int controle, int n);
void TexteTitre(const EtatGlobal& etat, QWidget* fenetre, int n);
