#include <QPushButton>
#include <algorithm>
#include <utility>

#include "app/form1.h"
#include "core/drives/data_files.h"
#include "core/lookup/file_lookup.h"
#include "lookup/drive_path_rule.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/letter_case.h"
#include "platform/message_box.h"
#include "platform/results_box.h"

namespace {

// The look-up box holds one line: many programs copy a name with a line end after it, LF or
// CR LF (or a lone CR).
QString firstLine(const QString& text) {
    const auto lineEnd =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; });
    return text.first(lineEnd - text.cbegin());
}

}  // namespace

void Form1::Text2_Click() {
    const std::array<QString*, 5> storedHits = storedPaths();
    const std::array<QPushButton*, 5> numberButton = numberButtons();
    Text1->setPlainText(QString());
    Text2->setText(QString());
    hits = 0;
    for (QString* hit : storedHits) {
        hit->clear();
    }
    // One read of the clipboard serves both steps that take its text: a clipboard owner that
    // does not answer then holds the window up once, not twice. What follows a line end
    // decides nothing, the comparison mode included.
    const QString pasted = firstLine(clipboardText());
    Text2->setText(pasted);
    cliptext = pasted;
    lookname = toLowerSimple(Text2->text());

    // The results box is filled once at the end: laying it out per match would freeze the
    // window when a common base name matches thousands of lines. Held as UTF-8, a million
    // matches take half the memory they would as text.
    const QByteArray lineEnd = nl.toUtf8();
    QByteArray results;
    const IndexSearch search =
        lookUpFile(drives, cliptext.toStdString(), [&](std::string_view line) {
            const QByteArray path(line.data(), qsizetype(line.size()));
            ++hits;
            results += '(' + QByteArray::number(hits) + ") " + path + lineEnd;
            if (hits <= qsizetype(storedHits.size())) {
                *storedHits[hits - 1] = QString::fromUtf8(path);
                numberButton[hits - 1]->setVisible(true);
            }
        });
    if (search != IndexSearch::Searched) {
        MsgBoxOk(this, search == IndexSearch::NoIndex
                           ? errorMessage(nl, QStringLiteral("No index of your Poser Files yet!"),
                                          QStringLiteral("Please press \"Update\" to make one."))
                           : errorMessage(nl, QStringLiteral("Index file could not be read!"),
                                          QString::fromStdString(indexFilePath)));
        return;
    }

    if (hits == 1) {
        Command9->setVisible(false);
        clearClipboard();
        if (isDrivePath(hit1)) {
            setClipboardText(hit1);
            results += lineEnd + "#1 already selected:  Paste info to Poser dialog box.";
        } else {
            results += lineEnd + "Copy NOT completed: Not a valid path.";
        }
    } else if (hits > 1) {
        results += lineEnd + "Choose a number to copy: Paste info to Poser dialog box.";
    } else {
        MsgBoxOk(this, Text2->text() +
                           QStringLiteral(" does not exist:  Was deleted or not installed.") + nl +
                           QStringLiteral("If this is a missing file from a newly install model, "
                                          "please update Quobbin again."));
        Text2->setText(QString());
    }
    Text1->setPlainTextUtf8(std::move(results));
}
