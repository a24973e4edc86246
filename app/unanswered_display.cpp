#include "app/unanswered_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <vector>

#include "cli/no_display.h"

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler toolkitHandler = nullptr;
bool platformStarted = false;
std::vector<HeldMessage> held;

// Until its platform plugin is up, the toolkit's messages are held back: a display that does
// not answer, a Wayland without a compositor and a plugin that is missing or fails all end in
// the toolkit's abort, after lines that mean little to someone without a desktop. The program
// then says in one line what to do instead; on a good start the held messages follow as usual.
void handleToolkitMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (platformStarted) {
        toolkitHandler(type, context, message);
    } else if (type == QtFatalMsg) {
        std::_Exit(explainNoDisplay());
    } else {
        held.push_back(
            {type, context.file, context.line, context.function, context.category, message});
    }
}

}  // namespace

void explainUnansweredDisplay() {
    toolkitHandler = qInstallMessageHandler(handleToolkitMessage);
}

void displayAnswered() {
    platformStarted = true;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        toolkitHandler(message.type, context, message.text);
    }
    held.clear();
}
