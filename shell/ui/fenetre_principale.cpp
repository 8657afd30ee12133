#include "shell/ui/fenetre_principale.h"

#include "cards/ui/dialogue_import.h"
#include "cards/ui/dialogue_lecture.h"
#include "cards/ui/dialogue_liste_fiches.h"
#include "cards/ui/dialogue_plan_vols.h"
#include "cards/ui/dialogue_saisie.h"
#include "engine/etat.h"
#include "freqplan/ui/dialogue_occupation.h"
#include "print/ui/impression_qt.h"
#include "freqplan/ui/dialogue_plan_frequences.h"
#include "shell/commandes.h"
#include "engine/echelle.h"
#include "shell/langue.h"
#include "shell/menu.h"
#include "shell/tableau.h"
#include "shell/ui/bandeau.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/dialogues_information.h"
#include "shell/ui/fenetre_publique.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"
#include "stand/modes.h"
#include "stand/ui/dialogue_renseign.h"
#include "stand/ui/dialogue_sortie0.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/ui/dialogue_fichier.h"
#include "shell/ui/tableau_web.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QScreen>
#include <QSettings>
#include <QStyle>

namespace {

constexpr int DEFILANT_SORTIES = 1;

struct Legende {
    const char* Image;
    int X, Y;
    int Texte;
    QRect Zone;
};

// A text runs up to the next picture, or to the window's edge where none follows,
// so that longer translations are not cut.
const Legende LEGENDES[] = {
    {"LEGENDE1", 800, 630, 136, {820, 630, 84, 15}},
    {"LEGENDE2", 800, 655, 137, {820, 655, 84, 15}},
    {"LEGENDE3", 800, 680, 138, {820, 680, 200, 15}},
    {"LEGENDE4", 905, 630, 140, {930, 630, 90, 15}},
    {"LEGENDE5", 905, 655, 141, {930, 655, 90, 15}},
};

struct Contrainte {
    int Case;
    int Texte;
    QRect Zone;
};

// The two rows with an edit field stop their text short of it (x 960).
const Contrainte CONTRAINTES[] = {
    {400, 18, {830, 443, 170, 15}},
    {401, 19, {830, 472, 170, 13}},
    {402, 20, {830, 501, 126, 15}},
    {404, 21, {830, 530, 126, 15}},
};

} // namespace

// The window's own painting: background, board frame with its bottom bar,
// legend and constraint panel. Everything in design units.
class FenetrePrincipale::Fond : public QWidget {
public:
    Fond(FenetrePrincipale& fenetre, EtatGlobal& etat, QWidget* parent)
        : QWidget(parent), fenetre_(fenetre), etat_(etat)
    {
        setObjectName("KORAL");
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Couleurs::FondFenetre);
        p.setBrush(Couleurs::Tableau);
        p.setPen(QPen(Couleurs::CadreTableau, 2));
        p.drawRoundedRect(Zone(30, 20, 780, 705), 10, 10);
        p.drawRoundedRect(Zone(30, 670, 780, 705), 10, 10);
        for (const Legende& l : LEGENDES)
            p.drawPixmap(QRect(X(l.X), Y(l.Y), X(16), Y(16)), Image(QString::fromLatin1(l.Image), QSize(X(16), Y(16))));
        p.setPen(Qt::NoPen);
        p.setBrush(palette().button());
        p.drawRect(Zone(800, 428, 1000, 560));
        for (const TextePeint& t : fenetre_.TextesPeints()) {
            p.setFont(t.Police);
            p.setPen(t.Couleur);
            p.drawText(t.Zone, t.Drapeaux, t.Texte);
        }
        // Once the buttons painted after this have been painted too.
        if (fenetre_.PremierDessin) QTimer::singleShot(0, this, std::exchange(fenetre_.PremierDessin, {}));
    }

private:
    int X(int v) const { return EchelleX(etat_, v); }
    int Y(int v) const { return EchelleY(etat_, v); }
    QRect Zone(int g, int h, int d, int b) const { return QRect(QPoint(X(g), Y(h)), QPoint(X(d), Y(b))); }

    FenetrePrincipale& fenetre_;
    EtatGlobal& etat_;
};

std::vector<FenetrePrincipale::TextePeint> FenetrePrincipale::TextesPeints() const
{
    // The painted texts grow with the screen like everything else of the window.
    const Polices& polices = PolicesKoral(etat_);
    auto zone = [this](const QRect& r) {
        return QRect(EchelleX(etat_, r.x()), EchelleY(etat_, r.y()), EchelleX(etat_, r.width()), EchelleY(etat_, r.height()));
    };
    constexpr int LIGNE = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    std::vector<TextePeint> textes;
    textes.push_back({zone({80, 670, 650, 33}), VersQString(TexteBarreTableau(etat_)), polices.PeinteGrasse,
                      Qt::AlignCenter | Qt::TextSingleLine, Couleurs::Blanc});
    for (const Legende& l : LEGENDES) textes.push_back({zone(l.Zone), TexteQt(etat_, l.Texte), polices.Peinte, LIGNE, Couleurs::Noir});
    for (const Contrainte& c : CONTRAINTES)
        textes.push_back({zone(c.Zone), TexteQt(etat_, c.Texte), polices.Peinte, LIGNE, Couleurs::Noir});
    return textes;
}

FenetrePrincipale::FenetrePrincipale(EtatGlobal& etat, QWidget* parent) : QMainWindow(parent), etat_(etat)
{
    setObjectName(QStringLiteral("KORAL"));
    setWindowIcon(QIcon(Image(QStringLiteral("PRG_ICN"))));
    fond_ = new Fond(*this, etat, this);
    setCentralWidget(fond_);
    CreerMenus();
    CreerControles();
    Replacer();
    connect(&supervision_, &QTimer::timeout, this, [this] { TickSupervision(); });
    connect(&defilant1_, &QTimer::timeout, this, [this] { TickDefilant(1); });
    connect(&defilant2_, &QTimer::timeout, this, [this] { TickDefilant(2); });
    connect(&sauvegarde_, &QTimer::timeout, this, [this] { TickSauvegarde(); });
    supervision_.setInterval(10000);
    defilant1_.setInterval(200);
    defilant2_.setInterval(500);
    sauvegarde_.setInterval(300000);
    supervision_.start();
    sauvegarde_.start();
    setFocusPolicy(Qt::StrongFocus);
}

FenetrePrincipale::~FenetrePrincipale()
{
    delete public_;
}

QRect FenetrePrincipale::ZoneInterieure(const QScreen& ecran)
{
    // The frame is known only once the window is shown; a title bar and borders
    // a little larger than the usual ones keep the bottom bar above any panel.
    const int titre = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    constexpr int BORD = 4;
    return ecran.availableGeometry().adjusted(BORD, titre + BORD, -BORD, -BORD);
}

QSize FenetrePrincipale::TailleDessin() const
{
    return {EchelleX(etat_, 1024), EchelleY(etat_, 768)};
}

void FenetrePrincipale::Replacer()
{
    const QScreen* ecran = screen();
    // The inside goes there; the frame the window system adds lies around it.
    const QPoint origine = ecran ? ZoneInterieure(*ecran).topLeft() : QPoint(0, 0);
    setGeometry(QRect(origine, TailleDessin()));
}

void FenetrePrincipale::Placer(QWidget* w, int x, int y, int largeur, int hauteur)
{
    w->setGeometry(EchelleX(etat_, x), EchelleY(etat_, y), EchelleX(etat_, largeur), EchelleY(etat_, hauteur));
}

void FenetrePrincipale::CreerMenus()
{
    for (const MenuBarre& m : MenuPrincipal()) {
        QMenu* menu = menuBar()->addMenu(TexteQt(etat_, m.Titre.n));
        menus_.push_back(menu);
        auto ajouter = [this](QMenu* dans, const ElementMenu& e, auto& soi) -> void {
            if (!e.SousMenu.empty()) {
                QMenu* sous = dans->addMenu(TexteQt(etat_, e.Texte.n));
                for (const ElementMenu& s : e.SousMenu) soi(sous, s, soi);
                return;
            }
            if (e.Commande == 0) {
                dans->addSeparator();
                return;
            }
            QAction* a = dans->addAction(TexteQt(etat_, e.Texte.n));
            a->setObjectName(QString::number(e.Commande));
            const int commande = e.Commande;
            connect(a, &QAction::triggered, this, [this, commande] { Commande(commande); });
            actions_[commande] = a;
        };
        for (const ElementMenu& e : m.Elements) ajouter(menu, e, ajouter);
    }
    for (int tri = 230; tri <= 233; ++tri) actions_[tri]->setCheckable(true);
    actions_[COMMANDE_AFFICHAGE_PUBLIC]->setCheckable(true);
    actions_[COMMANDE_TABLEAU_WEB]->setCheckable(true);
    for (int langue = 10; langue <= 15; ++langue) actions_[langue]->setEnabled(LangueDisponible(langue));
}

void FenetrePrincipale::CreerControles()
{
    const struct { int Id, Y, Texte; } boutons[] = {{201, 25, 23}, {202, 80, 24}, {216, 135, 142}, {100, 190, 143}};
    for (const auto& b : boutons) {
        auto* bouton = new BoutonCommande(etat_, b.Id, fond_);
        bouton->setText(TexteQt(etat_, b.Texte));
        Placer(bouton, 800, b.Y, 200, 40);
        const int id = b.Id;
        connect(bouton, &QPushButton::clicked, this, [this, id] { Commande(id); });
        commandes_[b.Id] = bouton;
    }
    logo_ = new BoutonImage(Image(QStringLiteral("LOGODEFAUT")), fond_);
    logo_->setObjectName(QStringLiteral("900"));
    Placer(logo_, 840, 248, 110, 85);
    connect(logo_, &QPushButton::clicked, this, [this] { Commande(900); });

    defilants_[0] = new Bandeau(etat_, [this] { return VersQString(etat_.BandeauSorties.Vue()); }, Couleurs::Sortie, fond_);
    defilants_[0]->setObjectName(QStringLiteral("44"));
    Placer(defilants_[0], 800, 355, 200, 25);
    defilants_[1] = new Bandeau(etat_, [this] { return VersQString(etat_.TexteDefilant2.Vue()); }, Couleurs::Defilant2, fond_);
    defilants_[1]->setObjectName(QStringLiteral("45"));
    Placer(defilants_[1], 800, 385, 200, 25);
    for (Bandeau* d : defilants_) d->hide();

    for (const Contrainte& c : CONTRAINTES) {
        auto* caseACocher = new QCheckBox(fond_);
        caseACocher->setObjectName(QString::number(c.Case));
        Placer(caseACocher, 810, c.Zone.y(), 15, 15);
        const int id = c.Case;
        connect(caseACocher, &QCheckBox::clicked, this, [this, id] { Commande(id); });
        cases_[c.Case] = caseACocher;
    }
    for (const auto& [id, y] : {std::pair{403, 501}, std::pair{405, 530}}) {
        auto* edition = new QLineEdit(fond_);
        edition->setObjectName(QString::number(id));
        edition->setAlignment(Qt::AlignCenter);
        edition->setMaxLength(2);
        edition->setFrame(true);
        edition->setTextMargins(0, 0, 0, 0);
        QFont petite = edition->font();
        petite.setPixelSize(std::max(8, EchelleY(etat_, 11)));
        edition->setFont(petite);
        Placer(edition, 960, y, 25, 15);
        edition->installEventFilter(this);
        editions_[id] = edition;
    }
    boutonMode_ = new BoutonCommande(etat_, 407, fond_);
    Placer(boutonMode_, 800, 580, 200, 32);
    connect(boutonMode_, &QPushButton::clicked, this, [this] { Commande(407); });

    gauche_ = new BoutonImage(Image(QStringLiteral("GON")), fond_);
    gauche_->setObjectName(QStringLiteral("1400"));
    Placer(gauche_, 45, 672, 30, 30);
    connect(gauche_, &QPushButton::clicked, this, [this] { Commande(1400); });
    droite_ = new BoutonImage(Image(QStringLiteral("DOFF")), fond_);
    droite_->setObjectName(QStringLiteral("1401"));
    Placer(droite_, 730, 672, 30, 30);
    connect(droite_, &QPushButton::clicked, this, [this] { Commande(1401); });
}

void FenetrePrincipale::DefinirLogo(QPixmap logo)
{
    logo_->DefinirImage(std::move(logo));
}

void FenetrePrincipale::Commande(int commande, int notification)
{
    if (detruite_) return;
    ExecuterCommande(etat_, *this, commande, notification);
    if (detruite_) return;
    for (Bandeau* d : defilants_) d->update();
    Suivre();
}

void FenetrePrincipale::TickSupervision()
{
    SuperviserTemps(etat_, *this);
    Suivre();
}

void FenetrePrincipale::TickDefilant(int ligne)
{
    FaireDefilerLigne(etat_, ligne);
    defilants_[ligne - 1]->update();
    if (ligne == DEFILANT_SORTIES) SuivreAffichagePublic();
}

void FenetrePrincipale::TickSauvegarde()
{
    SauvegardePeriodique(etat_);
}

int FenetrePrincipale::OuvrirDialogue(Dialogue dialogue)
{
    return Ouvreur ? Ouvreur(dialogue) : OuvrirDialogueReel(dialogue);
}

int FenetrePrincipale::OuvrirDialogueReel(Dialogue dialogue)
{
    switch (dialogue) {
    case Dialogue::Fichier: return OuvrirDialogueFichier(etat_, this);
    case Dialogue::AlerteFichier: return OuvrirAlerteFic(etat_, this);
    case Dialogue::Sortir0: return OuvrirSortie0(etat_, this);
    case Dialogue::Sortir: return OuvrirSortieFiches(etat_, this);
    case Dialogue::SortirAttente:
    case Dialogue::SortirPlan: return OuvrirSortie2(etat_, this);
    case Dialogue::Renseign: return OuvrirRenseign(etat_, this);
    case Dialogue::PlanFrequences: return OuvrirPlanFrequences(etat_, this);
    case Dialogue::NouvelleFiche:
    case Dialogue::ModifierFiche: return OuvrirSaisie(etat_, this);
    case Dialogue::VoirFiche: return OuvrirLecture(etat_, [this](int c) { Commande(c); }, this);
    case Dialogue::ImprimerFiches: return OuvrirImpression(etat_, Impression::Fiches, this);
    case Dialogue::ImprimerPlan: return OuvrirImpression(etat_, Impression::Plan, this);
    case Dialogue::ImprimerFiche: return OuvrirImpression(etat_, Impression::Fiche, this);
    case Dialogue::ListeFiches: return OuvrirListeFiches(etat_, [this](int c) { Commande(c); }, this);
    case Dialogue::PlanVols: return OuvrirPlanVols(etat_, [this](int c) { Commande(c); }, this);
    case Dialogue::Importer: return OuvrirImport(etat_, this);
    case Dialogue::Occupation: return OuvrirOccupation(etat_, [this](int c) { Commande(c); }, this);
    case Dialogue::APropos: return OuvrirAPropos(etat_, this);
    case Dialogue::Avertissement: return OuvrirAvertissement(etat_, this);
    default: return 0;   // the dialogs of the card and planning subsystems are not built yet
    }
}

int FenetrePrincipale::MenuSurgissant(int bouton)
{
    QMenu menu(this);
    menu.setObjectName(QString::number(bouton));
    for (const ElementMenu& e : ::MenuSurgissant(bouton, etat_.ModeSortie)) {
        if (e.Commande == 0 && e.Texte.n == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(TexteQt(etat_, e.Texte.n));
        a->setData(e.Commande);
        a->setObjectName(QString::number(e.Commande));
        a->setEnabled(e.Actif);
    }
    if (ChoixMenu) return ChoixMenu(menu);
    menu.adjustSize();
    const QAction* choisie = menu.exec(QCursor::pos() - QPoint(menu.width() / 2, menu.height() / 2));
    return choisie ? choisie->data().toInt() : 0;
}

void FenetrePrincipale::DisposerTableau()
{
    for (BoutonFrequence* b : boutons_) delete b;
    boutons_.clear();
    ::DisposerTableau(etat_);
    for (const EntreeFrequence& e : etat_.PlanFrequences) {
        auto* b = new BoutonFrequence(etat_, e.Index, [this](int i) { CliqueFrequence(i); }, fond_);
        b->setGeometry(e.X, e.Y, etat_.LargeurBouton, etat_.HauteurBouton);
        b->hide();
        boutons_.push_back(b);
    }
    Fleches();
    SuivreAffichagePublic();
}

void FenetrePrincipale::Fleches()
{
    gauche_->DefinirImage(Image(etat_.PageGauche == 1 ? QStringLiteral("GON") : QStringLiteral("GOFF")));
    droite_->DefinirImage(Image(etat_.PageDroite == 1 ? QStringLiteral("DON") : QStringLiteral("DOFF")));
}

void FenetrePrincipale::RafraichirTableau()
{
    for (BoutonFrequence* b : boutons_) {
        const EntreeFrequence& e = etat_.PlanFrequences[static_cast<std::size_t>(b->IndexEntree())];
        b->move(e.X, e.Y);
        b->setVisible(BoutonVisible(etat_, e));
        b->update();
    }
    Fleches();
    for (Bandeau* d : defilants_) d->update();
    setFocus();
    SuivreAffichagePublic();
}

void FenetrePrincipale::RedessinerTout()
{
    fond_->update();
}

bool FenetrePrincipale::DefilantVisible(int ligne) const
{
    return !defilants_[ligne - 1]->isHidden();
}

void FenetrePrincipale::MontrerDefilant(int ligne, bool visible)
{
    QTimer& minuterie = ligne == DEFILANT_SORTIES ? defilant1_ : defilant2_;
    defilants_[ligne - 1]->setVisible(visible);
    if (visible) minuterie.start();
    else minuterie.stop();
}

bool FenetrePrincipale::CaseCochee(int controle) const
{
    return cases_.at(controle)->isChecked();
}

void FenetrePrincipale::CocherCase(int controle, bool cochee)
{
    cases_.at(controle)->setChecked(cochee);
}

std::string FenetrePrincipale::TexteEdition(int controle) const
{
    return DepuisQString(editions_.at(controle)->text());
}

void FenetrePrincipale::EcrireEdition(int controle, const std::string& texte)
{
    editions_.at(controle)->setText(VersQString(texte));
}

void FenetrePrincipale::ActualiserModes()
{
    boutonMode_->setText(TexteQt(etat_, TexteNomMode(etat_.ModeSortie)));
    const EtatCommandes c = CommandesDuMode(etat_.ModeSortie);
    for (std::size_t m = 0; m < menus_.size() && m < c.Menus.size(); ++m) menus_[m]->menuAction()->setEnabled(c.Menus[m]);
    for (auto& [id, caseACocher] : cases_) caseACocher->setEnabled(c.Controles);
    for (auto& [id, edition] : editions_) edition->setEnabled(c.Controles);
    commandes_[202]->setEnabled(c.Bouton202);
    commandes_[216]->setEnabled(c.Bouton216);
    commandes_[202]->DefinirTexteVisible(c.Bouton202);
    commandes_[216]->DefinirTexteVisible(c.Bouton216);
    boutonMode_->update();
    fond_->update();
}

void FenetrePrincipale::ActualiserMenus()
{
    for (int tri = 0; tri < 4; ++tri) actions_[230 + tri]->setChecked(tri == etat_.CleTri);
    actions_[217]->setEnabled(!etat_.HistoriqueActif);
    actions_[218]->setEnabled(etat_.HistoriqueActif);
    actions_[COMMANDE_AFFICHAGE_PUBLIC]->setChecked(!public_.isNull());
    // Checked while it runs, with the address to give the pilots.
    QAction* web = actions_[COMMANDE_TABLEAU_WEB];
    const bool actif = web_ && web_->Actif();
    web->setChecked(actif);
    web->setText(actif ? VersQString(FormaterTexte(Texte(etat_, 227), web_->Adresse().toStdString().c_str())) : TexteQt(etat_, 226));
}

void FenetrePrincipale::MettreAJourTitre()
{
    etat_.TitreFenetre = TitreFenetrePrincipale(etat_);
    setWindowTitle(VersQString(etat_.TitreFenetre.Vue()));
    fond_->update();
}

void FenetrePrincipale::FermerAide()
{
    if (FermetureAide) FermetureAide();
}

void FenetrePrincipale::BasculerAffichagePublic()
{
    if (public_) public_->close();
    else OuvrirAffichagePublic();
}

void FenetrePrincipale::OuvrirAffichagePublic()
{
    const QList<QScreen*> ecrans = QGuiApplication::screens();
    QScreen* ecran = nullptr;
    if (ecrans.size() > 1) {
        QStringList noms, choix;
        for (int i = 0; i < ecrans.size(); ++i) {
            noms << ecrans[i]->name();
            const QSize t = ecrans[i]->size();
            choix << VersQString(FormaterTexte(Texte(etat_, 218), i + 1, ecrans[i]->name().toStdString().c_str(), t.width(), t.height()));
        }
        QSettings reglages(QStringLiteral("TRAX"), QStringLiteral("Koralis"));
        std::vector<std::string> lesNoms;
        for (const QString& n : noms) lesNoms.push_back(n.toStdString());
        const int propose = EcranPropose(lesNoms, reglages.value(QStringLiteral("EcranPublic")).toString().toStdString(),
                                         static_cast<int>(ecrans.indexOf(screen())));
        const int i = ChoixEcran ? ChoixEcran(choix, propose) : DemanderEcran(choix, propose);
        if (i < 0 || i >= ecrans.size()) return;
        ecran = ecrans[i];
        reglages.setValue(QStringLiteral("EcranPublic"), noms[i]);
    }
    public_ = new FenetrePublique(etat_, this);
    public_->setAttribute(Qt::WA_DeleteOnClose);
    // Closed from here or by the window system: forgotten at once, deleted later.
    public_->Fermee = [this, ouvert = public_.data()] {
        if (public_ == ouvert) public_ = nullptr;
        ActualiserMenus();
    };
    if (ecran) {
        public_->setScreen(ecran);
        public_->setGeometry(ecran->geometry());
        public_->showFullScreen();
    } else {
        // One screen: half of it, in its lower right corner over the stand, where
        // it is seen at once; the operator moves it where it suits. A window of the
        // stand's own, which the window system keeps above the stand while the stand
        // has the focus (a plain window that takes no focus goes under it).
        public_->setWindowFlags((public_->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog | Qt::WindowMinMaxButtonsHint);
        const QRect zone = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
        const QSize taille = (zone.size() / 2).expandedTo(public_->minimumSize()).boundedTo(zone.size());
        public_->setGeometry(QRect(zone.bottomRight() - QPoint(taille.width(), taille.height()) + QPoint(1, 1), taille));
        public_->show();
        // Once the window system has framed it: its frame on the screen too.
        auto placer = [zone, affichage = public_] {
            if (!affichage) return;
            const QRect cadre = affichage->frameGeometry();
            affichage->move(affichage->pos() - QPoint(std::max(0, cadre.right() - zone.right()), std::max(0, cadre.bottom() - zone.bottom())));
            affichage->raise();
        };
        placer();
        QTimer::singleShot(300, public_, placer);
    }
    activateWindow();
}

int FenetrePrincipale::DemanderEcran(const QStringList& choix, int propose)
{
    bool ok = false;
    const QString choisi = QInputDialog::getItem(this, TexteQt(etat_, 211), TexteQt(etat_, 217), choix, propose, false, &ok);
    return ok ? static_cast<int>(choix.indexOf(choisi)) : -1;
}

FenetrePublique* FenetrePrincipale::AffichagePublic() const
{
    return public_;
}

void FenetrePrincipale::SuivreAffichagePublic()
{
    if (public_) public_->Rafraichir();
}

void FenetrePrincipale::Suivre()
{
    SuivreAffichagePublic();
    if (web_ && web_->Actif()) web_->Publier();
}

TableauWeb& FenetrePrincipale::TableauSurLesTelephones()
{
    if (!web_) web_ = new TableauWeb(etat_, this);
    return *web_;
}

void FenetrePrincipale::BasculerTableauWeb()
{
    TableauSurLesTelephones().Basculer();
}

void FenetrePrincipale::Detruire()
{
    delete public_;
    if (web_) web_->Arreter();
    detruite_ = true;
    supervision_.stop();
    defilant1_.stop();
    defilant2_.stop();
    sauvegarde_.stop();
    close();
    QApplication::quit();
}

void FenetrePrincipale::CliqueFrequence(int index)
{
    if (detruite_) return;
    ::CliquerFrequence(etat_, *this, index);
    if (detruite_) return;
    for (Bandeau* d : defilants_) d->update();
    Suivre();
}

void FenetrePrincipale::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Left) Commande(1400);
    else if (e->key() == Qt::Key_Right) Commande(1401);
    else if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9) carteTapee_.Touche(static_cast<char>('0' + e->key() - Qt::Key_0), etat_.Port.Tick(), {});
    else if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !carteTapee_.Tape().empty()) AllerALaCarte();
    else QMainWindow::keyPressEvent(e);
}

void FenetrePrincipale::AllerALaCarte()
{
    const int32_t numero = std::stoi(carteTapee_.Tape().substr(0, 4));
    carteTapee_ = RechercheCarte();
    if (detruite_) return;
    ::AllerALaCarte(etat_, *this, numero);
    if (detruite_) return;
    for (Bandeau* d : defilants_) d->update();
    Suivre();
}

void FenetrePrincipale::closeEvent(QCloseEvent* e)
{
    if (detruite_) {
        e->accept();
        return;
    }
    e->ignore();
    Commande(100);
}

void FenetrePrincipale::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState) Replacer();
    QMainWindow::changeEvent(e);
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::FocusOut)
        for (const auto& [id, edition] : editions_)
            if (edition == objet) Commande(id, NOTIFICATION_PERTE_FOCUS);
    return QMainWindow::eventFilter(objet, e);
}
