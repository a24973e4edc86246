#include "app/no_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int noDisplayStatus = 1;

QtMessageHandler toolkitHandler = nullptr;
bool displayUnanswered = false;

// The toolkit first says that it could not connect, then why no platform plugin loaded, then
// aborts; none of it means much to someone who started the program without a desktop.
void handleToolkitMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QStringLiteral("could not connect to display"))) {
        displayUnanswered = true;
    }
    if (!displayUnanswered) {
        toolkitHandler(type, context, message);
    } else if (type == QtFatalMsg) {
        std::_Exit(explainNoDisplay());
    }
}

}  // namespace

bool isDisplayNamed() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int explainNoDisplay() {
    std::fputs(
        "quobbin: no display to show the window on: run it on a desktop, or use "
        "quobbin --update or quobbin --lookup NAME, which need none\n",
        stderr);
    std::fflush(stderr);
    return noDisplayStatus;
}

void explainUnansweredDisplay() {
    toolkitHandler = qInstallMessageHandler(handleToolkitMessage);
}
