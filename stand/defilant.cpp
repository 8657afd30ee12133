#include "stand/defilant.h"

#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "engine/tri.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A remark can hold 127 characters; on a ticker its beginning says enough.
constexpr std::size_t LONGUEUR_REMARQUE = 40;
constexpr std::string_view SEPARATEUR = "   ";
constexpr std::string_view RIEN = " - - - - - - - - ";

// "%u %s %s   " for a flight, string 49 for a pause, the text of a remark.
std::string Element(const EtatGlobal& etat, const EntreePlan& noeud)
{
    if (noeud.NumeroFiche == FICHE_PAUSE) return Texte(etat, 49) + " ";
    const FicheVol* fiche = ChercheFiche(etat, noeud.NumeroFiche);
    // A ticker never ends the program: a node without its card is left out.
    if (!fiche) return {};
    if (EstRemarque(fiche->Numero))
        return std::string(VueChamp(fiche->Modele).substr(0, LONGUEUR_REMARQUE)) + std::string(SEPARATEUR);
    const std::string nom(VueChamp(fiche->Nom));
    return FormaterTexte(Texte(etat, 170), static_cast<unsigned>(fiche->Numero), nom.c_str(),
                         LibelleFrequence(fiche->Frequence).c_str());
}

} // namespace

std::vector<const EntreePlan*> NoeudsAVenir(const EtatGlobal& etat, int32_t liste)
{
    std::vector<const EntreePlan*> noeuds = NoeudsEnOrdre(etat, liste);
    std::erase_if(noeuds, [](const EntreePlan* n) { return n->EtatVol != VolEnAttente; });
    return noeuds;
}

void MajTexteDefilant2(EtatGlobal& etat)
{
    TexteFixe<1024> texte;
    if (etat.ModeSortie == ModeFileAttente || etat.ModeSortie == ModePlanifie) {
        const bool file = etat.ModeSortie == ModeFileAttente;
        texte = file ? Texte(etat, 168) : Texte(etat, 169);
        int nommes = 0;
        for (const EntreePlan* noeud : NoeudsAVenir(etat, file ? FileAttente : PlanVols)) {
            if (nommes == NB_ELEMENTS_DEFILANT2) break;
            const std::string element = Element(etat, *noeud);
            if (element.empty()) continue;
            texte.Ajouter(element);
            ++nommes;
        }
        if (nommes == 0) texte.Ajouter(RIEN);
    }
    // The same names keep scrolling where they are; new ones start from the head.
    if (texte.Vue() == etat.SourceDefilant2.Vue()) return;
    etat.SourceDefilant2 = texte;
    etat.TexteDefilant2 = texte;
}
