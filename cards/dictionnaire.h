#pragma once
// The model-type dictionary: a text file of one model type per line, which the
// card form offers as a popup that inserts a word into the model field.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

// Only the beginning of a file is read: a dictionary is a short list of types.
constexpr std::size_t TAILLE_LUE_DICTIONNAIRE = 4096;
constexpr std::size_t LONGUEUR_MOT_INSERE = 63;
constexpr int SUJET_AIDE_DICTIONNAIRE = 21;

// The words of a dictionary's bytes in the popup's order (case and accents
// aside). Lines end with CR LF, LF or CR; what follows the last line end is
// dropped; UTF-8 (with or without its byte-order mark) or Windows-1252.
std::vector<std::string> LireDictionnaire(std::string_view octets);

// The card form asks DIALFICDICO first: no choice made yet, or the last load failed.
bool DictionnaireADemander(const EtatGlobal& etat);

// Loads CheminDictionnaire into MotsDictionnaire. EtatDictionnaire becomes 1, or
// 0 when the file cannot be read now (asked again next time; the path is kept).
// Nothing while the operator works without a dictionary.
void ChargerDictionnaire(EtatGlobal& etat);

// What a word chosen in the popup puts at the caret: its first 63 characters and a space.
std::string TexteMotInsere(const std::string& mot);

// DIALFICDICO, "Parcourir": the file chosen (UTF-8), nothing when cancelled.
std::optional<std::string> ParcourirDictionnaire(EtatGlobal& etat);
// DIALFICDICO, OK: the path of field 671 (UTF-8) and box 669 "pas de dictionnaire".
void ValiderDictionnaire(EtatGlobal& etat, const std::string& chemin, bool sansDictionnaire);
