#include "shell/ui/fenetre_publique.h"

#include "engine/etat.h"
#include "shell/ui/bouton_frequence.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr int LIGNE = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
constexpr int CENTRE = Qt::AlignCenter | Qt::TextSingleLine;
constexpr int DROITE = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
constexpr int PIXELS_MIN = 6;
// The legend's pictures of the board, in the order of EtatPublic.
constexpr std::array<const char*, 5> IMAGES_LEGENDE = {"LEGENDE1", "LEGENDE5", "LEGENDE3", "LEGENDE2", "LEGENDE4"};
// Lines of the list of who is next: the heading, eight pilots, the pause, a gap.
constexpr int LIGNES_LISTE = NB_SUIVANTS_PUBLICS + 3;

// The font at `pixels`, smaller when the widest of `textes` would not fit `largeur`.
QFont Ajustee(QFont police, int pixels, const QStringList& textes, int largeur)
{
    police.setPixelSize(std::max(PIXELS_MIN, pixels));
    while (police.pixelSize() > PIXELS_MIN) {
        const QFontMetrics m(police);
        int plusLarge = 0;
        for (const QString& t : textes) plusLarge = std::max(plusLarge, m.horizontalAdvance(t));
        if (plusLarge <= largeur) break;
        police.setPixelSize(std::max(PIXELS_MIN, std::min(police.pixelSize() - 1, police.pixelSize() * largeur / plusLarge)));
    }
    return police;
}

} // namespace

FenetrePublique::FenetrePublique(EtatGlobal& etat, QWidget* parent) : QWidget(parent, Qt::Window), etat_(etat)
{
    setObjectName(QStringLiteral("AFFICHAGE"));
    // The operator's keys and clicks stay with the stand.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(TexteQt(etat_, 211));
    setMinimumSize(480, 320);
    horloge_.setInterval(1000);
    connect(&horloge_, &QTimer::timeout, this, &FenetrePublique::Rafraichir);
    horloge_.start();
    Rafraichir();
}

void FenetrePublique::Rafraichir()
{
    vue_ = CalculerVuePublique(etat_);
    setWindowTitle(TexteQt(etat_, 211));
    update();
}

// The zones of the window, top to bottom, each laid out for the window's size.
class FenetrePublique::Mise {
public:
    Mise(const VuePublique& vue, const QFont& police, QSize taille)
        : vue_(vue), l_(taille.width()), h_(taille.height()), marge_(std::max(4, h_ / 80)), grasse_(police), normale_(police)
    {
        grasse_.setBold(true);
        normale_.setBold(false);
    }

    Dessin Disposer()
    {
        const int basBandeau = Bandeau(EnTete());
        const int hautLegende = Legende();
        const int largeurListe = vue_.AvecSuivants() ? l_ * 3 / 10 : 0;
        const QRect grille(marge_, basBandeau + marge_, l_ - 2 * marge_ - (largeurListe ? largeurListe + marge_ : 0),
                           hautLegende - basBandeau - 2 * marge_);
        Grille(grille);
        if (largeurListe) Liste(QRect(grille.right() + marge_, grille.top(), largeurListe, grille.height()));
        return d_;
    }

private:
    void Ecrire(QRect zone, const QString& t, const QFont& police, int drapeaux, QColor couleur, int pixels)
    {
        d_.Textes.push_back({zone, t, Ajustee(police, pixels, {t}, zone.width()), drapeaux, couleur});
    }

    // The meeting, the mode, the clock; the bottom of the heading.
    int EnTete()
    {
        const int haut = h_ * 3 / 40;
        const QRect titre(marge_, marge_, l_ * 2 / 5, haut), mode(titre.right() + marge_, marge_, l_ * 2 / 5 - 2 * marge_, haut);
        const QRect heure(mode.right() + marge_, marge_, l_ - mode.right() - 2 * marge_, haut);
        Ecrire(titre, VersQString(vue_.Titre), grasse_, LIGNE, Couleurs::Blanc, haut * 6 / 10);
        Ecrire(mode, VersQString(vue_.Mode), grasse_, CENTRE, Couleurs::Blanc, haut * 45 / 100);
        Ecrire(heure, VersQString(vue_.Heure), grasse_, DROITE, Couleurs::Blanc, haut * 6 / 10);
        return titre.bottom();
    }

    // The ticker of the transmitters out, under `haut`; its bottom.
    int Bandeau(int haut)
    {
        const QRect bandeau(marge_, haut + marge_, l_ - 2 * marge_, h_ * 6 / 100);
        d_.Bandeaux.push_back(bandeau);
        const QString enLAir = VersQString(vue_.TitreSorties);
        const QFont police = Ajustee(grasse_, bandeau.height() * 55 / 100, {enLAir}, bandeau.width() / 3);
        const QRect etiquette(bandeau.left() + marge_, bandeau.top(), QFontMetrics(police).horizontalAdvance(enLAir) + marge_,
                              bandeau.height());
        d_.Textes.push_back({etiquette, enLAir, police, LIGNE, Couleurs::Noir});
        d_.Textes.push_back({bandeau.adjusted(etiquette.width() + 2 * marge_, 0, -marge_, 0), VersQString(vue_.Sorties), police,
                             LIGNE, Couleurs::Sortie, true});
        return bandeau.bottom();
    }

    // The legend along the bottom; its top.
    int Legende()
    {
        const int bas = h_ - marge_, haut = h_ * 5 / 100, cote = haut * 6 / 10;
        const int largeur = (l_ - 2 * marge_) / static_cast<int>(IMAGES_LEGENDE.size());
        QStringList mots;
        for (const std::string& m : vue_.Legende) mots << VersQString(m);
        const QFont police = Ajustee(normale_, haut * 5 / 10, mots, largeur - cote - 3 * marge_);
        for (int i = 0; i < static_cast<int>(mots.size()) && i < static_cast<int>(IMAGES_LEGENDE.size()); ++i) {
            const int x = marge_ + i * largeur;
            d_.Images.push_back({QRect(x, bas - haut + (haut - cote) / 2, cote, cote), QString::fromLatin1(IMAGES_LEGENDE[i])});
            d_.Textes.push_back({QRect(x + cote + marge_, bas - haut, largeur - cote - 2 * marge_, haut), mots[i], police, LIGNE,
                                 Couleurs::Blanc});
        }
        return bas - haut;
    }

    // The frequencies in the board's pictures, one text size for all.
    void Grille(const QRect& zone)
    {
        const GrillePublique g = DisposerGrille(static_cast<int>(vue_.Cases.size()), zone.width(), zone.height());
        const int ecart = std::max(2, g.Hauteur / 12);
        QStringList lignes;
        for (const CasePublique& c : vue_.Cases) lignes << VersQString(c.Libelle) << VersQString(c.Detail);
        const QFont police = Ajustee(grasse_, g.Texte, lignes, (g.Largeur - ecart) * 92 / 100);
        for (int i = 0; i < static_cast<int>(vue_.Cases.size()); ++i) {
            const CasePublique& c = vue_.Cases[static_cast<std::size_t>(i)];
            const QRect cellule(zone.left() + (i / g.Lignes) * g.Largeur, zone.top() + (i % g.Lignes) * g.Hauteur,
                                g.Largeur - ecart, g.Hauteur - ecart);
            d_.Images.push_back({cellule, QString::fromLatin1(c.Aspect.Image)});
            const QColor couleur = CouleurDuTexte(c.Aspect.Couleur);
            if (c.Detail.empty()) {
                d_.Textes.push_back({cellule, VersQString(c.Libelle), police, CENTRE, couleur});
                continue;
            }
            const QRect haut(cellule.left(), cellule.top(), cellule.width(), cellule.height() / 2);
            d_.Textes.push_back({haut, VersQString(c.Libelle), police, CENTRE, couleur});
            const auto [detail, petite] = DetailQuiTient(c, police, haut.width() * 92 / 100);
            d_.Textes.push_back({haut.translated(0, haut.height()), detail, petite, CENTRE, couleur});
        }
    }

    // The card, its pilot's name, the time: the whole name in a font down to two
    // thirds of the cell's, else as much of it as that holds.
    static std::pair<QString, QFont> DetailQuiTient(const CasePublique& c, const QFont& police, int largeur)
    {
        std::pair<QString, QFont> meilleur{VersQString(c.Detail), police};
        std::size_t plusLong = 0;
        for (const int pourcent : {100, 82, 67}) {
            QFont f = police;
            f.setPixelSize(std::max(PIXELS_MIN, police.pixelSize() * pourcent / 100));
            const QFontMetrics m(f);
            auto tient = [&](std::size_t lettres) { return m.horizontalAdvance(VersQString(DetailAvecNom(c, lettres))) <= largeur; };
            std::size_t bas = 0, haut = c.Nom.size();
            while (bas < haut) {
                const std::size_t milieu = (bas + haut + 1) / 2;
                if (tient(milieu)) bas = milieu;
                else haut = milieu - 1;
            }
            if (bas > plusLong || (bas == 0 && plusLong == 0 && pourcent == 100)) {
                plusLong = bas;
                meilleur = {VersQString(DetailAvecNom(c, bas)), f};
            }
            if (bas == c.Nom.size()) break;
        }
        return meilleur;
    }

    // Who is next: the heading, a line a pilot (card, name, frequency), the pause.
    void Liste(const QRect& liste)
    {
        d_.Bandeaux.push_back(liste);
        const int ligne = liste.height() / LIGNES_LISTE;
        const QRect dedans = liste.adjusted(marge_, 0, -marge_, 0);
        auto rang = [&](int i) { return QRect(dedans.left(), liste.top() + i * ligne, dedans.width(), ligne); };
        Ecrire(rang(0), VersQString(vue_.TitreSuivants), grasse_, LIGNE, Couleurs::Noir, ligne * 6 / 10);
        const int colNumero = dedans.width() * 15 / 100, colFrequence = dedans.width() * 33 / 100;
        const int colNom = dedans.width() - colNumero - colFrequence;
        QStringList numeros, noms, frequences;
        for (const LignePublique& s : vue_.Suivants) {
            numeros << QString::number(s.Numero);
            noms << VersQString(s.Nom);
            frequences << VersQString(s.Frequence);
        }
        QFont police = Ajustee(normale_, ligne * 55 / 100, numeros, colNumero - marge_);
        police = Ajustee(police, police.pixelSize(), noms, colNom - marge_);
        police = Ajustee(police, police.pixelSize(), frequences, colFrequence);
        for (int i = 0; i < static_cast<int>(numeros.size()); ++i) {
            const QRect r = rang(i + 1);
            d_.Textes.push_back({r.adjusted(0, 0, colNumero - marge_ - r.width(), 0), numeros[i], police, DROITE, Couleurs::Sortie});
            d_.Textes.push_back({QRect(r.left() + colNumero, r.top(), colNom - marge_, ligne), noms[i], police, LIGNE, Couleurs::Noir});
            d_.Textes.push_back({r.adjusted(r.width() - colFrequence, 0, 0, 0), frequences[i], police, DROITE, Couleurs::Noir});
        }
        if (numeros.isEmpty()) Ecrire(rang(1), VersQString(vue_.SansSuivant), normale_, LIGNE, Couleurs::Noir, ligne * 55 / 100);
        if (!vue_.ProchainePause.empty())
            Ecrire(rang(LIGNES_LISTE - 1), VersQString(vue_.ProchainePause), grasse_, LIGNE, Couleurs::Alerte, ligne * 55 / 100);
    }

    const VuePublique& vue_;
    const int l_, h_, marge_;
    QFont grasse_, normale_;
    Dessin d_;
};

FenetrePublique::Dessin FenetrePublique::Disposer() const
{
    return Mise(vue_, PolicesKoral(etat_).Grande, size()).Disposer();
}

void FenetrePublique::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (e->isAccepted() && Fermee) Fermee();
}

void FenetrePublique::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Couleurs::Tableau);
    const Dessin d = Disposer();
    for (const QRect& b : d.Bandeaux) p.fillRect(b, Couleurs::Blanc);
    for (const Image& i : d.Images) p.drawPixmap(i.Zone, ::Image(i.Nom, i.Zone.size()));
    for (const Texte& t : d.Textes) {
        p.setFont(t.Police);
        p.setPen(t.Couleur);
        p.setClipRect(t.Zone);
        p.drawText(t.Zone, t.Drapeaux, t.Contenu);
    }
}
