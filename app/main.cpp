#include "app/command_line.h"
#include "app/no_display.h"
#include "app/window_program.h"
#include "system/standard_streams.h"

int main(int argc, char* argv[]) {
    keepStandardStreamsTaken();
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.command != CommandLine::Command::Window) {
        return runCommandLine(commandLine, argc, argv);
    }
    return isDisplayNamed() ? startWindowProgram(argv) : explainNoDisplay();
}
