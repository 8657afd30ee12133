#pragma once
// The main window "KORAL": the board of frequencies on the left, the command
// buttons, tickers, logo, constraints, mode button and legend on the right.

#include "engine/recherche.h"
#include "shell/fenetre.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QScreen;
class QLineEdit;
class QMenu;
class Bandeau;
class FenetrePublique;
class TableauWeb;
class BoutonCommande;
class BoutonFrequence;
class BoutonImage;
struct EtatGlobal;

class FenetrePrincipale : public QMainWindow, public Fenetre {
public:
    FenetrePrincipale(EtatGlobal& etat, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Where the window's inside goes on a screen: its free area (no panel, no
    // task bar) less the frame the window system adds, so the whole window, frame
    // included, fits. Its size is the design screen of the layout.
    static QRect ZoneInterieure(const QScreen& ecran);

    // Opens the dialogs of the program; tests replace it to script them.
    std::function<int(Dialogue)> Ouvreur;
    // Chooses in a pop-up menu; tests replace it.
    std::function<int(QMenu&)> ChoixMenu;
    // Closes the help window at quit.
    std::function<void()> FermetureAide;
    // Runs once, when the board has been painted the first time.
    std::function<void()> PremierDessin;
    // Chooses the screen of the public display when there are several: the
    // index in `ecrans`, -1 to give up; tests replace it.
    std::function<int(const QStringList& ecrans, int propose)> ChoixEcran;
    FenetrePublique* AffichagePublic() const;
    // The board on the pilots' phones, made at its first use.
    TableauWeb& TableauSurLesTelephones();
    // The club's own logo when it has one.
    void DefinirLogo(QPixmap logo);

    // The timers' work, callable by tests with the port's clock.
    void TickSupervision();
    void TickDefilant(int ligne);
    void TickSauvegarde();
    void Commande(int commande, int notification = 0);
    bool Detruite() const { return detruite_; }
    const std::vector<BoutonFrequence*>& BoutonsFrequences() const { return boutons_; }

    // The texts the window paints itself (bottom bar, legend, constraints), where
    // and how: a test checks that each fits its zone.
    struct TextePeint {
        QRect Zone;
        QString Texte;
        QFont Police;
        int Drapeaux;
        QColor Couleur;
    };
    std::vector<TextePeint> TextesPeints() const;

    // Fenetre
    int OuvrirDialogue(Dialogue dialogue) override;
    int MenuSurgissant(int bouton) override;
    void DisposerTableau() override;
    void RafraichirTableau() override;
    void RedessinerTout() override;
    bool DefilantVisible(int ligne) const override;
    void MontrerDefilant(int ligne, bool visible) override;
    bool CaseCochee(int controle) const override;
    void CocherCase(int controle, bool cochee) override;
    std::string TexteEdition(int controle) const override;
    void EcrireEdition(int controle, const std::string& texte) override;
    void ActualiserModes() override;
    void ActualiserMenus() override;
    void MettreAJourTitre() override;
    void BasculerAffichagePublic() override;
    void BasculerTableauWeb() override;
    void FermerAide() override;
    void Detruire() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The card's number typed on the board, then Return.
    void AllerALaCarte();
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    class Fond;
    void CreerMenus();
    void CreerControles();
    void Placer(QWidget* w, int x, int y, int largeur, int hauteur);
    int OuvrirDialogueReel(Dialogue dialogue);
    void CliqueFrequence(int index);
    void Fleches();
    QSize TailleDessin() const;
    // The window at the top left of the screen's free area, at its design size.
    void Replacer();
    void OuvrirAffichagePublic();
    int DemanderEcran(const QStringList& choix, int propose);
    // The public display follows every change the stand makes.
    void SuivreAffichagePublic();
    // So do the public display and the phones, after each of the operator's actions.
    void Suivre();

    EtatGlobal& etat_;
    Fond* fond_ = nullptr;
    std::vector<BoutonFrequence*> boutons_;
    std::map<int, QAction*> actions_;
    std::vector<QMenu*> menus_;
    std::map<int, BoutonCommande*> commandes_;
    std::map<int, QCheckBox*> cases_;
    std::map<int, QLineEdit*> editions_;
    Bandeau* defilants_[2] = {};
    BoutonCommande* boutonMode_ = nullptr;
    BoutonImage* logo_ = nullptr;
    BoutonImage* gauche_ = nullptr;
    BoutonImage* droite_ = nullptr;
    QTimer supervision_, defilant1_, defilant2_, sauvegarde_;
    QPointer<FenetrePublique> public_;
    TableauWeb* web_ = nullptr;
    RechercheCarte carteTapee_;
    bool detruite_ = false;
};
