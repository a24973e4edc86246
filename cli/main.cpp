#include "cli/command_line.h"
#include "cli/no_display.h"
#include "cli/window_program.h"
#include "system/standard_streams.h"

int main(int argc, char* argv[]) {
    keepStandardStreamsTaken();
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.command != CommandLine::Command::Window) {
        return runCommandLine(commandLine);
    }
    return isDisplayNamed() ? startWindowProgram(argv) : explainNoDisplay();
}
