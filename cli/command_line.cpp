#include "cli/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/check_command_line.h"
#include "cli/lookup_command_line.h"
#include "cli/update_command_line.h"
#include "core/drives/data_files.h"
#include "system/file_status.h"

namespace {

const char usage[] =
    "usage: quobbin [FILE... | --check-window | --update | --lookup NAME [--count] |\n"
    "               --check FILE... [--fix] | --help | --version]\n"
    "Without options, opens the window of Poser Quobbin, and checks each Poser file FILE\n"
    "in a window of its own.\n"
    "  --check-window  opens the window and asks, in a file chooser, for the Poser file\n"
    "                  to check in a window of its own\n"
    "  --update        rebuilds the index c:\\ol\\oz of the Poser folder, as Update does\n"
    "  --lookup NAME, --lookup=NAME\n"
    "                  prints every indexed path whose file name is NAME, one a line\n"
    "  --count         with --lookup: prints only the number of matches\n"
    "  --check FILE... lists every file that the Poser files FILE... (scenes, figures,\n"
    "                  poses, ...) name and that is missing, each with the indexed files\n"
    "                  of its name, best first\n"
    "  --fix           with --check: writes a copy of each FILE beside it, FILE-mended,\n"
    "                  whose missing files name the best of those instead\n"
    "  -h, --help      prints this help\n"
    "  --version       prints the version\n"
    "The index holds the files named with a dot one to eight folders below the Poser\n"
    "folder, but no .rsr .pz3 .gif .txt .bvh .dxf, nor a .png thumbnail beside the\n"
    "library file of its name.\n"
    "Exit status: 0 done or found, or nothing missing; 1 no Poser folder or Wine prefix,\n"
    "no match, or a file missing; 2 usage error; 3 the index was not written, or is\n"
    "missing or unreadable, or a FILE cannot be read; 4 the output could not be\n"
    "written; 128 + N stopped by signal N. See man quobbin.\n";

const char tryHelp[] = "Try 'quobbin --help'.\n";

int outputError = 0;  // errno of the first write to stdout that failed

CommandLine misuse(const std::string& what) {
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

std::string namedPrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    return prefix != nullptr ? prefix : "";
}

// Without the prefix it names, the program would take Wine for missing and use a drive c: of
// its own, where no Poser folder is set: the mistake would go untold.
bool isNamedPrefixMissing() {
    const std::string prefix = namedPrefix();
    return !prefix.empty() && pathKind(prefix) != PathKind::Folder;
}

int tellPrefixMissing() {
    return complain(exitNotFound, "the Wine prefix " + namedPrefix() + " does not exist");
}

int runCommand(const CommandLine& commandLine) {
    switch (commandLine.command) {
        case CommandLine::Command::Help:
            writeOut(usage);
            return exitDone;
        case CommandLine::Command::Version:
            printLine(stdout, "quobbin " QUOBBIN_RELEASE);
            return exitDone;
        case CommandLine::Command::Misuse:
            std::fprintf(stderr, "quobbin: %s\n%s", commandLine.misuse.c_str(), tryHelp);
            return exitMisuse;
        case CommandLine::Command::Update:
            return isNamedPrefixMissing() ? tellPrefixMissing() : updateFromCommandLine();
        case CommandLine::Command::Lookup:
            return isNamedPrefixMissing()
                       ? tellPrefixMissing()
                       : lookUpFromCommandLine(commandLine.name, commandLine.countOnly);
        case CommandLine::Command::Check:
            return isNamedPrefixMissing()
                       ? tellPrefixMissing()
                       : checkFromCommandLine(commandLine.files, commandLine.fix);
        case CommandLine::Command::Window:
            break;
    }
    return exitMisuse;  // the window is main's to open
}

bool isLookupOption(std::string_view argument) {
    return argument == "--lookup" || argument.starts_with("--lookup=");
}

}  // namespace

// As getopt_long does it: the argument after --lookup, or after its "=", is the name, whatever
// it looks like; --help and --version answer at once.
CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    bool update = false;
    bool lookup = false;
    bool count = false;
    bool check = false;
    bool fix = false;
    bool chooseScene = false;
    std::string name;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
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
        } else if (argument == "--check" && !check) {
            check = true;
        } else if (argument == "--fix" && !fix) {
            fix = true;
        } else if (argument == "--check-window" && !chooseScene) {
            chooseScene = true;  // for the window to ask which file to check
        } else if (!argument.starts_with("-")) {
            files.emplace_back(argument);  // with --check, or for the window to check
        } else if (isLookupOption(argument) && !lookup) {
            const std::string_view given =
                argument == "--lookup"
                    ? (++i < arguments.size() ? std::string_view(arguments[i]) : std::string_view())
                    : argument.substr(argument.find('=') + 1);
            if (given.empty()) {
                return misuse("--lookup needs the NAME to look up");
            }
            lookup = true;
            name = given;
        } else {
            return misuse("unknown or repeated argument: " + std::string(argument));
        }
    }
    if (chooseScene && (update || lookup || check || fix || count || !files.empty())) {
        return misuse("--check-window goes alone");
    }
    if (int(update) + int(lookup) + int(check) > 1) {
        return misuse("--update, --lookup and --check go one at a time");
    }
    if (check && files.empty()) {
        return misuse("--check needs the FILE to check");
    }
    if ((update || lookup) && !files.empty()) {
        return misuse("unknown or repeated argument: " + files.front());
    }
    if (fix && !check) {
        return misuse("--fix goes with --check FILE");
    }
    if (count && !lookup) {
        return misuse("--count goes with --lookup NAME");
    }
    CommandLine line = asking(update   ? CommandLine::Command::Update
                              : lookup ? CommandLine::Command::Lookup
                              : check  ? CommandLine::Command::Check
                                       : CommandLine::Command::Window);
    line.name = name;
    line.countOnly = count;
    line.files = std::move(files);
    line.fix = fix;
    return line;
}

// A full disk or a closed stdout is no success. A reader that went away needs no telling, as
// grep does not tell it.
int runCommandLine(const CommandLine& commandLine) {
    const int status = runCommand(commandLine);
    if (outputError == 0 && std::fflush(stdout) != 0) {
        outputError = errno;
    }
    if (outputError == 0) {
        return status;
    }
    if (outputError != EPIPE) {
        complain(exitOutputFailed,
                 std::string("the output could not be written: ") + std::strerror(outputError));
    }
    return exitOutputFailed;
}

void writeOut(std::string_view bytes) {
    // An empty view may hold no data at all, which fwrite must not be given.
    if (outputError == 0 && !bytes.empty() &&
        std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        outputError = errno;
    }
}

void printLine(std::FILE* stream, std::string_view text) {
    const std::string line = std::string(text) + '\n';
    if (stream == stdout) {
        writeOut(line);
    } else {
        std::fwrite(line.data(), 1, line.size(), stream);
    }
}

int complain(int status, std::string_view what) {
    printLine(stderr, "quobbin: " + std::string(what));
    return status;
}

int complainOfIndex(IndexSearch search) {
    if (search == IndexSearch::NoIndex) {
        return complain(exitIndexFailed, "there is no index " + indexFilePath +
                                             " yet: make one with quobbin --update");
    }
    return complain(exitIndexFailed, "the index " + indexFilePath + " cannot be read");
}
