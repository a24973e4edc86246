#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "platform/click_text_box.h"
#include "platform/one_copy_lock.h"
#include "tests/support/test_prefix.h"

class Form1StartupTest : public QObject {
    Q_OBJECT

private slots:
    void laysOutTheWindow_data();
    void laysOutTheWindow();
    void startsIdle();
    void readsTheStoredFolder_data();
    void readsTheStoredFolder();
    void startsWhereDataFolderCannotBeMade_data();
    void startsWhereDataFolderCannotBeMade();
    void secondCopyTouchesNothing();
    void staleLockDoesNotBlock();
};

void Form1StartupTest::laysOutTheWindow_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");  // in pixels: twips / 15

    QTest::newRow("look-up box") << "Text2" << QRect(8, 24, 249, 25);
    QTest::newRow("results box") << "Text1" << QRect(8, 56, 465, 97);
    QTest::newRow("number 5") << "Command12" << QRect(168, 160, 33, 33);
    QTest::newRow("help") << "Command7" << QRect(424, 160, 49, 33);
    QTest::newRow("name: 100 twips round to 7 pixels") << "Label3" << QRect(7, 200, 265, 49);
}

void Form1StartupTest::laysOutTheWindow() {
    QFETCH(QString, control);
    QFETCH(QRect, place);
    TestPrefix prefix;
    Form1 form;
    const QMap<QString, QWidget*> controls{
        {"Text2", form.Text2},       {"Label2", form.Label2},     {"Text1", form.Text1},
        {"Command9", form.Command9}, {"Command6", form.Command6}, {"Command12", form.Command12},
        {"Command3", form.Command3}, {"Command4", form.Command4}, {"Command5", form.Command5},
        {"Command7", form.Command7}, {"Check1", form.Check1},     {"Label3", form.Label3},
        {"Label1", form.Label1}};
    QCOMPARE(controls.value(control)->geometry(), place);
}

void Form1StartupTest::startsIdle() {
    TestPrefix prefix;
    Form1 form;
    QVERIFY(form.Form_Load());
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Poser Quobbin  8.00"));
    QCOMPARE(form.size(), QSize(488, 253));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    for (QPushButton* number :
         {form.Command9, form.Command6, form.Command10, form.Command11, form.Command12}) {
        QVERIFY(!number->isVisible());
    }
    for (QPushButton* shown : {form.Command3, form.Command4, form.Command5, form.Command7}) {
        QVERIFY(shown->isVisible() && shown->isEnabled());
    }
    QVERIFY(!form.Check1->isChecked());
    QVERIFY(form.Text1->toPlainText().isEmpty() && form.Text2->text().isEmpty());
}

void Form1StartupTest::readsTheStoredFolder_data() {
    QTest::addColumn<QByteArray>("settings");  // null: no file yet
    QTest::addColumn<QString>("poserDir");

    QTest::newRow("first start") << QByteArray() << QString();
    QTest::newRow("five bytes") << QByteArray("abc\r\n") << QString();
    QTest::newRow("a folder that does not exist")
        << QByteArray("C:\\Gone Poser\r\n") << "C:\\Gone Poser";
}

void Form1StartupTest::readsTheStoredFolder() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, poserDir);
    TestPrefix prefix;
    const QString settingsPath = prefix.driveC() + QStringLiteral("/ol/zz");
    if (!settings.isNull()) {
        prefix.writeFile(QStringLiteral("ol/zz"), settings);
    }
    Form1 form;
    QVERIFY(form.Form_Load());
    QCOMPARE(form.PoserDir, poserDir);
    QVERIFY(QFileInfo(settingsPath).isFile());
    QCOMPARE(QFileInfo(settingsPath).size(), qint64(settings.size()));
}

void Form1StartupTest::startsWhereDataFolderCannotBeMade_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("a file named ol") << "file";
    QTest::newRow("drive c: points nowhere") << "dangling";
    QTest::newRow("no Wine prefix at all") << "no prefix";
}

void Form1StartupTest::startsWhereDataFolderCannotBeMade() {
    QFETCH(QString, fault);
    TestPrefix prefix;
    if (fault == QStringLiteral("file")) {
        prefix.writeFile(QStringLiteral("ol"), "not a folder");
    } else if (fault == QStringLiteral("dangling")) {
        prefix.linkDrive(u'c', prefix.folder() + QStringLiteral("/gone"));
    } else {
        QDir(prefix.prefix()).removeRecursively();
    }
    Form1 form;
    QVERIFY(form.Form_Load());
    QCOMPARE(form.PoserDir, QString());
    QVERIFY(!QFileInfo::exists(prefix.folder() + QStringLiteral("/gone")));
    if (fault == QStringLiteral("no prefix")) {  // Wine's default c: comes with c:\ol
        QVERIFY(QFileInfo(WineDrives::fallbackDriveC() + QStringLiteral("/ol/zz")).isFile());
    }
}

void Form1StartupTest::secondCopyTouchesNothing() {
    TestPrefix prefix;
    Form1 first;
    QVERIFY(first.Form_Load());
    QDir(prefix.driveC() + QStringLiteral("/ol")).removeRecursively();
    Form1 second;
    QVERIFY(!second.Form_Load());
    QVERIFY(!QFileInfo::exists(prefix.driveC() + QStringLiteral("/ol")));
}

void Form1StartupTest::staleLockDoesNotBlock() {
    TestPrefix prefix;
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.waitForFinished();
    QFile lock(OneCopyLock::lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    // What a copy that was killed leaves behind: its pid, name, host and machine id.
    lock.write(QByteArray::number(pid) + "\nquobbin\n" + QSysInfo::machineHostName().toUtf8() +
               "\n" + QSysInfo::machineUniqueId() + "\n");
    lock.close();
    Form1 form;
    QVERIFY(form.Form_Load());
}

QTEST_MAIN(Form1StartupTest)
#include "form1_startup_test.moc"
