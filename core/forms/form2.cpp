#include "core/forms/form2.h"

#include "core/drives/data_files.h"
#include "core/forms/form1.h"
#include "core/forms/program_title.h"
#include "core/settings/settings_file.h"
#include "core/text/letter_case.h"

Form2::Form2(Form1& form1, Form2Host& host)
    : Caption(programTitle),
      Label1("Please Open your Poser Folder"),
      Drive1(form1.drives),
      Dir1(form1.drives),
      Command1("Set Poser"),
      Command2("Cancel"),
      form1(form1),
      host(host) {
    Form_Load();
}

void Form2::Form_Load() {
    nl = "\r\n";
    chosenDrive = Drive1.Drive();
    // A stored folder that is gone, or on a drive that is not ready, leaves the list at the
    // current folder, where a user can still open Poser's folder.
    if (const std::optional<std::string> stored = settingsFileOf(form1.drives).storedFolder()) {
        Dir1.setPath(*stored);
    }
}

void Form2::Drive1_Change() {
    if (Dir1.setPath(Drive1.Drive())) {
        chosenDrive = Drive1.Drive();
        return;
    }
    host.MsgBox("Drive " + Drive1.Drive() + " is not ready.", MsgBoxButtons::OkOnly);
    Drive1.setText(chosenDrive);
}

void Form2::Command1_Click() {
    const std::string P = Dir1.Path();
    if (!isPoserFolderName(P)) {
        host.MsgBox("ERROR: Poser Directory not found." + nl +
                        "Please OPEN your Poser Directory to continue.",
                    MsgBoxButtons::OkOnly);
        return;
    }
    const SettingsFile settings = settingsFileOf(form1.drives);
    const std::optional<std::uint64_t> length = settings.ensureAndMeasure();
    const std::string notStored = "The settings file " + settingsFilePath + " cannot be written." +
                                  nl + "Your Poser folder was not set.";
    if (!length) {
        host.MsgBox(notStored, MsgBoxButtons::OkOnly);
        return;
    }
    if (SettingsFile::holdsFolder(*length) &&
        host.MsgBox("Poser is already SET." + nl + "Do you want to Overwrite it?",
                    MsgBoxButtons::YesNo) == vbNo) {
        return;
    }
    // `PoserDir` changes only together with the stored file.
    if (!settings.write(P)) {
        host.MsgBox(notStored, MsgBoxButtons::OkOnly);
        return;
    }
    form1.PoserDir = P;
    host.Hide();
}

void Form2::Command2_Click() {
    host.Hide();
}

bool isPoserFolderName(std::string_view folder) {
    const std::size_t separator = folder.rfind('\\');
    std::string ownName;
    appendLowerCaseUtf8(ownName,
                        folder.substr(separator == std::string_view::npos ? 0 : separator + 1));
    return ownName.find("poser") != std::string::npos;
}
