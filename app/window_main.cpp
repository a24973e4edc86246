#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/form1_window.h"
#include "app/scene_file_chooser.h"
#include "app/unanswered_display.h"
#include "platform/quit_signals.h"
#include "platform/running_copy.h"
#include "system/drive_roots.h"

namespace {

const QString chooseOption = QStringLiteral("--check-window");

// Asked for with --check-window, as the desktop entry's action does: the Poser file to check is
// chosen in a file chooser.
bool asksForScene() {
    return QApplication::arguments().mid(1).contains(chooseOption);
}

// The Poser files given to check, as absolute paths: a running copy has a working folder of
// its own.
QStringList filesToCheck() {
    QStringList files;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        if (argument != chooseOption) {
            files.append(QFileInfo(argument).absoluteFilePath());
        }
    }
    return files;
}

}  // namespace

// The window, started by the program `quobbin` when it is given no options, or only the Poser
// files to check, each in a scene-check window of its own.
int main(int argc, char* argv[]) {
    explainUnansweredDisplay();
    QApplication app(argc, argv);
    displayAnswered();
    QApplication::setDesktopFileName(QStringLiteral(QUOBBIN_APP_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));  // honours the buttons' face colours
    Form1Window form;
    if (!form.Form_Load()) {
        QStringList files = filesToCheck();
        if (asksForScene()) {
            files = QStringList{chooseSceneFile(nullptr)};
            if (files.front().isEmpty()) {
                return 0;  // cancelled: the copy that runs is left as it is
            }
        }
        RunningCopy::askToComeForward(QString::fromStdString(winePrefixFolder()), files);
        return 0;  // the copy that runs comes forward, and checks the files
    }
    RunningCopy runningCopy(form, QString::fromStdString(winePrefixFolder()));
    QObject::connect(&runningCopy, &RunningCopy::filesToCheck, &form,
                     [&form](const QStringList& files) {
                         for (const QString& file : files) {
                             form.checkScene(file);
                         }
                     });
    // A logout or a kill ends the program as the close box does.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quit, &form, &QWidget::close);
    form.show();
    for (const QString& file : filesToCheck()) {
        form.checkScene(file);
    }
    if (asksForScene()) {
        // Once the main window shows; cancelled, the main window stays, as a plain start leaves it.
        QTimer::singleShot(0, &form, [&form] {
            const QString chosen = chooseSceneFile(&form);
            if (!chosen.isEmpty()) {
                form.checkScene(chosen);
            }
        });
    }
    return QApplication::exec();
}
