#include <cstdint>

#include "core/drives/data_files.h"
#include "core/drives/drive_paths.h"
#include "core/forms/form1.h"
#include "core/lookup/file_lookup.h"
#include "core/text/letter_case.h"

namespace {

// The look-up box holds one line: many programs copy a name with a line end after it, LF or
// CR LF (or a lone CR).
std::string firstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

// A one-line text box holds at most 32,767 UTF-16 units, as on the desktop this program comes
// from: a longer text is cut there, a character never split.
constexpr std::size_t textBoxUnits = 32767;

std::string fitToTextBox(const std::string& utf8) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = std::uint8_t(utf8[at]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // within a character
        }
        units += byte >= 0xF0 ? 2 : 1;  // past the first plane: a surrogate pair
        if (units > textBoxUnits) {
            return utf8.substr(0, at);
        }
    }
    return utf8;
}

}  // namespace

void Form1::Text2_Click() {
    const std::array<std::string*, 5> storedHits = storedPaths();
    const std::array<Control*, 5> numberButton = numberButtons();
    Text1.setText({});
    Text2.setText({});
    hits = 0;
    for (std::string* hit : storedHits) {
        hit->clear();
    }
    // One read of the clipboard serves both steps that take its text: a clipboard owner that
    // does not answer then holds the window up once, not twice. What follows a line end
    // decides nothing, the comparison mode included.
    const std::string pasted = firstLine(host.clipboardText());
    Text2.setText(fitToTextBox(pasted));
    cliptext = pasted;
    lookname.clear();
    appendLowerCaseUtf8(lookname, Text2.text());
    const FileNameMatch wanted(lookname, compareModeFor(cliptext));

    // The results box is filled once at the end: laying it out per match would freeze the
    // window when a common base name matches thousands of lines.
    std::string results;
    const IndexSearch search = lookUpFile(drives, wanted, [&](std::string_view path) {
        ++hits;
        results.append("(").append(std::to_string(hits)).append(") ").append(path).append(nl);
        if (hits <= std::ptrdiff_t(storedHits.size())) {
            storedHits[std::size_t(hits - 1)]->assign(path);
            numberButton[std::size_t(hits - 1)]->setVisible(true);
        }
    });
    if (search != IndexSearch::Searched) {
        host.MsgBox(search == IndexSearch::NoIndex
                        ? errorMessage(nl, "No index of your Poser Files yet!",
                                       "Please press \"Update\" to make one.")
                        : errorMessage(nl, "Index file could not be read!", indexFilePath),
                    MsgBoxButtons::OkOnly);
        return;
    }

    if (hits == 1) {
        Command9.setVisible(false);
        host.clearClipboard();
        if (isDrivePath(hit1)) {
            host.setClipboardText(hit1);
            results += nl + "#1 already selected:  Paste info to Poser dialog box.";
        } else {
            results += nl + "Copy NOT completed: Not a valid path.";
        }
    } else if (hits > 1) {
        results += nl + "Choose a number to copy: Paste info to Poser dialog box.";
    } else {
        host.MsgBox(Text2.text() + " does not exist:  Was deleted or not installed." + nl +
                        "If this is a missing file from a newly install model, please update "
                        "Quobbin again.",
                    MsgBoxButtons::OkOnly);
        Text2.setText({});
    }
    Text1.setText(std::move(results));
}
