#include "tests/ui/support/navigateur.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QThread>
#include <QTimer>

quint16 PortLibre()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

Navigateur::Navigateur(int largeur, int hauteur)
{
    port_ = PortLibre();
    pilote_.start(QStringLiteral("chromedriver"), {QStringLiteral("--port=%1").arg(port_)});
    if (!pilote_.waitForStarted(5000)) {
        erreur_ = QStringLiteral("chromedriver does not start");
        return;
    }
    QElapsedTimer attente;
    attente.start();
    while (!Appel("GET", QStringLiteral("/status")).toObject().value(QStringLiteral("ready")).toBool()) {
        if (attente.elapsed() > 10000) {
            erreur_ = QStringLiteral("chromedriver is not ready");
            return;
        }
        QThread::msleep(50);
    }
    const QJsonArray arguments = {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                                  QStringLiteral("--disable-dev-shm-usage"), QStringLiteral("--hide-scrollbars"),
                                  QStringLiteral("--window-size=%1,%2").arg(largeur).arg(hauteur)};
    QJsonObject options{{QStringLiteral("args"), arguments}, {QStringLiteral("binary"), QStringLiteral("/usr/bin/chromium")}};
    // A phone's screen is narrower than any window Chromium opens: emulated.
    if (largeur < 600) {
        const QJsonObject ecran{{QStringLiteral("width"), largeur}, {QStringLiteral("height"), hauteur}, {QStringLiteral("pixelRatio"), 1},
                                {QStringLiteral("mobile"), true}, {QStringLiteral("touch"), true}};
        options.insert(QStringLiteral("mobileEmulation"), QJsonObject{{QStringLiteral("deviceMetrics"), ecran}});
    }
    const QJsonObject capacites{{QStringLiteral("alwaysMatch"), QJsonObject{{QStringLiteral("goog:chromeOptions"), options}}}};
    const QJsonValue reponse = Appel("POST", QStringLiteral("/session"), QJsonObject{{QStringLiteral("capabilities"), capacites}});
    session_ = reponse.toObject().value(QStringLiteral("sessionId")).toString();
    if (session_.isEmpty()) erreur_ = QJsonDocument(reponse.toObject()).toJson();
}

Navigateur::~Navigateur()
{
    if (!session_.isEmpty()) Appel("DELETE", QStringLiteral("/session/") + session_);
    pilote_.kill();
    pilote_.waitForFinished(5000);
}

QJsonValue Navigateur::Appel(const QByteArray& methode, const QString& chemin, const QJsonValue& corps)
{
    QNetworkAccessManager reseau;
    QNetworkRequest requete(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(chemin)));
    requete.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    const QByteArray donnees = corps.isUndefined() ? QByteArray() : QJsonDocument(corps.toObject()).toJson(QJsonDocument::Compact);
    QNetworkReply* reponse = reseau.sendCustomRequest(requete, methode, methode == "POST" && donnees.isEmpty() ? "{}" : donnees);
    QEventLoop boucle;
    QTimer::singleShot(30000, &boucle, &QEventLoop::quit);
    QObject::connect(reponse, &QNetworkReply::finished, &boucle, &QEventLoop::quit);
    if (!reponse->isFinished()) boucle.exec();
    const QJsonDocument doc = QJsonDocument::fromJson(reponse->readAll());
    reponse->deleteLater();
    return doc.object().value(QStringLiteral("value"));
}

bool Navigateur::Aller(const QString& url)
{
    return Pret() && Appel("POST", QStringLiteral("/session/%1/url").arg(session_), QJsonObject{{QStringLiteral("url"), url}}).isNull();
}

QJsonValue Navigateur::Executer(const QString& script)
{
    return Appel("POST", QStringLiteral("/session/%1/execute/sync").arg(session_),
                 QJsonObject{{QStringLiteral("script"), script}, {QStringLiteral("args"), QJsonArray()}});
}

QString Navigateur::Texte() { return Executer(QStringLiteral("return document.body.innerText;")).toString(); }

qint64 Navigateur::AttendreTexte(const QString& texte, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() <= ms) {
        if (Texte().contains(texte)) return t.elapsed();
        QEventLoop boucle;
        QTimer::singleShot(50, &boucle, &QEventLoop::quit);
        boucle.exec();
    }
    return -1;
}

bool Navigateur::Capturer(const QString& chemin)
{
    const QByteArray png = QByteArray::fromBase64(Appel("GET", QStringLiteral("/session/%1/screenshot").arg(session_)).toString().toLatin1());
    QFile f(chemin);
    return !png.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(png) == png.size();
}
