#pragma once
// The main window as the dispatcher sees it, with dialogs answered from a script
// and every control's state kept in maps.

#include "shell/fenetre.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class FenetreTest : public Fenetre {
public:
    std::map<Dialogue, std::deque<int>> Resultats;   // answers per dialog, 0 when none left
    std::vector<Dialogue> Ouverts;
    std::function<void(Dialogue)> PendantDialogue;   // what the operator does inside
    std::deque<int> ChoixMenus;
    std::vector<int> MenusOuverts;
    int Dispositions = 0, Rafraichissements = 0, Redessins = 0, ModesActualises = 0, MenusActualises = 0, Titres = 0;
    bool AideFermee = false, Detruite = false, AffichagePublic = false, TableauWeb = false;
    bool Defilants[3] = {false, false, false};
    std::map<int, bool> Cases;
    std::map<int, std::string> Editions;

    int OuvrirDialogue(Dialogue d) override
    {
        Ouverts.push_back(d);
        if (PendantDialogue) PendantDialogue(d);
        auto& r = Resultats[d];
        if (r.empty()) return 0;
        const int v = r.front();
        r.pop_front();
        return v;
    }
    int MenuSurgissant(int bouton) override
    {
        MenusOuverts.push_back(bouton);
        if (ChoixMenus.empty()) return 0;
        const int c = ChoixMenus.front();
        ChoixMenus.pop_front();
        return c;
    }
    void DisposerTableau() override { ++Dispositions; }
    void RafraichirTableau() override { ++Rafraichissements; }
    void RedessinerTout() override { ++Redessins; }
    bool DefilantVisible(int ligne) const override { return Defilants[ligne]; }
    void MontrerDefilant(int ligne, bool visible) override { Defilants[ligne] = visible; }
    bool CaseCochee(int c) const override { auto it = Cases.find(c); return it != Cases.end() && it->second; }
    void CocherCase(int c, bool v) override { Cases[c] = v; }
    std::string TexteEdition(int c) const override { auto it = Editions.find(c); return it == Editions.end() ? "" : it->second; }
    void EcrireEdition(int c, const std::string& t) override { Editions[c] = t; }
    void ActualiserModes() override { ++ModesActualises; }
    void ActualiserMenus() override { ++MenusActualises; }
    void MettreAJourTitre() override { ++Titres; }
    void BasculerAffichagePublic() override { AffichagePublic = !AffichagePublic; }
    void BasculerTableauWeb() override { TableauWeb = !TableauWeb; }
    void FermerAide() override { AideFermee = true; }
    void Detruire() override { Detruite = true; }
};
