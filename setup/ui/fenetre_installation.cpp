#include "setup/ui/fenetre_installation.h"

#include "engine/textes.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr int PAS_X = 256;
constexpr int PAS_Y = 190;

QString T(int langue, int n) { return VersQString(TexteDansLangue(langue, n)); }

QPushButton* Bouton(QWidget* parent, int id, int langue, int texte)
{
    auto* b = CreerBouton(parent, id);
    b->setText(T(langue, texte));
    return b;
}

} // namespace

FenetreInstallation::FenetreInstallation(int langue, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("instalkoral"));
    setWindowTitle(T(langue, 800));
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) setGeometry(ecran->availableGeometry());
}

void FenetreInstallation::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(222, 222, 222));
    const QPixmap fond = Image(QStringLiteral("FOND1"));
    // Each row starts 190 pixels further left than the one above.
    for (int x = 0, y = 0; y < height();) {
        p.drawPixmap(x, y, fond);
        x += PAS_X;
        if (x > width()) {
            y += PAS_Y;
            x = -(y + 190) % PAS_X;
        }
    }
}

DialogueRepertoire::DialogueRepertoire(int langue, const QString& propose, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QUELREP"));
    setModal(true);
    setWindowTitle(T(langue, 801));
    QLabel* dans = CreerEtiquette(this, 202, false);
    dans->setText(T(langue, 802));
    dans->setAlignment(Qt::AlignCenter);
    repertoire_ = CreerControle<QLineEdit>(this, 200);
    repertoire_->setText(propose);
    repertoire_->setMinimumWidth(380);
    QLabel* ou = CreerEtiquette(this, 203, false);
    ou->setText(T(langue, 803));
    auto* parcourir = Bouton(this, 201, langue, 804);
    auto* continuer = Bouton(this, 1, langue, 805);
    auto* abandon = Bouton(this, 2, langue, 806);
    continuer->setDefault(true);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(100, 20, 20, 16);
    colonne->addWidget(dans);
    colonne->addWidget(repertoire_);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(ou);
    ligne->addStretch();
    ligne->addWidget(parcourir);
    colonne->addLayout(ligne);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(continuer);
    bas->addWidget(abandon);
    colonne->addLayout(bas);

    const QString titre = T(langue, 807);
    Parcourir = [this, titre](const QString& depuis) { return QFileDialog::getExistingDirectory(this, titre, depuis); };
    connect(parcourir, &QPushButton::clicked, this, [this] {
        const QString choisi = Parcourir(repertoire_->text());
        if (!choisi.isEmpty()) repertoire_->setText(choisi);
    });
    connect(continuer, &QPushButton::clicked, this, &QDialog::accept);
    connect(abandon, &QPushButton::clicked, this, &QDialog::reject);
}

QString DialogueRepertoire::Repertoire() const { return repertoire_->text(); }

void DialogueRepertoire::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(20, 20, Image(QStringLiteral("LOGO_EU")));
}

DialogueFinInstallation::DialogueFinInstallation(int langue, int erreur, const QString& fichier, QWidget* parent)
    : QDialog(parent), erreur_(erreur != INSTALLATION_REUSSIE)
{
    setObjectName(erreur_ ? QStringLiteral("ERREUR") : QStringLiteral("TOUTOK"));
    setModal(true);
    setWindowTitle(T(langue, erreur_ ? 808 : 814));
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(95, 20, 20, 16);
    if (erreur_) {
        QLabel* fixe = CreerEtiquette(this, 301, false);
        fixe->setText(T(langue, 809));
        const int message = erreur == ERREUR_REPERTOIRE ? 810 : erreur == ERREUR_COPIE ? 811 : 812;
        QLabel* quoi = CreerEtiquette(this, 300, false);
        quoi->setText(QStringLiteral("%1\n%2").arg(T(langue, message), fichier));
        colonne->addWidget(fixe);
        colonne->addWidget(quoi);
    } else {
        for (int n : {815, 816}) {
            auto* texte = new QLabel(T(langue, n), this);
            texte->setObjectName(QString::number(n));
            texte->setWordWrap(true);
            colonne->addWidget(texte);
        }
    }
    auto* ok = Bouton(this, 1, langue, 813);
    ok->setDefault(true);
    colonne->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumSize(460, 110);
}

void DialogueFinInstallation::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(15, 15, Image(erreur_ ? QStringLiteral("ALERTE") : QStringLiteral("LOGO_EU"), QSize(64, 64)));
}

std::optional<std::string> PlateformeInstallationQt::Repertoire(const std::string& propose)
{
    DialogueRepertoire d(langue_, QString::fromStdString(propose), fenetre_);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return QDir::fromNativeSeparators(d.Repertoire()).toStdString();
}

void PlateformeInstallationQt::Erreur(int code, const std::string& fichier)
{
    DialogueFinInstallation d(langue_, code, QString::fromStdString(fichier), fenetre_);
    d.exec();
}

void PlateformeInstallationQt::Reussite()
{
    DialogueFinInstallation d(langue_, INSTALLATION_REUSSIE, {}, fenetre_);
    d.exec();
}

void PlateformeInstallationQt::Bip() { QApplication::beep(); }

void PlateformeInstallationQt::Approuver(const std::string& lanceur)
{
    // GNOME's desktop runs a launcher only once it is marked trusted; elsewhere this does nothing.
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty()) return;
    // Where the desktop keeps no such mark gio says so: nothing for the user.
    QProcess marque;
    marque.setStandardOutputFile(QProcess::nullDevice());
    marque.setStandardErrorFile(QProcess::nullDevice());
    marque.start(gio, {QStringLiteral("set"), QString::fromStdString(lanceur), QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    marque.waitForFinished(5000);
}

DossiersInstallation DossiersDuSysteme()
{
    const auto lieu = [](QStandardPaths::StandardLocation l) { return QStandardPaths::writableLocation(l).toStdString(); };
    DossiersInstallation d;
    d.Source = QCoreApplication::applicationDirPath().toStdString();
    d.Documents = lieu(QStandardPaths::DocumentsLocation);
    d.Applications = lieu(QStandardPaths::ApplicationsLocation);
    d.Bureau = lieu(QStandardPaths::DesktopLocation);
#ifdef Q_OS_WIN
    // A user's own programs folder (AppData\Local\Programs): no administrator needed. The
    // shortcuts show the program's own icon: no icon folder.
    d.Parent = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("Programs")).toStdString();
#else
    d.Parent = QDir::home().filePath(QStringLiteral(".local/opt")).toStdString();
    d.Icones = (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/icons/hicolor/scalable/apps")).toStdString();
#endif
    return d;
}

int LangueInstallation()
{
    const QVariant choisie = QSettings(QStringLiteral("TRAX"), QStringLiteral("Koralis")).value(QStringLiteral("Langue"));
    // "fr_FR", "pt_BR", "C": the system's language is what comes before the territory.
    const QString systeme = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    return LangueDeLInstallation(choisie.isValid() ? std::optional<int>(choisie.toInt()) : std::nullopt, systeme.toStdString());
}

bool DemanderDesinstallation(int langue, const PlanDesinstallation& plan, QWidget* parent)
{
    QMessageBox question(QMessageBox::Question, T(langue, 800), VersQString(QuestionDesinstallation(langue, plan)),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setObjectName(QStringLiteral("DESINSTALLER"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}
