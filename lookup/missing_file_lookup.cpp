#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/data_files.h"
#include "app/form1.h"
#include "lookup/drive_path_rule.h"
#include "lookup/file_name_match.h"
#include "platform/click_text_box.h"
#include "platform/clipboard.h"
#include "platform/letter_case.h"
#include "platform/message_box.h"
#include "platform/text_lines.h"

namespace {

constexpr qsizetype numberButtons = 5;

// A folder or a pipe at the index's place is no index either.
bool openIndex(LineReader& index, const WineDrives& drives) {
    const std::optional<ResolvedPath> indexFile = drives.resolve(indexFilePath);
    return indexFile && QFileInfo(indexFile->hostPath).isFile() && index.open(indexFile->hostPath);
}

QString listedLine(QByteArrayView indexLine) {
    return QString::fromUtf8(toLowerSimpleUtf8(indexLine));
}

}  // namespace

void Form1::Text2_Click() {
    QString* const storedHits[numberButtons] = {&hit1, &hit2, &hit3, &hit4, &hit5};
    QPushButton* const numberButton[numberButtons] = {Command9, Command6, Command10, Command11,
                                                      Command12};
    Text1->setPlainText(QString());
    Text2->setText(QString());
    hits = 0;
    for (QString* hit : storedHits) {
        hit->clear();
    }
    Text2->setText(clipboardText());
    cliptext = clipboardText();
    lookname = toLowerSimple(Text2->text());
    const FileNameMatch wanted(lookname, compareModeFor(cliptext));

    LineReader index;
    if (!openIndex(index, drives)) {
        MsgBoxOk(this, QStringLiteral("ERROR: ") + nl + nl +
                           QStringLiteral("No index of your Poser Files yet!") + nl +
                           QStringLiteral("Please press \"Update\" to make one."));
        return;
    }
    // A scan letting events run may be writing the index now; its last line may be half made.
    index.setWholeLinesOnly(scanning);
    // The results box is filled once at the end: laying it out per match would freeze the
    // window when a common base name matches thousands of lines.
    QString results;
    QByteArrayView line;
    while (index.readLine(line)) {
        if (!wanted.matches(line)) {
            continue;
        }
        const QString path = listedLine(line);
        ++hits;
        results += u'(' + QString::number(hits) + QStringLiteral(") ") + path + nl;
        if (hits <= numberButtons) {
            *storedHits[hits - 1] = path;
            numberButton[hits - 1]->setVisible(true);
        }
    }
    index.close();

    if (hits == 1) {
        Command9->setVisible(false);
        clearClipboard();
        if (isDrivePath(hit1)) {
            setClipboardText(hit1);
            results += nl + QStringLiteral("#1 already selected:  Paste info to Poser dialog box.");
        } else {
            results += nl + QStringLiteral("Copy NOT completed: Not a valid path.");
        }
    } else if (hits > 1) {
        results += nl + QStringLiteral("Choose a number to copy: Paste info to Poser dialog box.");
    } else {
        MsgBoxOk(this, Text2->text() +
                           QStringLiteral(" does not exist:  Was deleted or not installed.") + nl +
                           QStringLiteral("If this is a missing file from a newly install model, "
                                          "please update Quobbin again."));
        Text2->setText(QString());
    }
    Text1->setPlainText(results);
}
