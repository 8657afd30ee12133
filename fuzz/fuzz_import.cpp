// Any bytes as a card import file, checked and imported into a small meeting:
// refused, listed as errors, or imported, and the meeting stays one the stand
// can save and read back.
#include "cards/echange.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/plateforme_silencieuse.h"
#include "storage/manifestation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    PlateformeSilencieuse port;
    EtatGlobal etat(port);
    DefinirPlan(etat, {NouvelleEntree(35010, 61), NouvelleEntree(40665, 50)});
    const ResultatImport r = ImporterFiches(etat, std::string_view(reinterpret_cast<const char*>(octets), taille));
    if (r.Importees > 0 && !r.Erreurs.empty()) std::abort();
    // What was imported can always be written and read back.
    if (!DecoderManifestation(ImageManifestation(etat), 0)) std::abort();
    // And exported, then imported again, it gives every card back.
    if (r.Importees > 0) {
        EtatGlobal autre(port);
        std::vector<EntreeFrequence> plan = etat.PlanFrequences;
        for (EntreeFrequence& e : plan) e.NbUtilisateurs = 0;
        DefinirPlan(autre, std::move(plan));
        const ResultatImport encore = ImporterFiches(autre, TexteExport(etat));
        if (!encore.Erreurs.empty() || encore.Importees != r.Importees) std::abort();
    }
    return 0;
}
