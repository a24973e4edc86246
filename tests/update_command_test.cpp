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
const QByteArray oldIndex = "C:\\Old\\a line longer than the new index.obj\r\n";
const QByteArray newIndex = "C:\\Poser\\Runtime\\x.obj\r\n";

// The caption, then "Set" and "Update" where enabled.
QString stateOf(const Form1& form) {
    return form.windowTitle() + (form.Command4->isEnabled() ? " | Set" : "") +
           (form.Command5->isEnabled() ? " | Update" : "");
}

}  // namespace

class UpdateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void update_data();
    void update();
};

void UpdateCommandTest::update_data() {
    QTest::addColumn<QString>("before");  // the answer, or what happens before answering Yes
    QTest::addColumn<QString>("poserDir");
    QTest::addColumn<QString>("error");  // shown after the question
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("index");

    const QString poser = QStringLiteral("C:\\Poser");
    const QString gone = QStringLiteral("C:\\Gone Poser");
    const QString notSet = QStringLiteral(
        "ERROR: \r\n\r\nPoser Directory not set!\r\n"
        "Please SET the Poser Directory you wish to use.");
    const QString notFound = "ERROR: \r\n\r\nPoser Directory not found!\r\n" + gone +
                             "\r\nPlease SET the Poser Directory you wish to use.";
    const QString notWritten =
        QStringLiteral("ERROR: \r\n\r\nIndex file could not be written!\r\nc:\\ol\\oz");
    QTest::newRow("No: nothing changes") << "No" << poser << QString() << startCaption << oldIndex;
    QTest::newRow("Yes, no Poser folder set: the error only")
        << "Yes" << QString() << notSet << startCaption << oldIndex;
    QTest::newRow("Yes: a scan, the index written anew")
        << "Yes" << poser << QString() << "Poser Quobbin" << newIndex;
    QTest::newRow("a Poser folder that is gone")
        << "Yes" << gone << notFound << startCaption << oldIndex;
    QTest::newRow("gone after an earlier update: the caption as it was")
        << "an earlier update" << gone << notFound << "Poser Quobbin" << oldIndex;
    QTest::newRow("a folder named oz")
        << "a folder named oz" << poser << notWritten << startCaption << QByteArray("(no index)");
    QTest::newRow("c:\\ol gone") << "c:\\ol gone" << poser << notWritten << startCaption
                                 << QByteArray("(no index)");
}

void UpdateCommandTest::update() {
    QFETCH(QString, before);
    QFETCH(QString, poserDir);
    QFETCH(QString, error);
    QFETCH(QString, caption);
    QFETCH(QByteArray, index);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/x.obj"));
    Form1 form;
    QVERIFY(form.Form_Load());
    if (before == QStringLiteral("an earlier update")) {
        form.PoserDir = QStringLiteral("C:\\Poser");
        MessageBoxAnswerer yes({QMessageBox::Yes});
        form.Command5->click();
    }
    const QString oz = prefix.writeFile(QStringLiteral("ol/oz"), oldIndex);
    if (before == QStringLiteral("a folder named oz")) {
        QFile::remove(oz);
        QDir().mkdir(oz);
    } else if (before == QStringLiteral("c:\\ol gone")) {
        QDir(prefix.driveC() + QStringLiteral("/ol")).removeRecursively();
    }
    form.PoserDir = poserDir;
    form.Check1->setChecked(true);
    QStringList during;
    DuringScan eachYield(form, [&](int) { during.append(stateOf(form)); });
    MessageBoxAnswerer answerer(
        {before == QStringLiteral("No") ? QMessageBox::No : QMessageBox::Yes});
    form.Command5->click();
    QCOMPARE(answerer.texts(),
             (error.isEmpty() ? QStringList{question} : QStringList{question, error}));
    for (const MessageBoxAnswerer::Seen& box : answerer.seen()) {
        QCOMPARE(box.caption, QStringLiteral("Poser Quobbin"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, (box.text == question ? QList{QMessageBox::Yes, QMessageBox::No}
                                                    : QList{QMessageBox::Ok}));
    }
    QCOMPARE(stateOf(form), caption + " | Set | Update");
    QCOMPARE(indexFile(prefix), index);
    // Only a scan writes the index anew, and while it runs the window shows it is busy.
    during.removeDuplicates();
    QCOMPARE(during,
             index == newIndex ? QStringList{"Poser Quobbin  -  Working..."} : QStringList{});
}

QTEST_MAIN(UpdateCommandTest)
#include "update_command_test.moc"
