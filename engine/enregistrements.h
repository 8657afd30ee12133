#pragma once
// The three records the meeting file stores raw. Their sizes and offsets are
// the file format: the static_asserts below are the contract with every file
// ever written.

#include <cstddef>
#include <cstdint>

// Special card numbers and frequencies.
constexpr int32_t FICHE_PAUSE = 999;
constexpr int32_t FICHE_LIBRE = 1000;
constexpr int32_t PREMIERE_REMARQUE = 2000;
constexpr int32_t DERNIERE_REMARQUE = 2999;
constexpr int32_t DERNIERE_FICHE_PILOTE = 998;
constexpr int32_t FREQUENCE_AUCUNE = 10;

// EtatFrequence: out means 5 or more.
enum EtatFrequence : int32_t {
    Libre = 0,
    ImagePerturbee = 1,
    Modulante = 2,
    FrequenceImage = 3,
    Intermodulee = 4,
    Sortie = 5,
    HorsTemps = 6,
};

// EtatFiche
enum EtatFiche : int32_t {
    Arretee = -1,
    AuSol = 0,
    EnVol = 5,
};

// EtatVol of a plan or waiting-list node.
enum EtatVol : int32_t {
    VolEnAttente = 0,
    VolEnCours = 1,
    VolTermine = 2,
};

// Problemes of a passed plan flight: skipped at the stand, never flown (the
// waiting flights' problem bits are those of the flight plan's check).
constexpr int32_t VOL_SAUTE = 1;

// Liste of a node.
enum TypeListe : int32_t {
    PlanVols = 0,
    FileAttente = 1,
};

struct EntreeFrequence {
    int32_t Bouton;           // board light id, meaningless in a file
    int32_t Frequence;        // kHz
    int32_t X;
    int32_t Y;
    int32_t Index;            // own position, rewritten after every sort
    int32_t Etat;             // EtatFrequence
    int32_t NbUtilisateurs;   // cards registered on it
    int32_t Perturbations;    // intermodulation and image hits, total
    char Libelle[32];
    uint32_t DebutEmission;   // tick of the exit
    int32_t FicheEmettrice;   // card out on it, FICHE_LIBRE in free service
    int32_t RangPlanifie;
    int32_t Bande;
    int32_t Canal;
    int32_t Valide;           // catalogue only
    int32_t ARetablir;        // read from a file while out
    // The reserved bytes of the file. In memory the first word counts the part of
    // Perturbations that comes from images, so a return can tell an image from an
    // intermodulation; the file always gets zeros here.
    int32_t PerturbationsImage;
    int32_t Reserve;
};
static_assert(sizeof(EntreeFrequence) == 100);
static_assert(offsetof(EntreeFrequence, Frequence) == 4);
static_assert(offsetof(EntreeFrequence, Index) == 16);
static_assert(offsetof(EntreeFrequence, Etat) == 20);
static_assert(offsetof(EntreeFrequence, Perturbations) == 28);
static_assert(offsetof(EntreeFrequence, Libelle) == 32);
static_assert(offsetof(EntreeFrequence, DebutEmission) == 64);
static_assert(offsetof(EntreeFrequence, FicheEmettrice) == 68);
static_assert(offsetof(EntreeFrequence, RangPlanifie) == 72);
static_assert(offsetof(EntreeFrequence, Bande) == 76);
static_assert(offsetof(EntreeFrequence, Canal) == 80);
static_assert(offsetof(EntreeFrequence, Valide) == 84);
static_assert(offsetof(EntreeFrequence, ARetablir) == 88);
static_assert(offsetof(EntreeFrequence, PerturbationsImage) == 92);

// The card's 32-bit fields after the 254-byte remarks sit on 2-byte boundaries
// in the file, so the record is packed to 2.
#pragma pack(push, 2)
struct FicheVol {
    int32_t Numero;
    char Nom[24];
    int32_t Frequence;        // kHz; 2400000 for any 2.4 GHz transmitter
    int32_t Etat;             // EtatFiche
    char Licence[16];
    char Modele[128];         // the remark text for a remark card
    char Remarques[254];
    int32_t Suivante;         // meaningless: the list is held elsewhere
    int32_t CumulEmission;    // ms over all returned flights
    int32_t NbVols;
    int32_t Canal;
    int32_t Marque;
    int32_t NbVolsPlanifies;
};
#pragma pack(pop)
static_assert(sizeof(FicheVol) == 458);
static_assert(offsetof(FicheVol, Nom) == 4);
static_assert(offsetof(FicheVol, Frequence) == 28);
static_assert(offsetof(FicheVol, Etat) == 32);
static_assert(offsetof(FicheVol, Licence) == 36);
static_assert(offsetof(FicheVol, Modele) == 52);
static_assert(offsetof(FicheVol, Remarques) == 180);
static_assert(offsetof(FicheVol, Suivante) == 434);
static_assert(offsetof(FicheVol, CumulEmission) == 438);
static_assert(offsetof(FicheVol, NbVols) == 442);
static_assert(offsetof(FicheVol, Canal) == 446);
static_assert(offsetof(FicheVol, Marque) == 450);
static_assert(offsetof(FicheVol, NbVolsPlanifies) == 454);

struct EntreePlan {
    int32_t NumeroFiche;      // card, FICHE_PAUSE, or a remark card
    int32_t Rang;             // 1-based within its own list
    int32_t EtatVol;
    int32_t Reserve;
    int32_t DureeVol;         // ms, set at the return
    int32_t Suivant;          // meaningless: the list is held elsewhere
    int32_t Problemes;
    int32_t NumeroLigne;      // line in the open exit dialog, 0 when not listed
    int32_t Liste;            // TypeListe
};
static_assert(sizeof(EntreePlan) == 36);
static_assert(offsetof(EntreePlan, DureeVol) == 16);
static_assert(offsetof(EntreePlan, Problemes) == 24);
static_assert(offsetof(EntreePlan, NumeroLigne) == 28);
static_assert(offsetof(EntreePlan, Liste) == 32);

inline bool EstFichePilote(int32_t numero) { return numero >= 1 && numero <= DERNIERE_FICHE_PILOTE; }
inline bool EstRemarque(int32_t numero) { return numero >= PREMIERE_REMARQUE; }
