#include "freqplan/frequence_manuelle.h"

#include "engine/etat.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "engine/messages.h"

std::string FrequenceManuelleInitiale()
{
    return std::to_string(FREQUENCE_CRENEAU_LIBRE);
}

std::string CanalManuelInitial()
{
    return "000";
}

ResultatSaisie AjouterFrequenceManuelle(EtatGlobal& etat, std::string_view frequence, std::string_view canal)
{
    const auto lue = LireFrequenceSaisie(frequence.substr(0, LONGUEUR_LUE_FREQUENCE));
    if (!lue) {
        AfficherMessageTexte(etat, 163);
        return ResultatSaisie::Erronee;
    }
    // Any 2.4 GHz value stands for the band: its slots are validated, and the
    // band is always known already.
    if (*lue == SEUIL_24GHZ) ValiderCreneaux24(etat);
    if (IndexCatalogue(etat, *lue) >= 0) {
        TrierCatalogue(etat);
        AfficherMessageTexte(etat, 164);
        return ResultatSaisie::Existante;
    }
    AjouterAuCatalogue(etat, *lue, EntierEnTete(canal.substr(0, LONGUEUR_LUE_CANAL)));
    TrierCatalogue(etat);
    return ResultatSaisie::Ajoutee;
}
