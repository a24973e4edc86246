// The yardstick of the start-up figure: the least a Qt program does to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(495, 265);
    window.show();
    return QApplication::exec();
}
