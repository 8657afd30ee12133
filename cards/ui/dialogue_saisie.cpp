#include "cards/ui/dialogue_saisie.h"

#include "cards/dictionnaire.h"
#include "cards/ui/dialogue_dictionnaire.h"
#include "engine/etat.h"
#include "engine/messages.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"
#include "widgets/ui/saisie_cp1252.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr int LARGEUR = 880;
constexpr int LARGEUR_LISTE = 125;
constexpr int HAUTEUR_LISTE = 200;
constexpr int DECALAGE_TEXTE = 18;
constexpr int X_CHAMPS = 190;
const QRect FREQUENCE(630, 260, 170, 25);
const QRect NUMERO(630, 300, 80, 45);

QLineEdit* Champ(QWidget* parent, int id, int longueur, const QRect& r)
{
    auto* e = CreerControle<QLineEdit>(parent, id);
    e->setMaxLength(longueur);
    e->setValidator(new ValidateurCp1252(e));
    e->setGeometry(r);
    return e;
}

QLabel* Etiquette(QWidget* parent, const EtatGlobal& etat, int id, int texte, const QRect& r)
{
    QLabel* l = CreerEtiquette(parent, id, false);
    TexteControle(etat, parent, id, texte);
    l->setGeometry(r);
    return l;
}

} // namespace

DialogueSaisie::DialogueSaisie(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat), presentateur_(etat)
{
    setObjectName(QStringLiteral("SAISIE"));
    setModal(true);
    const VueSaisie& v = presentateur_.Vue();
    TexteTitre(etat, this, v.Titre);
    const Polices& polices = PolicesKoral(etat);

    Etiquette(this, etat, 662, 662, {75, 4, 400, 18});
    for (const ListeBande& bande : v.Listes) {
        auto* liste = CreerControle<QListWidget>(this, bande.Controle);
        // Each line's picture: whether a transmitter could go out on it now, as the board shows it.
        liste->setItemDelegate(new LigneListe(etat, polices.Liste, Couleurs::Noir, DECALAGE_TEXTE, polices.HauteurLigneListe, liste));
        liste->setGeometry(bande.X, bande.Y, LARGEUR_LISTE, HAUTEUR_LISTE);
        for (const LigneListeBande& l : bande.Lignes) AjouterLigne(liste, l.Texte, QString::fromLatin1(l.Image));
        liste->setVisible(bande.Visible);
        const int controle = bande.Controle;
        connect(liste, &QListWidget::itemSelectionChanged, this, [this, controle] { Choisie(controle); });
        listes_[bande.Controle] = liste;
    }

    int y = 240;
    Etiquette(this, etat, 659, 659, {20, y, X_CHAMPS - 25, 24});
    nom_ = Champ(this, 415, static_cast<int>(LONGUEUR_NOM), {X_CHAMPS, y, 260, 24});
    y += 32;
    Etiquette(this, etat, 658, 658, {20, y, X_CHAMPS - 25, 24});
    licence_ = Champ(this, 414, static_cast<int>(LONGUEUR_LICENCE), {X_CHAMPS, y, 170, 24});
    y += 32;
    QLabel* autre = Etiquette(this, etat, 422, 648, {20, y, X_CHAMPS - 25, 24});
    numero_ = CreerControle<QLineEdit>(this, 413);
    numero_->setGeometry(X_CHAMPS, y, 60, 24);
    numero_->setAlignment(Qt::AlignCenter);
    numero_->setMaxLength(static_cast<int>(LONGUEUR_NUMERO));
    numero_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[ 0-9]*")), numero_));
    y += 40;
    Etiquette(this, etat, 660, 660, {20, y, 400, 20});
    modele_ = Champ(this, 417, static_cast<int>(LONGUEUR_MODELE), {20, y + 22, 480, 24});
    inserer_ = CreerBouton(this, 423);
    TexteControle(etat, this, 423, 665);
    // Never the focus: the word goes where the caret of the model field stands.
    inserer_->setFocusPolicy(Qt::NoFocus);
    inserer_->setGeometry(510, y + 21, 100, 26);
    inserer_->hide();
    y += 56;
    Etiquette(this, etat, 661, 661, {20, y, 400, 20});
    remarques_ = CreerControle<QPlainTextEdit>(this, 418);
    remarques_->setGeometry(20, y + 22, 590, 84);
    remarques_->setTabChangesFocus(true);
    LimiterTexteMultiligne(remarques_, LONGUEUR_REMARQUES);

    Etiquette(this, etat, 663, 663, {FREQUENCE.left(), 238, 170, 20});
    auto* pris = CreerControle<QListWidget>(this, 419);
    pris->setSelectionMode(QAbstractItemView::NoSelection);
    pris->setFocusPolicy(Qt::NoFocus);
    pris->setGeometry(800, 240, 60, 220);
    for (const std::string& n : v.NumerosPris) pris->addItem(VersQString(n));
    pris->setVisible(v.NumerosPrisVisibles);

    const int yBoutons = y + 122;
    auto* valider = CreerBouton(this, 1);
    auto* abandon = CreerBouton(this, 2);
    auto* termine = CreerBouton(this, 424);
    auto* aide = CreerBouton(this, 850);
    TexteControle(etat, this, 1, v.TexteValider);
    TexteControle(etat, this, 2, 664);
    TexteControle(etat, this, 424, 666);
    TexteControle(etat, this, 850, 186);
    valider->setDefault(true);
    valider->setGeometry(LARGEUR - 20 - 3 * 130 - 50, yBoutons, 130, 32);
    abandon->setGeometry(LARGEUR - 20 - 2 * 130 - 45, yBoutons, 130, 32);
    termine->setGeometry(LARGEUR - 20 - 130 - 40, yBoutons, 130, 32);
    aide->setGeometry(LARGEUR - 20 - 32, yBoutons, 32, 32);
    termine->setVisible(v.TermineVisible);
    autre->setVisible(v.NumeroVisible);
    numero_->setVisible(v.NumeroVisible);

    nom_->setText(VersQString(v.Champs.Nom));
    licence_->setText(VersQString(v.Champs.Licence));
    modele_->setText(VersQString(v.Champs.Modele));
    remarques_->setPlainText(VersQString(v.Champs.Remarques));
    numero_->setText(VersQString(v.Champs.Numero));
    for (QWidget* w : std::initializer_list<QWidget*>{numero_, nom_, licence_, modele_, remarques_}) w->installEventFilter(this);
    // A card is typed without the mouse: the fields, then the band lists, then
    // Enter for the default button.
    QWidget* precedent = nom_;
    auto suivant = [&precedent, this](QWidget* w) {
        setTabOrder(precedent, w);
        precedent = w;
    };
    for (QWidget* w : std::initializer_list<QWidget*>{licence_, numero_, modele_, remarques_}) suivant(w);
    for (int controle : CONTROLES_BANDES) suivant(listes_[controle]);
    for (QWidget* w : std::initializer_list<QWidget*>{valider, abandon, termine, aide}) suivant(w);
    nom_->setFocus();

    ChoixMot = [](QMenu& menu) {
        const QAction* a = menu.exec(QCursor::pos());
        return a ? a->data().toInt() : -1;
    };
    connect(valider, &QPushButton::clicked, this, [this] { Fin(presentateur_.Valider(Champs())); });
    connect(abandon, &QPushButton::clicked, this, [this] { Fin(presentateur_.Abandonner()); });
    connect(termine, &QPushButton::clicked, this, [this] { Fin(presentateur_.Terminer()); });
    connect(aide, &QPushButton::clicked, this, [this] { OuvrirAideMessage(etat_, SUJET_AIDE_SAISIE + 100); });
    connect(inserer_, &QPushButton::clicked, this, [this] { Inserer(); });
    setFixedSize(LARGEUR, yBoutons + 32 + 16);
}

QListWidget* DialogueSaisie::Liste(int controle) const
{
    const auto it = listes_.find(controle);
    return it == listes_.end() ? nullptr : it->second;
}

void DialogueSaisie::Choisie(int controle)
{
    QListWidget* liste = Liste(controle);
    if (vidage_ || liste->selectedItems().isEmpty()) return;
    inserer_->hide();
    vidage_ = true;
    for (int autre : presentateur_.ChoisirFrequence(controle, liste->row(liste->selectedItems().first())))
        Liste(autre)->clearSelection();
    vidage_ = false;
    update();
}

void DialogueSaisie::Inserer()
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("DICTIONNAIRE"));
    for (std::size_t i = 0; i < etat_.MotsDictionnaire.size(); ++i)
        menu.addAction(VersQString(etat_.MotsDictionnaire[i]))->setData(static_cast<int>(i));
    const int choisi = ChoixMot(menu);
    if (choisi >= 0 && choisi < static_cast<int>(etat_.MotsDictionnaire.size()))
        modele_->insert(VersQString(TexteMotInsere(etat_.MotsDictionnaire[static_cast<std::size_t>(choisi)])));
    modele_->setFocus();
}

ChampsSaisie DialogueSaisie::Champs() const
{
    return {DepuisQString(numero_->text()), DepuisQString(nom_->text()), DepuisQString(licence_->text()),
            DepuisQString(modele_->text()), DepuisQStringLignes(remarques_->toPlainText())};
}

void DialogueSaisie::Fin(std::optional<int> resultat)
{
    if (resultat) done(*resultat);
}

void DialogueSaisie::reject()
{
    Fin(presentateur_.Abandonner());
}

void DialogueSaisie::closeEvent(QCloseEvent* e)
{
    // The close box is "ABANDON", which in a series brings an empty form back.
    e->ignore();
    reject();
}

bool DialogueSaisie::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::FocusIn) inserer_->setVisible(presentateur_.InsererOffert(objet == modele_));
    if (e->type() == QEvent::FocusOut && objet == numero_) update();
    return QDialog::eventFilter(objet, e);
}

void DialogueSaisie::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Polices& polices = PolicesKoral(etat_);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(polices.Points14);
    p.drawText(FREQUENCE, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, VersQString(presentateur_.TextePeint()));
    p.setFont(polices.Points20);
    p.drawText(NUMERO, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               VersQString(presentateur_.NumeroPeint(DepuisQString(numero_->text()))));
}

int OuvrirSaisie(EtatGlobal& etat, QWidget* parent)
{
    // The dictionary is asked before the form shows, as long as no choice is made.
    if (DictionnaireADemander(etat)) {
        OuvrirDictionnaire(etat, parent);
        ChargerDictionnaire(etat);
    }
    DialogueSaisie d(etat, parent);
    return d.exec();
}
