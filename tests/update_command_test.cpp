#include <csignal>
#include <optional>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "platform/click_text_box.h"
#include "platform/quit_signals.h"
#include "system/file_replacement.h"
#include "tests/support/during_scan.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"
#include "tests/support/scoped_mount.h"

namespace {

const QString question = QStringLiteral("Do you want to UPDATE your Poser Files?");
const QString startCaption = QStringLiteral("Poser Quobbin  8.00");
const QString working = QStringLiteral("Poser Quobbin  -  Working...");
const QString waiting = QStringLiteral("Poser Quobbin  -  Waiting for another Update...");
const QByteArray oldIndex = "C:\\Old\\a line longer than the new index.obj\r\n";
const QByteArray newIndex = "C:\\Poser\\Runtime\\x.obj\r\n";
const QString notWritten = "ERROR: \r\n\r\nIndex file could not be written!\r\nc:\\ol\\oz";

// The caption, then "Set" and "Update" where enabled.
QString stateOf(const Form1Window& form) {
    return form.windowTitle() + (form.Command4->isEnabled() ? " | Set" : "") +
           (form.Command5->isEnabled() ? " | Update" : "");
}

}  // namespace

class UpdateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void update_data();
    void update();
    void letsEventsRunWhileMultiTaskIsTicked();
};

void UpdateCommandTest::update_data() {
    QTest::addColumn<QString>("fault");  // the answer, or what happens before answering Yes
    QTest::addColumn<QString>("poserDir");
    QTest::addColumn<QString>("error");  // shown after the question
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("index");

    const QString poser = QStringLiteral("C:\\Poser");
    const QString gone = QStringLiteral("C:\\Gone Poser");
    const QString notFound = "ERROR: \r\n\r\nPoser Directory not found!\r\n" + gone +
                             "\r\nPlease SET the Poser Directory you wish to use.";
    QTest::newRow("No: nothing changes") << "No" << poser << QString() << startCaption << oldIndex;
    QTest::newRow("Yes, no Poser folder set: the error only")
        << "Yes" << QString()
        << "ERROR: \r\n\r\nPoser Directory not set!\r\n"
           "Please SET the Poser Directory you wish to use."
        << startCaption << oldIndex;
    QTest::newRow("Yes: a scan, the index written anew")
        << "Yes" << poser << QString() << "Poser Quobbin" << newIndex;
    QTest::newRow("a Poser folder that is gone")
        << "Yes" << gone << notFound << startCaption << oldIndex;
    QTest::newRow("gone after an earlier update: the caption as it was")
        << "an earlier update" << gone << notFound << "Poser Quobbin" << oldIndex;
    const QString unmounted = QStringLiteral("C:\\Unmounted");
    QTest::newRow("a Poser folder that holds nothing: its drive away, the index kept")
        << "Yes" << unmounted
        << "ERROR: \r\n\r\nPoser Directory not ready!\r\n" + unmounted +
               "\r\nIs its drive connected? Your index was kept as it was."
        << startCaption << oldIndex;
    QTest::newRow("holds nothing, nor does the index: written")
        << "empty index" << unmounted << QString() << "Poser Quobbin" << QByteArray();
    QTest::newRow("a Poser folder that holds only a file")
        << "Yes" << poser + "\\Runtime" << QString() << "Poser Quobbin" << QByteArray();
    QTest::newRow("c:\\ol gone") << "c:\\ol gone" << poser << notWritten << startCaption
                                 << QByteArray("(none)");
    QTest::newRow("a folder named oz")
        << "a folder named oz" << poser << notWritten << startCaption << QByteArray("(none)");
    QTest::newRow("oz a link to /dev/full")
        << "oz -> /dev/full" << poser << notWritten << startCaption << QByteArray("(device)");
    QTest::newRow("oz a FIFO: no hang")
        << "oz|" << poser << notWritten << startCaption << QByteArray("(device)");
    QTest::newRow("the disk fills up: the old index stays whole")
        << "disk full" << poser << notWritten << startCaption << oldIndex;
    QTest::newRow("what a killed Update left is cleaned up")
        << "oz.new|" << poser << QString() << "Poser Quobbin" << newIndex;
    QTest::newRow("another Update runs, Multi-task unticked: events run while this one waits")
        << "another Update, unticked" << poser << QString() << "Poser Quobbin" << newIndex;
    QTest::newRow("closed while waiting for another Update: at once, the old index kept")
        << "another Update, unticked, close box" << poser << QString() << waiting << oldIndex;
    QTest::newRow("waiting, then working, then the close box")
        << "another Update, then the close box" << poser << QString() << working << oldIndex;
    QTest::newRow("a TERM signal during the scan: the old index stays")
        << "TERM" << poser << QString() << working << oldIndex;
}

void UpdateCommandTest::update() {
    QFETCH(QString, fault);
    QFETCH(QString, poserDir);
    QFETCH(QString, error);
    QFETCH(QString, caption);
    QFETCH(QByteArray, index);
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    TestPrefix& prefix = loaded.prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    prefix.makeFolder(QStringLiteral("Unmounted"));
    if (fault == QStringLiteral("an earlier update")) {
        form.form1.PoserDir = "C:\\Poser";
        MessageBoxAnswerer yes({QMessageBox::Yes});
        form.Command5->click();
    }
    const QString ol = prefix.driveC() + QStringLiteral("/ol");
    std::optional<ScopedMount> smallDisk;
    if (fault == QStringLiteral("disk full")) {
        if (!smallDisk.emplace(ol, "size=8k").mounted()) {
            QSKIP(ScopedMount::cannotMount);
        }
        for (int i = 0; i < 500; ++i) {
            prefix.writeFile(
                QStringLiteral("Poser/Runtime/a long name to fill the disk %1.obj").arg(i));
        }
    }
    const QString oz = prefix.writeFile(QStringLiteral("ol/oz"), oldIndex);
    if (fault == QStringLiteral("c:\\ol gone")) {
        QDir(ol).removeRecursively();
    } else if (fault == QStringLiteral("empty index")) {
        QFile::resize(oz, 0);
    } else if (fault == QStringLiteral("a folder named oz")) {
        QFile::remove(oz);
        QDir().mkdir(oz);
    } else if (fault.contains(u'|') || fault.contains(QStringLiteral("->"))) {
        QFile::remove(oz);
        prefix.makeTree(QStringLiteral("ol"), {fault});
    }
    FileReplacement otherUpdate;
    if (fault.startsWith(QStringLiteral("another Update"))) {
        QCOMPARE(otherUpdate.start(oz.toStdString(), FileReplacement::Writers::OneAtATime,
                                   FileReplacement::Over::RegularFileOnly),
                 FileReplacement::Start::Started);
    }
    QuitSignals quitSignals;
    form.form1.PoserDir = poserDir.toStdString();
    form.Check1->setChecked(!fault.contains(QStringLiteral("unticked")));
    DuringScan eachYield(form, [&](int) {
        const bool closedWaiting = fault == QStringLiteral("another Update, unticked, close box");
        if (form.windowTitle() == waiting && !closedWaiting) {
            otherUpdate.abandon();
        } else if (fault.endsWith(QStringLiteral("close box"))) {
            form.close();
        } else if (fault == QStringLiteral("TERM")) {
            std::raise(SIGTERM);
        }
    });
    MessageBoxAnswerer answerer(
        {fault == QStringLiteral("No") ? QMessageBox::No : QMessageBox::Yes});
    form.Command5->click();
    QCOMPARE(answerer.texts(),
             (error.isEmpty() ? QStringList{question} : QStringList{question, error}));
    for (const MessageBoxAnswerer::Seen& box : answerer.seen()) {
        QCOMPARE(box.caption, QStringLiteral("Poser Quobbin"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, (box.text == question ? QList{QMessageBox::Yes, QMessageBox::No}
                                                    : QList{QMessageBox::Ok}));
    }
    QCOMPARE(stateOf(form),
             caption.endsWith(QStringLiteral("...")) ? caption : caption + " | Set | Update");
    if (index != "(device)") {
        QCOMPARE(prefix.readFile(QStringLiteral("ol/oz")), index);
    }
    otherUpdate.abandon();
    QVERIFY(!QFileInfo::exists(oz + QStringLiteral(".new")));
}

// Each yield holds the walk up past the spacing of yields, so every step yields: folder A,
// a.obj, b.obj, folder B, c.obj; unticking "Multi-task" at the fourth leaves out the fifth.
void UpdateCommandTest::letsEventsRunWhileMultiTaskIsTicked() {
    LoadedForm loaded;
    Form1Window& form = loaded.form;
    loaded.prefix.makeTree(QStringLiteral("Poser"), {"A/a.obj", "A/b.obj", "B/c.obj"});
    form.form1.PoserDir = "C:\\Poser";
    form.Check1->setChecked(true);
    form.Text2->setText(QStringLiteral("skin.jpg"));
    QStringList clicks;  // the window's state at each click on "Clear"
    QObject::connect(form.Command3, &QPushButton::clicked, [&] { clicks.append(stateOf(form)); });
    int yields = 0;
    DuringScan eachYield(form, [&](int yield) {
        yields = yield;
        if (yield == 1) {  // a click waits in the queue, as a user's click waits for the walk
            QMetaObject::invokeMethod(form.Command3, &QPushButton::click, Qt::QueuedConnection);
        }
        form.Check1->setChecked(yield < 4);
        DuringScan::outlastYieldSpacing();
    });
    MessageBoxAnswerer yes({QMessageBox::Yes});
    form.Command5->click();
    QCOMPARE(clicks, QStringList{working});
    QCOMPARE(form.Text2->text(), QString());
    QCOMPARE(yields, 4);
    QCOMPARE(stateOf(form), QStringLiteral("Poser Quobbin | Set | Update"));
}

QTEST_MAIN(UpdateCommandTest)
#include "update_command_test.moc"
