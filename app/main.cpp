#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(QUOBBIN_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));  // honours the buttons' face colours
    Form1 form;
    if (!form.Form_Load()) {
        return 0;  // another copy runs
    }
    form.show();
    return QApplication::exec();
}
