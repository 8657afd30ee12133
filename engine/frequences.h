#pragma once
// Frequencies are whole kHz everywhere. Bands, labels, channels and the
// per-band counts of the two frequency tables.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct EtatGlobal;
struct EntreeFrequence;

constexpr int32_t SEUIL_24GHZ = 2400000;
constexpr int32_t FREQUENCE_CRENEAU_LIBRE = 88888;   // a free catalogue slot
constexpr int32_t PREMIER_CRENEAU_24 = 2400020;
constexpr int32_t DERNIER_CRENEAU_24 = 2400480;
constexpr int32_t PAS_CRENEAU_24 = 20;
constexpr int BANDE_24GHZ = 5;

struct LimitesBande {
    int32_t Basse;   // excluded
    int32_t Haute;   // excluded
};
extern const LimitesBande LimitesBandes[6];

int BandeDe(int32_t frequence);
inline bool Est24GHz(int32_t frequence) { return frequence >= SEUIL_24GHZ; }

// "%6.3f" MHz, or "2.4 GHz".
std::string LibelleFrequence(int32_t frequence);
// The label with its channel: "%s__k%3u", or "%s______" without one.
std::string LibelleAvecCanal(int32_t frequence, int32_t canal);
std::string LibelleEntree(const EtatGlobal& etat, int index);
// A free record of a frequency, labelled with its channel.
EntreeFrequence NouvelleEntree(int32_t frequence, int32_t canal);
// "(%u)  %s": the light of a frequency while a card's transmitter is out on it.
std::string LibelleSortie(int32_t numeroFiche, const std::string& libelle);
// The label's frequency back: the first "." removed, then the leading digits.
int32_t LireFrequenceAffichee(std::string_view texte);

int IndexCatalogue(const EtatGlobal& etat, int32_t frequence);
int EstEmettrice(const EtatGlobal& etat, int index);

void TrierPlan(EtatGlobal& etat);
void TrierCatalogue(EtatGlobal& etat);

// History details naming a frequency (kHz, or the words for 2.4 GHz).
// Card entry and change: "%d - n° %u - %s" / "2.4 GHz  n° %u - %s".
std::string TexteFicheHistorique(int32_t frequence, int32_t numero, std::string_view nom);
// Exits and returns: "%ld - n° %u - %s" / "2.4 GHz n° %u - %s".
std::string TexteVolHistorique(int32_t frequence, int32_t numero, std::string_view nom);
// Free-service exits and returns: "%ld   %s" / "2.4 GHz %s".
std::string TexteLibreHistorique(int32_t frequence, std::string_view texte);
// Free exit from the frequency details: "%ld %s" / "2.4GHz %s".
std::string TexteLibreDetailsHistorique(int32_t frequence, std::string_view texte);

// A frequency typed or imported: whole kHz when that lies in a band, else MHz
// ("," or ".") rounded to the kHz. Nothing for empty, overlong, non-numeric or
// out-of-band text.
std::optional<int32_t> LireFrequenceTexte(std::string_view texte);
// The 5 kHz grid: remainders 1 and 2 round down, 3 and 4 up.
int32_t ArrondirGrille5(int32_t frequence);
// The whole reading of a typed frequency: read, snap, 2.4 GHz as 2400000, and
// in a band after the snap.
std::optional<int32_t> LireFrequenceSaisie(std::string_view texte);
// The leading decimal integer of a text (blanks skipped), 0 when none.
int32_t EntierEnTete(std::string_view texte);
