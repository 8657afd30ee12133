#include "freqplan/occupation.h"

#include "engine/conflit.h"
#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

constexpr int COMMANDE_VOIR_FICHE = 205;
constexpr int SUJET_AIDE_PLAN_VIDE = 10;

} // namespace

Occupation::Occupation(EtatGlobal& etat, std::function<void(int)> commande) : etat_(etat), commande_(std::move(commande))
{
    if (std::none_of(etat.Fiches.begin(), etat.Fiches.end(), [](const FicheVol& f) { return EstFichePilote(f.Numero); })) {
        AfficherMessageTexte(etat, 3, BOUTONS_OK, SUJET_AIDE_OCCUPATION);
        ferme_ = true;
        return;
    }
    if (etat.NbFrequences() == 0) {
        AfficherMessageTexte(etat, 156, BOUTONS_OK, SUJET_AIDE_PLAN_VIDE);
        ferme_ = true;
        return;
    }
    for (std::size_t b = 0; b < actives_.size(); ++b) actives_[b] = etat.NbParBande[b] > 0;
}

int Occupation::NbRangees() const { return std::max(0, etat_.MaxParBande); }

void Occupation::ChoisirBande(int bande)
{
    if (bande < 0 || bande >= static_cast<int>(actives_.size()) || !actives_[static_cast<std::size_t>(bande)]) return;
    bande_ = bande;
    Remplir();
}

void Occupation::Remplir()
{
    rangees_.clear();
    if (bande_ < 0) return;
    // Each card once, on the first row of its frequency.
    std::set<int32_t> listees;
    for (const EntreeFrequence& e : etat_.PlanFrequences) {
        if (e.Bande != bande_) continue;
        RangeeOccupation r;
        r.Libelle = bande_ == BANDE_24GHZ ? LibelleFrequence(SEUIL_24GHZ) : LibelleFrequence(e.Frequence);
        r.Image = ImageDeSortie(etat_, e.Index);
        for (const FicheVol& f : etat_.Fiches) {
            if (static_cast<int>(r.Cartes.size()) == std::min(e.NbUtilisateurs, BOUTONS_PAR_RANGEE)) break;
            const int32_t numero = f.Numero;
            if (f.Frequence != e.Frequence || !EstFichePilote(numero) || listees.count(numero)) continue;
            listees.insert(numero);
            r.Cartes.push_back({numero, f.Etat != Arretee});
        }
        if (e.NbUtilisateurs > 0) r.Nombre = Formater("%d", e.NbUtilisateurs);
        rangees_.push_back(std::move(r));
    }
}

void Occupation::VoirCarte(int32_t numero)
{
    if (!EstFichePilote(numero) || !ChercheFiche(std::as_const(etat_), numero)) return;
    etat_.FicheCourante = numero;
    commande_(COMMANDE_VOIR_FICHE);
    Remplir();
}
