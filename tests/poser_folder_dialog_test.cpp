#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "app/form1_window.h"
#include "platform/drive_list_box.h"
#include "platform/folder_list_box.h"
#include "setup/form2.h"
#include "tests/support/message_boxes.h"
#include "tests/support/scoped_mount.h"
#include "tests/support/test_prefix.h"

using Answers = QList<QMessageBox::StandardButton>;

namespace {

// A started program whose current folder is the root of drive c:, which holds Poser 5\Textures,
// with a drive q: that is not ready (a disk drive without its disk).
struct Program {
    explicit Program(const QByteArray& settings) {
        prefix.makeFolder(QStringLiteral("Poser 5/Textures"));
        prefix.writeFile(QStringLiteral("ol/zz"), settings);
        prefix.linkDrive(u'q', prefix.folder() + QStringLiteral("/no such disk"));
        QDir::setCurrent(prefix.driveC());
        form1.emplace();
        form1->Form_Load();
    }
    ~Program() { QDir::setCurrent(previousFolder); }

    QByteArray settings() const {
        QFile file(prefix.driveC() + QStringLiteral("/ol/zz"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Form2Window* pressSet() {
        QTest::mouseClick(form1->Command4, Qt::LeftButton);
        return form1->findChild<Form2Window*>();
    }

    QString previousFolder = QDir::currentPath();
    TestPrefix prefix;
    std::optional<Form1Window> form1;
};

// Where a user clicks an entry of the folder list; outside the list when there is none.
QPoint entryAt(const FolderListBox* list, const QString& text) {
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       text, 1, Qt::MatchExactly);
    return found.isEmpty() ? QPoint(-1, -1) : list->visualRect(found.first()).center();
}

}  // namespace

class PoserFolderDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The user's steps, after "Set" first shows the dialog: "open" is a double click on a
    // folder list entry, "click" highlights one, "type" picks a drive by its letter; the others
    // press a button or a key, or change the disk under the dialog.
    void dialogFollowsTheUser_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("storedAfter");
        QTest::addColumn<QString>("path");

        const QByteArray old = "C:\\Old Poser\r\nanother line\r\n";
        const QByteArray poser5 = "C:\\Poser 5\r\n";
        const QStringList alreadySet{"Poser is already SET.\r\nDo you want to Overwrite it?"};
        const QStringList notStored{
            "The settings file c:\\ol\\zz cannot be written.\r\nYour Poser folder was not set."};
        QTest::newRow("the first store asks nothing")
            << QByteArray() << "open Poser 5, Set Poser" << Answers{} << QStringList{} << poser5
            << "C:\\Poser 5";
        QTest::newRow("Enter opens the highlighted folder and presses no button")
            << QByteArray() << "click Poser 5, Enter, Set Poser" << Answers{} << QStringList{}
            << poser5 << "C:\\Poser 5";
        QTest::newRow("Yes overwrites, leaving exactly the new line")
            << old << "open Poser 5, Set Poser" << Answers{QMessageBox::Yes} << alreadySet << poser5
            << "C:\\Poser 5";
        QTest::newRow("the same folder set again still asks")
            << QByteArray("C:\\Poser 5\n") << "Set Poser" << Answers{QMessageBox::Yes} << alreadySet
            << poser5 << "C:\\Poser 5";
        QTest::newRow("No leaves everything as it was")
            << old << "open Poser 5, Set Poser" << Answers{QMessageBox::No} << alreadySet << old
            << "C:\\Poser 5";
        QTest::newRow("a highlighted folder that is not opened is not the one tested")
            << old << "click Poser 5, Set Poser" << Answers{}
            << QStringList{"ERROR: Poser Directory not found.\r\n"
                           "Please OPEN your Poser Directory to continue."}
            << old << "C:\\";
        QTest::newRow("on a read-only disk, read but not written: nothing changes")
            << old << "c:\\ol read-only, open Poser 5, Set Poser" << Answers{QMessageBox::Yes}
            << alreadySet + notStored << old << "C:\\Poser 5";
        QTest::newRow("a stored folder that is gone: the current folder")
            << QByteArray("C:\\Poser 4\r\n") << "" << Answers{} << QStringList{}
            << QByteArray("C:\\Poser 4\r\n") << "C:\\";
        QTest::newRow("a stored folder on a drive that is not ready: the current folder")
            << QByteArray("Q:\\Poser\r\n") << "" << Answers{} << QStringList{}
            << QByteArray("Q:\\Poser\r\n") << "C:\\";
        QTest::newRow("a drive picked opens at its current folder")
            << poser5 << "type z" << Answers{} << QStringList{} << poser5 << "Z:\\";
        QTest::newRow("a drive that is not ready: a message, and back to the previous drive")
            << poser5 << "type q" << Answers{} << QStringList{"Drive q: is not ready."} << poser5
            << "C:\\Poser 5";
        QTest::newRow("a folder removed since it was listed: a message")
            << poser5 << "Textures removed, open Textures" << Answers{}
            << QStringList{"This folder cannot be opened:\r\nC:\\Poser 5\\Textures"} << poser5
            << "C:\\Poser 5";
        QTest::newRow("Cancel keeps the dialog and the folder last opened")
            << poser5 << "type z, Cancel, Set" << Answers{} << QStringList{} << poser5 << "Z:\\";
        QTest::newRow("the close box destroys it: the next Set loads the stored folder")
            << poser5 << "type z, close box, Set" << Answers{} << QStringList{} << poser5
            << "C:\\Poser 5";
    }

    // `PoserDir` is always the stored folder, the dialog hides once it has stored one, and the
    // drive list shows the drive of the open folder.
    void dialogFollowsTheUser() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, steps);
        QFETCH(Answers, answers);
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, storedAfter);
        QFETCH(QString, path);
        Program program(stored);
        QPointer<Form2Window> dialog = program.pressSet();

        MessageBoxAnswerer answerer(answers);
        std::optional<ScopedMount> readOnlyDisk;
        for (const QString& step : steps.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const QString named = step.section(u' ', 1);
            if (step.startsWith(QStringLiteral("open "))) {
                QTest::mouseDClick(dialog->Dir1->viewport(), Qt::LeftButton, {},
                                   entryAt(dialog->Dir1, named));
            } else if (step.startsWith(QStringLiteral("click "))) {
                QTest::mouseClick(dialog->Dir1->viewport(), Qt::LeftButton, {},
                                  entryAt(dialog->Dir1, named));
            } else if (step == QStringLiteral("Enter")) {
                QTest::keyClick(dialog->Dir1, Qt::Key_Return);
            } else if (step.startsWith(QStringLiteral("type "))) {
                QTest::keyClicks(dialog->Drive1, named);
            } else if (step == QStringLiteral("Set Poser")) {
                QTest::mouseClick(dialog->Command1, Qt::LeftButton);
            } else if (step == QStringLiteral("Cancel")) {
                QTest::mouseClick(dialog->Command2, Qt::LeftButton);
            } else if (step == QStringLiteral("close box")) {
                dialog->close();
            } else if (step == QStringLiteral("Set")) {
                QVERIFY(!dialog || dialog->isHidden());
                dialog = program.pressSet();
            } else if (step == QStringLiteral("Textures removed")) {
                QVERIFY(QDir(program.prefix.driveC() + QStringLiteral("/Poser 5/Textures"))
                            .removeRecursively());
            } else {
                // A read-only disk: permission bits do not stop root.
                QCOMPARE(step, QStringLiteral("c:\\ol read-only"));
                readOnlyDisk.emplace(program.prefix.driveC() + QStringLiteral("/ol"), "size=64k");
                program.prefix.writeFile(QStringLiteral("ol/zz"), stored);
                if (!readOnlyDisk->mounted() || !readOnlyDisk->makeReadOnly()) {
                    QSKIP(ScopedMount::cannotMount);
                }
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(answerer.texts(), boxes);
        QCOMPARE(program.settings(), storedAfter);
        QCOMPARE(QString::fromStdString(program.form1->form1.PoserDir),
                 QString(storedAfter).section(u'\r', 0, 0));
        QCOMPARE(program.form1->findChildren<Form2Window*>(), QList<Form2Window*>{dialog});
        QCOMPARE(dialog->windowType(), Qt::Dialog);  // kept with the main window
        QCOMPARE(dialog->isHidden(), storedAfter != stored);
        QCOMPARE(dialog->Dir1->Path(), path);
        QCOMPARE(dialog->Drive1->Drive(), path.left(2).toLower());
    }

    // Wherever the widest name stands among the subfolders, scrolling sideways shows it whole.
    void everyNameFitsItsRow() {
        Program program({});
        const QString wide(60, u'W');
        for (const QString& name : {QStringLiteral("A"), wide, QStringLiteral("Z")}) {
            program.prefix.makeFolder(QStringLiteral("Poser 5/Textures/") + name);
        }
        FolderListBox* list = program.pressSet()->Dir1;
        QVERIFY(list->setPath(QStringLiteral("C:\\Poser 5\\Textures")));
        const QRect row = list->visualRect(list->indexAt(entryAt(list, wide)));
        QCOMPARE_GT(row.width(), QFontMetrics(list->font()).horizontalAdvance(wide));
    }
};

QTEST_MAIN(PoserFolderDialogTest)
#include "poser_folder_dialog_test.moc"
