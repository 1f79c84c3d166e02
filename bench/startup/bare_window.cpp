// The floor of the start-up benchmark: a bare Qt program that shows what the
// installer's main window shows at first, a frameless 453 x 272 window covered
// by the same picture, under the same title, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Installer"));
    window.setFixedSize(453, 272);
    window.setPixmap(QPixmap(QStringLiteral(":/assets/main.png")));
    window.show();
    return application.exec();
}
