#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "app/form1.h"
#include "platform/drive_list_box.h"
#include "platform/folder_list_box.h"
#include "setup/form2.h"
#include "setup/poser_folder_name.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

using Answers = QList<QMessageBox::StandardButton>;

namespace {

const QString notPoser = QStringLiteral(
    "ERROR: Poser Directory not found.\r\nPlease OPEN your Poser Directory to continue.");
const QString alreadySet = QStringLiteral("Poser is already SET.\r\nDo you want to Overwrite it?");

// A started program whose current folder is the root of drive c:, holding the folders given,
// with a drive q: that is not ready (a disk drive without its disk).
struct Program {
    explicit Program(const QStringList& folders = {}, const QByteArray& settings = {}) {
        for (const QString& folder : folders) {
            prefix.makeFolder(folder);
        }
        prefix.writeFile(QStringLiteral("ol/zz"), settings);
        prefix.linkDrive(u'q', prefix.folder() + QStringLiteral("/no such disk"));
        QDir::setCurrent(prefix.driveC());
        form1.emplace();
        form1->Form_Load();
    }
    ~Program() { QDir::setCurrent(previousFolder); }

    QByteArray settings() const {
        QFile file(prefix.driveC() + QStringLiteral("/ol/zz"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // "Set", as the user presses it.
    Form2* pressSet() {
        QTest::mouseClick(form1->Command4, Qt::LeftButton);
        return form1->findChild<Form2*>();
    }

    QString previousFolder = QDir::currentPath();
    TestPrefix prefix;
    std::optional<Form1> form1;
};

// Where a user clicks an entry of the folder list; outside the list when there is none.
QPoint entryAt(const FolderListBox* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? QPoint(-1, -1) : list->visualItemRect(found.first()).center();
}

void click(FolderListBox* list, const QString& text) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entryAt(list, text));
}

void doubleClick(FolderListBox* list, const QString& text) {
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entryAt(list, text));
}

QStringList entries(const FolderListBox* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts.append(list->item(row)->text());
    }
    return texts;
}

}  // namespace

class PoserFolderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void testsTheFolderOwnName_data();
    void testsTheFolderOwnName();
    void setPoserStoresTheOpenFolder_data();
    void setPoserStoresTheOpenFolder();
    void setPoserWhereSettingsCannotBeWritten_data();
    void setPoserWhereSettingsCannotBeWritten();
    void highlightedFolderIsNotTheOneTested();
    void opensEntries_data();
    void opensEntries();
    void loadsTheStoredFolder_data();
    void loadsTheStoredFolder();
    void picksDrives_data();
    void picksDrives();
    void showsAgain_data();
    void showsAgain();
};

void PoserFolderDialogTest::testsTheFolderOwnName_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a drive's root has an empty own name") << "C:\\" << false;
    QTest::newRow("Poser 5") << "C:\\Programs\\Poser 5" << true;
    QTest::newRow("MyPoser") << "D:\\MyPoser" << true;
    QTest::newRow("POSER, letter case ignored") << "C:\\POSER" << true;
    QTest::newRow("Runtime under a Poser folder") << "C:\\Poser 5\\Runtime" << false;
    QTest::newRow("a text without a backslash is taken whole") << "Poser" << true;
    QTest::newRow("no folder open") << "" << false;
}

void PoserFolderDialogTest::testsTheFolderOwnName() {
    QFETCH(QString, folder);
    QFETCH(bool, accepted);
    QCOMPARE(isPoserFolderName(folder), accepted);
}

void PoserFolderDialogTest::setPoserStoresTheOpenFolder_data() {
    QTest::addColumn<QByteArray>("storedBefore");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("storedAfter");
    QTest::addColumn<QString>("poserDirAfter");

    const QByteArray old = "C:\\Old Poser\r\nanother line\r\n";
    QTest::newRow("the first store asks nothing")
        << QByteArray() << "Poser 5" << Answers{} << QStringList{} << QByteArray("C:\\Poser 5\r\n")
        << "C:\\Poser 5";
    QTest::newRow("five bytes hold no folder: no question")
        << QByteArray("abc\r\n") << "MyPoser" << Answers{} << QStringList{}
        << QByteArray("C:\\MyPoser\r\n") << "C:\\MyPoser";
    QTest::newRow("Yes overwrites, leaving exactly the new line")
        << old << "Poser 5" << Answers{QMessageBox::Yes} << QStringList{alreadySet}
        << QByteArray("C:\\Poser 5\r\n") << "C:\\Poser 5";
    QTest::newRow("No leaves everything as it was")
        << old << "Poser 5" << Answers{QMessageBox::No} << QStringList{alreadySet} << old
        << "C:\\Old Poser";
    QTest::newRow("a folder not named Poser is refused")
        << old << "Runtime" << Answers{} << QStringList{notPoser} << old << "C:\\Old Poser";
}

void PoserFolderDialogTest::setPoserStoresTheOpenFolder() {
    QFETCH(QByteArray, storedBefore);
    QFETCH(QString, opened);
    QFETCH(Answers, answers);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, storedAfter);
    QFETCH(QString, poserDirAfter);
    Program program({"Poser 5", "MyPoser", "Runtime"}, storedBefore);
    Form2* dialog = program.pressSet();
    doubleClick(dialog->Dir1, opened);

    MessageBoxAnswerer answerer(answers);
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(answerer.texts(), boxes);
    QCOMPARE(program.settings(), storedAfter);
    QCOMPARE(program.form1->PoserDir, poserDirAfter);
    QCOMPARE(dialog->isHidden(), storedAfter != storedBefore);
}

void PoserFolderDialogTest::setPoserWhereSettingsCannotBeWritten_data() {
    QTest::addColumn<bool>("dataFolderIsAFile");

    QTest::newRow("c:\\ol is missing") << false;
    QTest::newRow("c:\\ol is a file") << true;
}

void PoserFolderDialogTest::setPoserWhereSettingsCannotBeWritten() {
    QFETCH(bool, dataFolderIsAFile);
    Program program({"Poser 5"});
    QDir(program.prefix.driveC() + QStringLiteral("/ol")).removeRecursively();
    if (dataFolderIsAFile) {
        program.prefix.writeFile(QStringLiteral("ol"), "not a folder");
    }
    Form2* dialog = program.pressSet();
    doubleClick(dialog->Dir1, QStringLiteral("Poser 5"));

    MessageBoxAnswerer answerer;
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{"The settings file c:\\ol\\zz cannot be written.\r\n"
                                           "Your Poser folder was not set."});
    QCOMPARE(program.form1->PoserDir, QString());
    QVERIFY(!QFile::exists(program.prefix.driveC() + QStringLiteral("/ol/zz")));
    QVERIFY(dialog->isVisible());
}

void PoserFolderDialogTest::highlightedFolderIsNotTheOneTested() {
    Program program({"Poser 5"});
    Form2* dialog = program.pressSet();
    click(dialog->Dir1, QStringLiteral("Poser 5"));
    QCOMPARE(dialog->Dir1->currentItem()->text(), QStringLiteral("Poser 5"));

    MessageBoxAnswerer answerer;
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{notPoser});
    QCOMPARE(program.settings(), QByteArray());
}

void PoserFolderDialogTest::opensEntries_data() {
    QTest::addColumn<QString>("startAt");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<bool>("removedMeanwhile");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("a double click opens a subfolder")
        << "C:\\"
        << "Poser 5" << false << false << "C:\\Poser 5"
        << QStringList{"C:\\", "Poser 5", "Runtime", "Textures"} << QStringList{};
    QTest::newRow("Enter opens the highlighted subfolder and presses no button")
        << "C:\\"
        << "Poser 5" << true << false << "C:\\Poser 5"
        << QStringList{"C:\\", "Poser 5", "Runtime", "Textures"} << QStringList{};
    QTest::newRow("a double click on an ancestor opens it")
        << "C:\\Poser 5\\Runtime"
        << "Poser 5" << false << false << "C:\\Poser 5"
        << QStringList{"C:\\", "Poser 5", "Runtime", "Textures"} << QStringList{};
    QTest::newRow("a double click on the root opens it")
        << "C:\\Poser 5"
        << "C:\\" << false << false << "C:\\" << QStringList{"C:\\", "ol", "Poser 5"}
        << QStringList{};
    QTest::newRow("a folder removed since it was listed is dropped from the list")
        << "C:\\Poser 5"
        << "Textures" << false << true << "C:\\Poser 5" << QStringList{"C:\\", "Poser 5", "Runtime"}
        << QStringList{"This folder cannot be opened:\r\nC:\\Poser 5\\Textures"};
}

void PoserFolderDialogTest::opensEntries() {
    QFETCH(QString, startAt);
    QFETCH(QString, entryText);
    QFETCH(bool, byEnter);
    QFETCH(bool, removedMeanwhile);
    QFETCH(QString, path);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    Program program({"Poser 5/Runtime", "Poser 5/Textures"});
    Form2* dialog = program.pressSet();
    QVERIFY(dialog->Dir1->setPath(startAt));
    if (removedMeanwhile) {
        QDir(program.prefix.driveC() + QStringLiteral("/Poser 5/Textures")).removeRecursively();
    }

    MessageBoxAnswerer answerer;
    if (byEnter) {
        click(dialog->Dir1, entryText);
        QTest::keyClick(dialog->Dir1, Qt::Key_Return);
    } else {
        doubleClick(dialog->Dir1, entryText);
    }
    QCOMPARE(dialog->Dir1->Path(), path);
    QCOMPARE(entries(dialog->Dir1), shown);
    const QString openFolderEntry = path.endsWith(u'\\') ? path : path.section(u'\\', -1);
    QCOMPARE(dialog->Dir1->currentItem()->text(), openFolderEntry);
    QCOMPARE(answerer.texts(), boxes);
    QCOMPARE(program.settings(), QByteArray());
    QVERIFY(dialog->isVisible());
}

void PoserFolderDialogTest::loadsTheStoredFolder_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("path");

    QTest::newRow("the stored folder") << QByteArray("C:\\Poser 5\r\n") << "C:\\Poser 5";
    QTest::newRow("a stored folder that is gone: the current folder")
        << QByteArray("C:\\Poser 4\r\n") << "C:\\";
    QTest::newRow("a stored folder on a drive that is not ready: the current folder")
        << QByteArray("Q:\\Poser\r\n") << "C:\\";
    QTest::newRow("five bytes hold no folder") << QByteArray("Z:\\\r\n") << "C:\\";
}

void PoserFolderDialogTest::loadsTheStoredFolder() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, path);
    Program program({"Poser 5"}, stored);
    Form2* dialog = program.pressSet();
    QCOMPARE(dialog->Dir1->Path(), path);
    QCOMPARE(dialog->Drive1->Drive(), QStringLiteral("c:"));
    QCOMPARE(dialog->nl, QStringLiteral("\r\n"));
}

void PoserFolderDialogTest::picksDrives_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("a drive opens at its current folder") << "z"
                                                         << "z:"
                                                         << "Z:\\" << QStringList{};
    QTest::newRow("a drive that is not ready: a message, and back to the previous drive")
        << "q"
        << "c:"
        << "C:\\Poser 5" << QStringList{"Drive q: is not ready."};
}

void PoserFolderDialogTest::picksDrives() {
    QFETCH(QString, typed);
    QFETCH(QString, drive);
    QFETCH(QString, path);
    QFETCH(QStringList, boxes);
    Program program({"Poser 5"});
    Form2* dialog = program.pressSet();
    doubleClick(dialog->Dir1, QStringLiteral("Poser 5"));

    MessageBoxAnswerer answerer;
    QTest::keyClicks(dialog->Drive1, typed);  // the drive's letter picks it
    QCOMPARE(answerer.texts(), boxes);
    QCOMPARE(dialog->Drive1->Drive(), drive);
    QCOMPARE(dialog->Dir1->Path(), path);
}

void PoserFolderDialogTest::showsAgain_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::addColumn<QString>("path");

    QTest::newRow("Cancel keeps the dialog and the folder last opened") << false << "C:\\Poser 5";
    QTest::newRow("the close box destroys it: the next Set loads the stored folder")
        << true << "C:\\Stored Poser";
}

void PoserFolderDialogTest::showsAgain() {
    QFETCH(bool, byCloseBox);
    QFETCH(QString, path);
    Program program({"Poser 5", "Stored Poser"}, "C:\\Stored Poser\r\n");
    QPointer<Form2> first = program.pressSet();
    doubleClick(first->Dir1, QStringLiteral("C:\\"));
    doubleClick(first->Dir1, QStringLiteral("Poser 5"));
    if (byCloseBox) {
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    } else {
        QTest::mouseClick(first->Command2, Qt::LeftButton);
        QVERIFY(first->isHidden());
    }

    Form2* again = program.pressSet();
    QCOMPARE(again == first.data(), !byCloseBox);
    QCOMPARE(program.form1->findChildren<Form2*>().size(), 1);
    QVERIFY(again->isVisible());
    QCOMPARE(again->Dir1->Path(), path);
    QCOMPARE(program.settings(), QByteArray("C:\\Stored Poser\r\n"));
    QCOMPARE(program.form1->PoserDir, QStringLiteral("C:\\Stored Poser"));
}

QTEST_MAIN(PoserFolderDialogTest)
#include "poser_folder_dialog_test.moc"
