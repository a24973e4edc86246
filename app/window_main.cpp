#include <QApplication>

#include "app/form1_window.h"
#include "app/unanswered_display.h"
#include "platform/quit_signals.h"
#include "platform/running_copy.h"
#include "system/drive_roots.h"

// The window, started by the program `quobbin` when it is given no options.
int main(int argc, char* argv[]) {
    explainUnansweredDisplay();
    QApplication app(argc, argv);
    displayAnswered();
    QApplication::setDesktopFileName(QStringLiteral(QUOBBIN_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));  // honours the buttons' face colours
    Form1Window form;
    if (!form.Form_Load()) {
        RunningCopy::askToComeForward(QString::fromStdString(winePrefixFolder()));
        return 0;  // the copy that runs comes forward
    }
    RunningCopy runningCopy(form, QString::fromStdString(winePrefixFolder()));
    // A logout or a kill ends the program as the close box does.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quit, &form, &QWidget::close);
    form.show();
    return QApplication::exec();
}
