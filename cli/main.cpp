#include "cli/command_line.h"
#include "cli/no_display.h"
#include "cli/window_program.h"
#include "system/program_start.h"
#include "system/standard_streams.h"

int main(int argc, char* argv[]) {
    keepStandardStreamsTaken();
    const std::vector<std::string> arguments = programArguments(argc, argv);
    const CommandLine commandLine = readCommandLine(arguments);
    if (commandLine.command != CommandLine::Command::Window) {
        return runCommandLine(commandLine);
    }
    return isDisplayNamed() ? startWindowProgram(arguments) : explainNoDisplay();
}
