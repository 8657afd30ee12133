#include "print/ui/impression_qt.h"

#include "engine/etat.h"
#include "engine/messages.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QFont PoliceDe(PoliceImpression police, QPaintDevice* device)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(police == PoliceImpression::Accent ? 20 : 10);
    f.setWeight(police == PoliceImpression::Accent ? QFont::Bold : QFont::Normal);
    return QFont(f, device);
}

void DessinerPage(QPainter& p, const PageImprimee& page, const QFont& corps, const QFont& accent)
{
    p.setPen(QPen(Qt::black, std::max(1, p.device()->logicalDpiX() / 100)));
    for (const TraitImprime& t : page.Traits) p.drawLine(t.X1, t.Y, t.X2, t.Y);
    for (const TexteImprime& t : page.Textes) {
        p.setFont(t.Police == PoliceImpression::Accent ? accent : corps);
        p.drawText(QPointF(t.X, t.Y + QFontMetrics(p.font(), p.device()).ascent()), VersQString(t.Texte));
    }
}

} // namespace

DialogueImpression::DialogueImpression(const EtatGlobal& etat, Impression impression, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PRINTDLG"));
    TexteTitre(etat, this, TitreImpression(impression));
    auto* colonne = new QVBoxLayout(this);
    QLabel* encours = CreerEtiquette(this, 951, false);
    TexteControle(etat, this, 951, 402);
    QLabel* titre = CreerEtiquette(this, 950, false);
    titre->setText(VersQString(etat.TitreFichier));
    auto* annuler = CreerBouton(this, 2);
    TexteControle(etat, this, 2, 177);
    colonne->addWidget(encours);
    colonne->addWidget(titre);
    colonne->addWidget(annuler, 0, Qt::AlignCenter);
    connect(annuler, &QPushButton::clicked, this, [this] {
        annulee_ = true;
        hide();
    });
    setMinimumWidth(300);
}

Mesures MesuresDe(QPagedPaintDevice& device)
{
    const QFont corps = PoliceDe(PoliceImpression::Corps, &device);
    const QFont accent = PoliceDe(PoliceImpression::Accent, &device);
    const QFontMetrics mc(corps, &device), ma(accent, &device);
    Mesures m;
    // The layout's widths, not the font's own idea of its average.
    m.LargeurCar = LargeurMoyenne([&mc](std::string_view t) { return mc.horizontalAdvance(VersQString(t)); }, device.width());
    m.HauteurLigne = std::max(1, mc.height() + mc.leading());
    m.LargeurPage = device.width();
    m.HauteurPage = device.height();
    m.Largeur = [mc, ma](std::string_view texte, PoliceImpression police) {
        return (police == PoliceImpression::Accent ? ma : mc).horizontalAdvance(VersQString(texte));
    };
    return m;
}

ResultatImpression DessinerImpression(EtatGlobal& etat, Impression impression, QPagedPaintDevice& device,
                                      const std::function<bool()>& continuer)
{
    const std::vector<PageImprimee> pages = MettreEnPage(etat, impression, MesuresDe(device));
    QPainter p;
    if (!p.begin(&device)) return ResultatImpression::Echec;
    const QFont corps = PoliceDe(PoliceImpression::Corps, &device);
    const QFont accent = PoliceDe(PoliceImpression::Accent, &device);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return ResultatImpression::Echec;
        DessinerPage(p, pages[i], corps, accent);
        if (continuer && !continuer()) return ResultatImpression::Annule;
    }
    return p.end() ? ResultatImpression::Imprime : ResultatImpression::Echec;
}

ResultatImpression Imprimer(EtatGlobal& etat, Impression impression, QPrinter& imprimante, QWidget* parent)
{
    // PRINTDLG is modal: until the job ends nothing of what is printed can change.
    DialogueImpression annulation(etat, impression, parent);
    annulation.setWindowModality(Qt::ApplicationModal);
    annulation.show();
    const ResultatImpression r = DessinerImpression(etat, impression, imprimante, [&annulation] {
        QApplication::processEvents();
        return !annulation.Annulee();
    });
    annulation.hide();
    if (r == ResultatImpression::Imprime) return r;
    imprimante.abort();
    // A job stopped half way leaves no document behind.
    if (imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty())
        QFile::remove(imprimante.outputFileName());
    if (r == ResultatImpression::Echec) AfficherMessageTexte(etat, 210);
    return r;
}

int OuvrirApercu(EtatGlobal& etat, Impression impression, QPrinter& imprimante, QWidget* parent)
{
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setWindowTitle(TexteQt(etat, TitreImpression(impression)));
    // Large enough to read a page before using paper.
    if (parent) apercu.resize(parent->size() * 0.85);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu, [&etat, impression, parent](QPrinter* p) {
        // The preview draws on pictures at once; a printer or a PDF gets PRINTDLG and its checks.
        if (p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Picture) DessinerImpression(etat, impression, *p);
        else Imprimer(etat, impression, *p, parent);
    });
    return apercu.exec();
}

int OuvrirImpression(EtatGlobal& etat, Impression impression, QWidget* parent)
{
    if (!ImpressionPossible(etat, impression)) return 0;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(TexteQt(etat, 81));
    QPrintDialog choix(&imprimante, parent);
    choix.setWindowTitle(TexteQt(etat, TitreImpression(impression)));
    choix.setOption(QAbstractPrintDialog::PrintSelection, false);
    choix.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // The preview, one click away where the dialog is Qt's own (not the system's).
    bool apercu = false;
    if (auto* boutons = choix.findChild<QDialogButtonBox*>()) {
        QPushButton* b = boutons->addButton(TexteQt(etat, 224), QDialogButtonBox::ActionRole);
        b->setObjectName(QStringLiteral("APERCU"));
        QObject::connect(b, &QPushButton::clicked, &choix, [&apercu, &choix] {
            apercu = true;
            choix.reject();
        });
    }
    if (choix.exec() == QDialog::Accepted) return Imprimer(etat, impression, imprimante, parent) == ResultatImpression::Imprime;
    return apercu ? OuvrirApercu(etat, impression, imprimante, parent) : 0;
}
