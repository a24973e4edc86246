#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "tests/support/during_scan.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString question = QStringLiteral("Do you want to UPDATE your Poser Files?");
const QString startCaption = QStringLiteral("Poser Quobbin  8.00");
const QString oldIndex = QStringLiteral("C:\\Old\\kept.obj\r\n");

struct WindowState {
    QString caption;
    bool setEnabled;
    bool updateEnabled;
    bool operator==(const WindowState&) const = default;
};

WindowState stateOf(const Form1& form) {
    return {form.windowTitle(), form.Command4->isEnabled(), form.Command5->isEnabled()};
}

QByteArray indexFile(const TestPrefix& prefix) {
    QFile index(prefix.driveC() + QStringLiteral("/ol/oz"));
    return index.open(QIODevice::ReadOnly) ? index.readAll() : QByteArray("(no index)");
}

}  // namespace

class UpdateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void asksThenScans_data();
    void asksThenScans();
    void showsBusyDuringTheScan();
    void reportsAPoserFolderThatCannotBeOpened_data();
    void reportsAPoserFolderThatCannotBeOpened();
    void reportsAnIndexThatCannotBeWritten_data();
    void reportsAnIndexThatCannotBeWritten();
};

void UpdateCommandTest::asksThenScans_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("poserDir");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("index");

    QTest::newRow("No: nothing changes") << QMessageBox::No << "C:\\Poser" << QStringList{question}
                                         << startCaption << oldIndex.toUtf8();
    QTest::newRow("Yes without a Poser folder: the error, nothing else")
        << QMessageBox::Yes << ""
        << QStringList{question,
                       "ERROR: \r\n\r\nPoser Directory not set!\r\n"
                       "Please SET the Poser Directory you wish to use."}
        << startCaption << oldIndex.toUtf8();
    QTest::newRow("Yes with a Poser folder: the index written anew")
        << QMessageBox::Yes << "C:\\Poser" << QStringList{question} << "Poser Quobbin"
        << QByteArray("C:\\Poser\\Runtime\\x.obj\r\n");
}

void UpdateCommandTest::asksThenScans() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, poserDir);
    QFETCH(QStringList, messages);
    QFETCH(QString, caption);
    QFETCH(QByteArray, index);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    Form1 form;
    QVERIFY(form.Form_Load());
    prefix.writeFile(QStringLiteral("ol/oz"), oldIndex.toUtf8());
    form.PoserDir = poserDir;
    MessageBoxAnswerer answerer({answer});
    form.Command5->click();
    QCOMPARE(answerer.texts(), messages);
    for (const MessageBoxAnswerer::Seen& box : answerer.seen()) {
        QCOMPARE(box.caption, QStringLiteral("Poser Quobbin"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
    }
    QCOMPARE(answerer.seen().first().buttons,
             (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    QCOMPARE(stateOf(form), (WindowState{caption, true, true}));
    QCOMPARE(indexFile(prefix), index);
}

void UpdateCommandTest::showsBusyDuringTheScan() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    Form1 form;
    QVERIFY(form.Form_Load());
    form.PoserDir = QStringLiteral("C:\\Poser");
    form.Check1->setChecked(true);
    QList<WindowState> during;
    DuringScan eachYield(form, [&](int) { during.append(stateOf(form)); });
    MessageBoxAnswerer yes({QMessageBox::Yes});
    form.Command5->click();
    QVERIFY(!during.isEmpty());
    for (const WindowState& state : during) {
        QCOMPARE(state,
                 (WindowState{QStringLiteral("Poser Quobbin  -  Working..."), false, false}));
    }
    QCOMPARE(stateOf(form), (WindowState{QStringLiteral("Poser Quobbin"), true, true}));
}

void UpdateCommandTest::reportsAPoserFolderThatCannotBeOpened_data() {
    QTest::addColumn<QString>("poserDir");
    QTest::addColumn<bool>("updatedBefore");

    QTest::newRow("a folder that is gone") << "C:\\Gone Poser" << false;
    QTest::newRow("a file, not a folder") << "C:\\Poser\\Runtime\\x.obj" << false;
    QTest::newRow("no drive path") << "Poser" << false;
    QTest::newRow("a drive that does not exist") << "Q:\\Poser" << false;
    QTest::newRow("gone after an earlier update") << "C:\\Gone Poser" << true;
}

void UpdateCommandTest::reportsAPoserFolderThatCannotBeOpened() {
    QFETCH(QString, poserDir);
    QFETCH(bool, updatedBefore);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    Form1 form;
    QVERIFY(form.Form_Load());
    if (updatedBefore) {
        form.PoserDir = QStringLiteral("C:\\Poser");
        MessageBoxAnswerer yes({QMessageBox::Yes});
        form.Command5->click();
    }
    prefix.writeFile(QStringLiteral("ol/oz"), oldIndex.toUtf8());
    const WindowState before = stateOf(form);
    form.PoserDir = poserDir;
    MessageBoxAnswerer answerer({QMessageBox::Yes});
    form.Command5->click();
    QCOMPARE(answerer.texts(),
             (QStringList{question, "ERROR: \r\n\r\nPoser Directory not found!\r\n" + poserDir +
                                        "\r\nPlease SET the Poser Directory "
                                        "you wish to use."}));
    QCOMPARE(answerer.seen().last().buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(stateOf(form), before);
    QCOMPARE(indexFile(prefix), oldIndex.toUtf8());
}

void UpdateCommandTest::reportsAnIndexThatCannotBeWritten_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("a folder named oz") << "folder";
    QTest::newRow("c:\\ol gone") << "gone";
    QTest::newRow("c:\\ol read-only") << "read-only";
}

void UpdateCommandTest::reportsAnIndexThatCannotBeWritten() {
    QFETCH(QString, fault);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    Form1 form;
    QVERIFY(form.Form_Load());
    const QString dataFolder = prefix.driveC() + QStringLiteral("/ol");
    if (fault == QStringLiteral("folder")) {
        prefix.makeFolder(QStringLiteral("ol/oz"));
    } else if (fault == QStringLiteral("gone")) {
        QDir(dataFolder).removeRecursively();
    } else {
        QFile::setPermissions(dataFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile probe(dataFolder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("permissions do not bind this user");
        }
    }
    form.PoserDir = QStringLiteral("C:\\Poser");
    MessageBoxAnswerer answerer({QMessageBox::Yes});
    form.Command5->click();
    QFile::setPermissions(dataFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(
        answerer.texts(),
        (QStringList{question, "ERROR: \r\n\r\nIndex file could not be written!\r\nc:\\ol\\oz"}));
    QCOMPARE(stateOf(form), (WindowState{startCaption, true, true}));
    QVERIFY(!form.scanning);
}

QTEST_MAIN(UpdateCommandTest)
#include "update_command_test.moc"
