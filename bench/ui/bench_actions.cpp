// Every action of the operator on the largest meeting (998 cards, 216
// frequencies, 2000 plan nodes), through the real main window and its real
// dialogs: the command, the dialog opened and shown, an act, the dialog closed,
// the file and the board as the command leaves them. Each must fit in a frame.
#include "bench/manifestation_maximale.h"
#include "cards/ui/dialogue_import.h"
#include "cards/ui/dialogue_liste_fiches.h"
#include "cards/ui/dialogue_plan_vols.h"
#include "cards/ui/dialogue_saisie.h"
#include "shell/commandes.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The largest meeting resumed on the real main window, in `mode`.
struct Stand {
    PlateformeSilencieuse port;
    std::unique_ptr<EtatGlobal> etat;
    std::unique_ptr<FenetrePrincipale> fenetre;

    explicit Stand(int32_t mode)
    {
        const auto dossier = std::filesystem::temp_directory_path() / "koralis-bench-actions";
        std::filesystem::create_directories(dossier);
        const std::string fichier = (dossier / "maximale.mhz").string();
        {
            PlateformeSilencieuse p;
            auto source = ManifestationMaximale(p);
            DefinirPlan(*source, PlanDeTailleMaximale());
            for (FicheVol& f : source->Fiches)
                if (ChercheFrequence(*source, f.Frequence)) ++ChercheFrequence(*source, f.Frequence)->NbUtilisateurs;
            source->ModeSortie = mode;
            DeriverChemins(*source, fichier);
            SauverManifestation(*source);
        }
        etat = std::make_unique<EtatGlobal>(port);
        etat->EtatDictionnaire = -1;
        fenetre = std::make_unique<FenetrePrincipale>(*etat);
        CreerFenetrePrincipale(*etat, *fenetre, fichier);
        fenetre->show();
        QApplication::processEvents();
    }
};

// A dialog as the operator meets it: built, shown and painted, then `agir`, then closed.
template <class Dialogue, class... Arguments>
int Montrer(std::function<void(Dialogue&)> agir, Arguments&&... arguments)
{
    Dialogue d(std::forward<Arguments>(arguments)...);
    d.show();
    QApplication::processEvents();
    if (agir) agir(d);
    static_cast<QDialog&>(d).reject();
    return 0;
}

void Mesurer(benchmark::State& state, int32_t mode, int commande, std::function<int(Stand&, Dialogue)> ouvrir)
{
    Stand s(mode);
    s.fenetre->Ouvreur = [&s, &ouvrir](Dialogue d) { return ouvrir(s, d); };
    for (auto _ : state) {
        s.fenetre->Commande(commande);
        QApplication::processEvents();
    }
}

// The card list, the card of line 500 looked at by its number.
void BM_ListeDesFiches(benchmark::State& state)
{
    Mesurer(state, ModeFiches, 302, [](Stand& s, Dialogue) {
        return Montrer<DialogueListeFiches>([](DialogueListeFiches& d) { d.findChild<QTreeWidget*>("900")->setCurrentItem(nullptr); },
                                            *s.etat, [](int) {}, s.fenetre.get());
    });
}

// The exit by cards: the list of 998 cards on the ground, Abandon.
void BM_SortieParFiches(benchmark::State& state)
{
    Mesurer(state, ModeFiches, 201, [](Stand& s, Dialogue) {
        return Montrer<DialogueSortieFiches>({}, *s.etat, s.fenetre.get());
    });
}

// The planned exit: 1500 flights to come and the other cards, Abandon.
void BM_SortiePlanifiee(benchmark::State& state)
{
    Mesurer(state, ModePlanifie, 201, [](Stand& s, Dialogue) {
        return Montrer<DialogueSortie2>({}, *s.etat, s.fenetre.get());
    });
}

// The plan editor on 1500 flights, closed with Terminé.
void BM_PlanDeVols(benchmark::State& state)
{
    Mesurer(state, ModePlanifie, 212, [](Stand& s, Dialogue) {
        DialoguePlanVols d(*s.etat, [](int) {}, s.fenetre.get());
        d.show();
        QApplication::processEvents();
        d.findChild<QPushButton*>("1")->click();
        return 1;
    });
}

// A new card: the form with the 216 frequencies and the 998 numbers taken, Abandon.
void BM_NouvelleFiche(benchmark::State& state)
{
    Mesurer(state, ModeFiches, 280, [](Stand& s, Dialogue) {
        s.etat->FicheCourante = 500;
        return Montrer<DialogueSaisie>({}, *s.etat, s.fenetre.get());
    });
}

// The import dialog opened and closed, and the board laid out again for its plan.
void BM_Import(benchmark::State& state)
{
    Mesurer(state, ModeFiches, 234, [](Stand& s, Dialogue) { return Montrer<DialogueImport>({}, *s.etat, s.fenetre.get()); });
}

} // namespace

BENCHMARK(BM_ListeDesFiches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortieParFiches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortiePlanifiee)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanDeVols)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NouvelleFiche)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);
