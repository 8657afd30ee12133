#include "shell/ui/fenetre_publique.h"

#include "engine/etat.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/images.h"
#include "shell/ui/qt_textes.h"
#include "shell/ui/ressources_qt.h"

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

QString SecondeLigne(const CasePublique& c)
{
    const QString duree = VersQString(c.Duree);
    return c.Fiche ? QStringLiteral("%1   %2").arg(c.Fiche).arg(duree) : duree;
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

FenetrePublique::Dessin FenetrePublique::Disposer() const
{
    Dessin d;
    const int l = width(), h = height();
    const int marge = std::max(4, h / 80);
    QFont grasse = PolicesKoral(etat_).Grande;
    grasse.setBold(true);
    QFont normale = grasse;
    normale.setBold(false);

    // The heading: the meeting, the mode, the clock.
    const int haut = h * 3 / 40;
    const QRect titre(marge, marge, l * 2 / 5, haut), mode(titre.right() + marge, marge, l * 2 / 5 - 2 * marge, haut);
    const QRect heure(mode.right() + marge, marge, l - mode.right() - 2 * marge, haut);
    auto texte = [&d](QRect zone, const QString& t, const QFont& police, int drapeaux, QColor couleur, int pixels) {
        d.Textes.push_back({zone, t, Ajustee(police, pixels, {t}, zone.width()), drapeaux, couleur});
    };
    texte(titre, VersQString(vue_.Titre), grasse, LIGNE, Couleurs::Blanc, haut * 6 / 10);
    texte(mode, VersQString(vue_.Mode), grasse, CENTRE, Couleurs::Blanc, haut * 45 / 100);
    texte(heure, VersQString(vue_.Heure), grasse, DROITE, Couleurs::Blanc, haut * 6 / 10);

    // The ticker of the transmitters out.
    const QRect bandeau(marge, titre.bottom() + marge, l - 2 * marge, h * 6 / 100);
    d.Bandeaux.push_back(bandeau);
    const QString enLAir = VersQString(vue_.TitreSorties);
    const QFont policeBandeau = Ajustee(grasse, bandeau.height() * 55 / 100, {enLAir}, bandeau.width() / 3);
    const QRect etiquette(bandeau.left() + marge, bandeau.top(), QFontMetrics(policeBandeau).horizontalAdvance(enLAir) + marge,
                          bandeau.height());
    d.Textes.push_back({etiquette, enLAir, policeBandeau, LIGNE, Couleurs::Noir});
    d.Textes.push_back({bandeau.adjusted(etiquette.width() + 2 * marge, 0, -marge, 0), VersQString(vue_.Sorties),
                        policeBandeau, LIGNE, Couleurs::Sortie, true});

    // The legend along the bottom.
    const int basLegende = h - marge, hautLegende = h * 5 / 100;
    const int largeurLegende = (l - 2 * marge) / static_cast<int>(IMAGES_LEGENDE.size());
    QStringList mots;
    for (const std::string& m : vue_.Legende) mots << VersQString(m);
    const int cote = hautLegende * 6 / 10;
    const QFont policeLegende = Ajustee(normale, hautLegende * 5 / 10, mots, largeurLegende - cote - 3 * marge);
    for (int i = 0; i < static_cast<int>(mots.size()) && i < static_cast<int>(IMAGES_LEGENDE.size()); ++i) {
        const int x = marge + i * largeurLegende;
        d.Images.push_back({QRect(x, basLegende - hautLegende + (hautLegende - cote) / 2, cote, cote), QString::fromLatin1(IMAGES_LEGENDE[i])});
        d.Textes.push_back({QRect(x + cote + marge, basLegende - hautLegende, largeurLegende - cote - 2 * marge, hautLegende),
                            mots[i], policeLegende, LIGNE, Couleurs::Blanc});
    }

    // The frequencies, and beside them who is next.
    const int haut0 = bandeau.bottom() + marge, bas0 = basLegende - hautLegende - marge;
    const int largeurListe = vue_.AvecSuivants() ? l * 3 / 10 : 0;
    const QRect grille(marge, haut0, l - 2 * marge - (largeurListe ? largeurListe + marge : 0), bas0 - haut0);
    const GrillePublique g = DisposerGrille(static_cast<int>(vue_.Cases.size()), grille.width(), grille.height());
    const int ecart = std::max(2, g.Hauteur / 12);
    QStringList lignesCases;
    for (const CasePublique& c : vue_.Cases) lignesCases << VersQString(c.Libelle) << SecondeLigne(c);
    const QFont policeCase = Ajustee(grasse, g.Texte, lignesCases, (g.Largeur - ecart) * 92 / 100);
    for (int i = 0; i < static_cast<int>(vue_.Cases.size()); ++i) {
        const CasePublique& c = vue_.Cases[static_cast<std::size_t>(i)];
        const QRect zone(grille.left() + (i / g.Lignes) * g.Largeur, grille.top() + (i % g.Lignes) * g.Hauteur,
                         g.Largeur - ecart, g.Hauteur - ecart);
        d.Images.push_back({zone, QString::fromLatin1(c.Aspect.Image)});
        const QColor couleur = CouleurDuTexte(c.Aspect.Couleur);
        if (c.Duree.empty()) {
            d.Textes.push_back({zone, VersQString(c.Libelle), policeCase, CENTRE, couleur});
            continue;
        }
        const QRect haut1(zone.left(), zone.top(), zone.width(), zone.height() / 2);
        d.Textes.push_back({haut1, VersQString(c.Libelle), policeCase, CENTRE, couleur});
        d.Textes.push_back({haut1.translated(0, haut1.height()), SecondeLigne(c), policeCase, CENTRE, couleur});
    }
    if (!largeurListe) return d;

    const QRect liste(grille.right() + marge, haut0, largeurListe, bas0 - haut0);
    d.Bandeaux.push_back(liste);
    const int ligne = liste.height() / LIGNES_LISTE;
    const QRect interieur = liste.adjusted(marge, 0, -marge, 0);
    texte(QRect(interieur.left(), liste.top(), interieur.width(), ligne), VersQString(vue_.TitreSuivants), grasse, LIGNE,
          Couleurs::Noir, ligne * 6 / 10);
    // Three columns: the card, the name, the frequency.
    const int colNumero = interieur.width() * 15 / 100, colFrequence = interieur.width() * 33 / 100;
    const int colNom = interieur.width() - colNumero - colFrequence;
    QStringList numeros, noms, frequences;
    for (const LignePublique& s : vue_.Suivants) {
        numeros << QString::number(s.Numero);
        noms << VersQString(s.Nom);
        frequences << VersQString(s.Frequence);
    }
    QFont police = Ajustee(normale, ligne * 55 / 100, numeros, colNumero - marge);
    police = Ajustee(police, police.pixelSize(), noms, colNom - marge);
    police = Ajustee(police, police.pixelSize(), frequences, colFrequence);
    for (int i = 0; i < static_cast<int>(vue_.Suivants.size()); ++i) {
        const int y = liste.top() + (i + 1) * ligne;
        d.Textes.push_back({QRect(interieur.left(), y, colNumero - marge, ligne), numeros[i], police, DROITE, Couleurs::Sortie});
        d.Textes.push_back({QRect(interieur.left() + colNumero, y, colNom - marge, ligne), noms[i], police, LIGNE, Couleurs::Noir});
        d.Textes.push_back({QRect(interieur.right() - colFrequence, y, colFrequence, ligne), frequences[i], police, DROITE,
                            Couleurs::Noir});
    }
    const QRect fin(interieur.left(), liste.top() + (static_cast<int>(vue_.Suivants.size()) + 1) * ligne, interieur.width(), ligne);
    if (vue_.Suivants.empty()) texte(fin, VersQString(vue_.SansSuivant), normale, LIGNE, Couleurs::Noir, ligne * 55 / 100);
    if (!vue_.ProchainePause.empty())
        texte(QRect(interieur.left(), liste.top() + (LIGNES_LISTE - 1) * ligne, interieur.width(), ligne),
              VersQString(vue_.ProchainePause), grasse, LIGNE, Couleurs::Alerte, ligne * 55 / 100);
    return d;
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
