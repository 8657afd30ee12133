#include "engine/lignes_cartes.h"

#include "engine/enregistrements.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/texte_fixe.h"

std::string SuffixeModele(const FicheVol& f)
{
    return f.Modele[0] == '\0' ? std::string() : Formater(" =>  %s ", std::string(VueChamp(f.Modele)).c_str());
}

std::string TexteNoeudPlan(const EntreePlan& n, const FicheVol& f)
{
    if (EstRemarque(n.NumeroFiche))
        return Formater("%04u  %s ", static_cast<unsigned>(n.NumeroFiche), std::string(VueChamp(f.Modele)).c_str());
    if (n.NumeroFiche == FICHE_PAUSE) return Formater("  %03u", static_cast<unsigned>(FICHE_PAUSE));
    return Formater("  %03u   %s   %-12s ", static_cast<unsigned>(n.NumeroFiche), LibelleFrequence(f.Frequence).c_str(),
                    std::string(VueChamp(f.Nom)).c_str()) +
           SuffixeModele(f);
}
