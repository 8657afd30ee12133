// A hello-world Qt Widgets window built as the program is, quitting once it is
// painted: the floor a cold start is measured against.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

namespace {

class Bonjour : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawText(rect(), Qt::AlignCenter, QStringLiteral("Bonjour"));
        if (!peint_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        peint_ = true;
    }

private:
    bool peint_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setCentralWidget(new Bonjour);
    fenetre.resize(1024, 768);
    fenetre.show();
    return application.exec();
}
