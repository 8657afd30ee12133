#include "print/mise_en_page.h"

#include "engine/etat.h"
#include "engine/format.h"
#include "engine/frequences.h"
#include "engine/messages.h"
#include "engine/textes.h"
#include "engine/tri.h"

#include <algorithm>

namespace {

constexpr int MARGE = 10;                         // in character widths
constexpr int COLONNES_FICHES[] = {0, 8, 38, 53, 80, 100};
constexpr int COLONNES_PLAN[] = {0, 5, 14, 45, 60, 100};
constexpr int INDENT_FICHES = 20;
constexpr int INDENT_PLAN = 25;
constexpr int SUJET_AIDE_AUCUNE_FICHE = 7;
constexpr int LARGEUR_MISE_EN_PAGE = 130;          // widths the layout spans, margins included

// Per thousand: how often each small letter and the blank come in a text.
constexpr std::pair<char, int> FREQUENCES_LETTRES[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
    {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
    {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
};

std::vector<std::string> Segments(std::string_view texte, char separateur)
{
    std::vector<std::string> s;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find(separateur, debut);
        s.emplace_back(texte.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
        if (fin == std::string_view::npos) return s;
        debut = fin + 1;
    }
}

// The primitives of every printout: a page header, tabbed lines, wrapped and
// multi-line texts, separators, and the page ends.
class MiseEnPage {
public:
    MiseEnPage(const Mesures& m, std::string entete) : m_(m), entete_(std::move(entete)) {}

    std::vector<PageImprimee> Pages() && { return std::move(pages_); }

    // Tabbed line: `accent` names the emphasised segment, drawn in the large font.
    // Each segment keeps to its column: it ends before the next one begins, the
    // last before the frame's right rule, whatever the font's widths.
    void Tabulee(std::string_view texte, const int (&colonnes)[6], int accent)
    {
        Place();
        const std::vector<std::string> segments = Segments(texte, '\t');
        const std::size_t n = std::min<std::size_t>(segments.size(), 6);
        for (std::size_t k = 0; k < n; ++k) {
            if (segments[k].empty()) continue;
            int fin = DroiteCadre();
            for (std::size_t suivant = k + 1; suivant < n; ++suivant)
                if (!segments[suivant].empty()) {
                    fin = X(colonnes[suivant] + MARGE);
                    break;
                }
            const PoliceImpression police = static_cast<int>(k) == accent ? PoliceImpression::Accent : PoliceImpression::Corps;
            const int x = X(colonnes[k] + MARGE);
            // Trailing blanks print no ink: only what shows must fit.
            const std::string_view encre = std::string_view(segments[k]).substr(0, segments[k].find_last_not_of(' ') + 1);
            const std::size_t garde = Tient(encre, fin - x, police);
            Texte(x, garde == encre.size() ? segments[k] : std::string(encre.substr(0, garde)), police);
        }
        ++ligne_;
    }
    // One line cut to the frame (the pause banner).
    void Simple(std::string_view texte)
    {
        Place();
        Texte(X(MARGE), std::string(texte.substr(0, Tient(texte, DroiteCadre() - X(MARGE), PoliceImpression::Corps))),
              PoliceImpression::Corps);
        ++ligne_;
    }
    // Cut at the last blank that fits; a text without one is cut at the width,
    // and even no width at all takes one character a line.
    void Enroulee(std::string_view texte, int indent)
    {
        if (texte.empty()) {
            Place();
            ++ligne_;
            return;
        }
        const int place = m_.LargeurPage - (indent + 15) * m_.LargeurCar;
        while (!texte.empty()) {
            std::size_t coupe = texte.size();
            std::size_t reprise = texte.size();
            if (texte.size() > 1 && m_.Largeur(texte, PoliceImpression::Corps) > place) {
                // As many characters as the font lets fit, never fewer than one.
                const std::size_t limite = std::clamp<std::size_t>(Tient(texte, place, PoliceImpression::Corps), 1, texte.size() - 1);
                const std::size_t blanc = texte.substr(0, limite + 1).rfind(' ');
                if (blanc != std::string_view::npos && blanc > 0) {
                    coupe = blanc;
                    reprise = blanc + 1;
                } else {
                    coupe = reprise = limite;
                }
            }
            Place();
            Texte(X(indent), std::string(texte.substr(0, coupe)), PoliceImpression::Corps);
            ++ligne_;
            texte.remove_prefix(reprise);
        }
    }
    void MultiLigne(std::string_view texte, int indent)
    {
        std::size_t debut = 0;
        for (std::size_t fin; (fin = texte.find("\r\n", debut)) != std::string_view::npos; debut = fin + 2)
            Enroulee(texte.substr(debut, fin - debut), indent);
        Enroulee(texte.substr(debut), indent);
    }
    void Vide()
    {
        Place();
        ++ligne_;
    }
    void Separateur()
    {
        Place();
        Trait(ligne_ * m_.HauteurLigne + m_.HauteurLigne / 2);
        ++ligne_;
    }
    // After an entry: the page ends when fewer than four lines remain.
    void FinEntree()
    {
        if (!pages_.empty() && ligne_ > LignesParPage() - 4) ligne_ = 0;
    }
    void Ligne(int ligne)
    {
        Place();
        ligne_ = std::max(ligne_, ligne);
    }

private:
    int LignesParPage() const { return m_.HauteurPage / std::max(1, m_.HauteurLigne); }
    int X(int colonnes) const { return colonnes * m_.LargeurCar; }
    int DroiteCadre() const { return m_.LargeurPage - X(MARGE); }
    // How many characters of `texte`, from its start, fit in `largeur` (the widths only grow).
    std::size_t Tient(std::string_view texte, int largeur, PoliceImpression police) const
    {
        std::size_t bas = 0, haut = texte.size();
        while (bas < haut) {
            const std::size_t milieu = (bas + haut + 1) / 2;
            if (m_.Largeur(texte.substr(0, milieu), police) <= largeur) bas = milieu;
            else haut = milieu - 1;
        }
        return bas;
    }

    // A line to draw on: a new page with its header when none is open or when
    // this line would run off the page.
    void Place()
    {
        if (!pages_.empty() && ligne_ != 0 && (ligne_ + 1) * m_.HauteurLigne <= m_.HauteurPage) return;
        pages_.emplace_back();
        ligne_ = 2;
        Texte(X(MARGE), FormaterTexte(entete_, static_cast<int>(pages_.size())), PoliceImpression::Corps);
        Trait(m_.HauteurLigne * 4 + m_.HauteurLigne / 3);
        Trait(m_.HauteurLigne * 4 + 2 * m_.HauteurLigne / 3);
        ligne_ = 5;
    }
    void Texte(int x, std::string texte, PoliceImpression police)
    {
        pages_.back().Textes.push_back({x, ligne_ * m_.HauteurLigne, std::move(texte), police});
    }
    void Trait(int y) { pages_.back().Traits.push_back({X(MARGE), m_.LargeurPage - X(MARGE), y}); }

    const Mesures& m_;
    std::string entete_;
    std::vector<PageImprimee> pages_;
    int ligne_ = 0;
};

std::string Entete(EtatGlobal& etat, int texte)
{
    // The page number is the one conversion left for each page.
    std::string format = Texte(etat, texte);
    const std::size_t page = format.rfind("%i");
    const std::string avant = FormaterTexte(format.substr(0, page), etat.TitreFichier.c_str(),
                                            DateCourte(etat.Port.Maintenant(), '/').c_str());
    std::string echappe;
    for (char c : avant) echappe += c == '%' ? std::string("%%") : std::string(1, c);
    return echappe + format.substr(page);
}

std::string Vols(EtatGlobal& etat, const FicheVol& f)
{
    const int32_t cumul = f.CumulEmission;
    const std::string temps = cumul >= 1000 ? TexteDuree(etat, 84, cumul) : std::string();
    return FormaterTexte(Texte(etat, 146), static_cast<int>(f.NbVols), temps.c_str());
}

void Fiches(EtatGlobal& etat, MiseEnPage& p)
{
    for (const FicheVol* f : FichesTriees(etat, [](const FicheVol& f) { return EstFichePilote(f.Numero); })) {
        const int32_t numero = f->Numero;
        const std::string nom(VueChamp(f->Nom)), licence(VueChamp(f->Licence));
        std::string ligne = Formater(Est24GHz(f->Frequence) ? "%03u\t  %s\t  %s \t   %s" : "%03u\t  %s\t  %s MHz\t   %s",
                                     static_cast<unsigned>(numero), nom.c_str(), LibelleFrequence(f->Frequence).c_str(), licence.c_str());
        if (f->Etat == Arretee) ligne += Texte(etat, 83);
        p.Tabulee(ligne, COLONNES_FICHES, 0);
        p.Enroulee(Vols(etat, *f), INDENT_FICHES);
        p.Enroulee(VueChamp(f->Modele), INDENT_FICHES);
        p.MultiLigne(VueChamp(f->Remarques), INDENT_FICHES);
        p.Separateur();
        p.FinEntree();
    }
}

void Plan(EtatGlobal& etat, MiseEnPage& p)
{
    unsigned vol = 1;
    for (const EntreePlan* n : NoeudsEnOrdre(etat, PlanVols)) {
        const FicheVol* f = ChercheFiche(etat, n->NumeroFiche, 1);
        if (!f) return;
        if (n->NumeroFiche == FICHE_PAUSE) {
            p.Simple(Texte(etat, 86));
        } else if (EstRemarque(n->NumeroFiche)) {
            // A remark keeps all its words: it wraps inside the frame.
            p.Enroulee(FormaterTexte(Texte(etat, 180), std::string(VueChamp(f->Modele)).c_str()), MARGE);
        } else {
            std::string ligne = Formater("%u \t%03u  \t %s  \t %s ", vol++, static_cast<unsigned>(f->Numero),
                                         std::string(VueChamp(f->Nom)).c_str(), LibelleFrequence(f->Frequence).c_str());
            // A flight passed at the stand without flying says so, not "0 s".
            if (n->EtatVol == VolTermine && (n->Problemes & VOL_SAUTE)) {
                ligne += "\t  " + Texte(etat, 198);
            } else if (n->EtatVol == VolTermine) {
                ligne += TexteDuree(etat, 147, n->DureeVol);
            }
            p.Tabulee(ligne, COLONNES_PLAN, 1);
            p.Enroulee(VueChamp(f->Modele), INDENT_PLAN);
            p.MultiLigne(VueChamp(f->Remarques), INDENT_PLAN);
        }
        p.Separateur();
        p.FinEntree();
    }
}

void Fiche(EtatGlobal& etat, MiseEnPage& p)
{
    const FicheVol* f = ChercheFiche(etat, etat.FicheCourante, 1);
    if (!f) return;
    p.Ligne(7);
    p.Tabulee(Formater("%03u \t", static_cast<unsigned>(f->Numero)), COLONNES_FICHES, 0);
    p.Ligne(10);
    p.Tabulee(std::string(VueChamp(f->Nom)) + " \t", COLONNES_FICHES, 0);
    p.Ligne(13);
    p.Tabulee(LibelleFrequence(f->Frequence) + (Est24GHz(f->Frequence) ? "\t" : " MHz\t"), COLONNES_FICHES, 0);
    p.Ligne(17);
    std::string licence = std::string(VueChamp(f->Licence)) + "       ";
    if (f->Etat == Arretee) licence += Texte(etat, 83);
    p.Enroulee(licence, INDENT_FICHES);
    p.Ligne(20);
    p.Enroulee(Vols(etat, *f), INDENT_FICHES);
    p.Vide();
    p.Enroulee(VueChamp(f->Modele), INDENT_FICHES);
    p.Vide();
    p.MultiLigne(VueChamp(f->Remarques), INDENT_FICHES);
    p.Separateur();
}

} // namespace

int LargeurMoyenne(const std::function<int(std::string_view)>& largeur, int largeurPage)
{
    long somme = 0;
    for (const auto& [lettre, frequence] : FREQUENCES_LETTRES) somme += static_cast<long>(frequence) * largeur(std::string_view(&lettre, 1));
    const int moyenne = static_cast<int>((somme + 500) / 1000);
    return std::max(1, std::min(moyenne, largeurPage / LARGEUR_MISE_EN_PAGE));
}

bool ImpressionPossible(EtatGlobal& etat, Impression impression)
{
    if (impression != Impression::Fiches) return true;
    if (std::any_of(etat.Fiches.begin(), etat.Fiches.end(), [](const FicheVol& f) { return EstFichePilote(f.Numero); }))
        return true;
    AfficherMessageTexte(etat, 3, BOUTONS_OK, SUJET_AIDE_AUCUNE_FICHE);
    return false;
}

std::vector<PageImprimee> MettreEnPage(EtatGlobal& etat, Impression impression, const Mesures& mesures)
{
    MiseEnPage p(mesures, Entete(etat, impression == Impression::Plan ? 85 : 82));
    switch (impression) {
    case Impression::Fiches: Fiches(etat, p); break;
    case Impression::Plan: Plan(etat, p); break;
    case Impression::Fiche: Fiche(etat, p); break;
    }
    return std::move(p).Pages();
}

int TitreImpression(Impression impression)
{
    switch (impression) {
    case Impression::Plan: return 47;
    case Impression::Fiche: return 48;
    default: return 46;
    }
}
