#include "core/forms/form1.h"

#include "core/drives/data_files.h"
#include "core/forms/program_title.h"
#include "core/settings/settings_file.h"

Form1::Form1(FormHost& host)
    : drives(Drives::ofSystem()),
      Caption(programTitle + "  " + programVersion),
      Label2("<-- Click to Paste FileName"),
      Command9("1"),
      Command6("2"),
      Command10("3"),
      Command11("4"),
      Command12("5"),
      Command3("Clear"),
      Command4("Set"),
      Command5("Update"),
      Command7("?"),
      Check1("Multi-task"),
      Label3("Quobbin"),
      Label1("Copyright \u00A9 2026 The Quobbin developers"),
      host(host),
      scan(drives) {}

void Form1::Form_Load() {
    // A step that fails is skipped and the next one runs, silently.
    makeDataFolder(drives);
    // Empty unless the settings file holds a folder, whether or not that folder exists.
    PoserDir = settingsFileOf(drives).storedFolder().value_or("");
    for (Control* number : numberButtons()) {
        number->setVisible(false);
    }
    nl = "\r\n";
}

void Form1::Form_Unload() {
    ending = true;
    host.End();
}

void Form1::Command4_Click() {
    host.showPoserFolderDialog();
}

void Form1::Command7_Click() {
    host.showHelp();
}

std::array<Control*, 5> Form1::numberButtons() {
    return {&Command9, &Command6, &Command10, &Command11, &Command12};
}

std::array<std::string*, 5> Form1::storedPaths() {
    return {&hit1, &hit2, &hit3, &hit4, &hit5};
}

std::string errorMessage(const std::string& nl, const std::string& what,
                         const std::string& detail) {
    return "ERROR: " + nl + nl + what + nl + detail;
}
