#include "app/command_line.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <cstdio>

#include "app/lookup_command_line.h"
#include "app/update_command_line.h"
#include "platform/program_title.h"

namespace {

const char usage[] =
    "usage: quobbin [--update | --lookup NAME [--count] | --help | --version]\n"
    "Without options, opens the window of Poser Quobbin.\n"
    "  --update        rebuilds the index c:\\ol\\oz of the Poser folder, as Update does\n"
    "  --lookup NAME   prints every indexed path whose file name is NAME, one a line\n"
    "  --count         with --lookup: prints only the number of matches\n"
    "  -h, --help      prints this help\n"
    "  --version       prints the version\n"
    "Exit status: 0 done or found; 1 no Poser folder, or no match; 2 usage error;\n"
    "3 the index was not written, or is missing or unreadable. See man quobbin.\n";

CommandLine misuse(const QString& what) {
    CommandLine wrong;
    wrong.command = CommandLine::Command::Misuse;
    wrong.misuse = what;
    return wrong;
}

CommandLine asking(CommandLine::Command command) {
    CommandLine line;
    line.command = command;
    return line;
}

}  // namespace

// As getopt does it: the argument after --lookup is the name, whatever it looks like; --help
// and --version answer at once.
CommandLine readCommandLine(int argc, char* argv[]) {
    bool update = false;
    bool lookup = false;
    bool count = false;
    QString name;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            return asking(CommandLine::Command::Help);
        }
        if (argument == "--version") {
            return asking(CommandLine::Command::Version);
        }
        if (argument == "--update" && !update) {
            update = true;
        } else if (argument == "--count" && !count) {
            count = true;
        } else if (argument == "--lookup" && !lookup) {
            if (++i == argc) {
                return misuse(QStringLiteral("--lookup needs the NAME to look up"));
            }
            lookup = true;
            name = QString::fromLocal8Bit(argv[i]);
        } else {
            return misuse(QStringLiteral("unknown or repeated argument: %1")
                              .arg(QString::fromLocal8Bit(argv[i])));
        }
    }
    if (update && lookup) {
        return misuse(QStringLiteral("--update and --lookup go one at a time"));
    }
    if (count && !lookup) {
        return misuse(QStringLiteral("--count goes with --lookup NAME"));
    }
    CommandLine line = asking(update   ? CommandLine::Command::Update
                              : lookup ? CommandLine::Command::Lookup
                                       : CommandLine::Command::Window);
    line.name = name;
    line.countOnly = count;
    return line;
}

int runCommandLine(const CommandLine& commandLine, int argc, char* argv[]) {
    switch (commandLine.command) {
        case CommandLine::Command::Help:
            std::fputs(usage, stdout);
            return exitDone;
        case CommandLine::Command::Version:
            std::printf("quobbin %s\n", qPrintable(programVersion));
            return exitDone;
        case CommandLine::Command::Misuse:
            std::fprintf(stderr, "quobbin: %s\n%s", qPrintable(commandLine.misuse), usage);
            return exitMisuse;
        case CommandLine::Command::Update: {
            QCoreApplication application(argc, argv);
            return updateFromCommandLine();
        }
        case CommandLine::Command::Lookup:
            // No application object: a look-up runs no event loop, and setting one up (the
            // locale and its files) would cost it more than a millisecond.
            return lookUpFromCommandLine(commandLine.name, commandLine.countOnly);
        case CommandLine::Command::Window:
            break;
    }
    return exitMisuse;  // the window is main's to open
}

void printLine(FILE* stream, const QString& text) {
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

int complain(int status, const QString& what) {
    printLine(stderr, QStringLiteral("quobbin: ") + what);
    return status;
}
