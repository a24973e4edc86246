#include "core/forms/help_pages.h"

#include "core/forms/help_picture_texts.h"

void Form4::Command2_Click() {
    host.showPage(2);
    host.Hide();
}

void Form5::Command1_Click() {
    host.showPage(3);
    host.Hide();
}

std::string spokenCaptions(const HelpPictureTexts& picture) {
    std::string lines;
    for (std::size_t i = 0; i < picture.numbered.size(); ++i) {
        lines +=
            (i == 0 ? "" : "\n") + std::to_string(i + 1) + ". " + std::string(picture.numbered[i]);
    }
    if (!picture.note.empty()) {
        lines += (lines.empty() ? "" : "\n") + std::string(picture.note);
    }
    return lines;
}
