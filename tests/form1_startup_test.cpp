#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "app/form1_window.h"
#include "platform/click_text_box.h"
#include "platform/results_box.h"
#include "system/drive_roots.h"
#include "system/one_copy_lock.h"
#include "tests/support/test_prefix.h"

class Form1StartupTest : public QObject {
    Q_OBJECT

private slots:
    void startsIdle();
    void readsTheStoredFolder_data();
    void readsTheStoredFolder();
    void startsWhereDataFolderCannotBeMade_data();
    void startsWhereDataFolderCannotBeMade();
    void runsOneCopyAtATime_data();
    void runsOneCopyAtATime();
    void secondCopyExitsAtOnce();
};

void Form1StartupTest::startsIdle() {
    TestPrefix prefix;
    Form1Window form;
    QVERIFY(form.Form_Load());
    form.show();
    QString shown;
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        shown += button->isVisible() && button->isEnabled() ? button->text() : QString();
    }
    QCOMPARE(shown, QStringLiteral("ClearSetUpdate?"));  // no number button
    QCOMPARE(form.windowTitle(), QStringLiteral("Poser Quobbin  8.00"));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.Check1->isChecked());
    QVERIFY(form.Text1->toPlainText().isEmpty() && form.Text2->text().isEmpty());
}

void Form1StartupTest::readsTheStoredFolder_data() {
    QTest::addColumn<QByteArray>("settings");  // null: no file yet
    QTest::addColumn<QString>("poserDir");

    QTest::newRow("first start: an empty settings file") << QByteArray() << QString();
    QTest::newRow("a folder that does not exist")
        << QByteArray("C:\\Gone Poser\r\n") << "C:\\Gone Poser";
}

void Form1StartupTest::readsTheStoredFolder() {
    QFETCH(QByteArray, settings);
    QFETCH(QString, poserDir);
    TestPrefix prefix;
    if (!settings.isNull()) {
        prefix.writeFile(QStringLiteral("ol/zz"), settings);
    }
    Form1Window form;
    QVERIFY(form.Form_Load());
    QCOMPARE(QString::fromStdString(form.form1.PoserDir), poserDir);
    QCOMPARE(prefix.readFile(QStringLiteral("ol/zz")), settings.isNull() ? "" : settings);
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
    Form1Window form;
    QVERIFY(form.Form_Load());
    QCOMPARE(form.form1.PoserDir, std::string());
    QVERIFY(!QFileInfo::exists(prefix.folder() + QStringLiteral("/gone")));
    if (fault == QStringLiteral("no prefix")) {  // Wine's default c: comes with c:\ol
        QVERIFY(QFileInfo(QString::fromStdString(fallbackDriveC()) + QStringLiteral("/ol/zz"))
                    .isFile());
    }
}

void Form1StartupTest::runsOneCopyAtATime_data() {
    QTest::addColumn<QString>("runtime");     // what XDG_RUNTIME_DIR holds, from the test's folder
    QTest::addColumn<QString>("taken");       // a folder another user made first
    QTest::addColumn<QString>("lockFolder");  // where the lock is kept, as a wildcard

    const QString fallback = QStringLiteral("tmp/quobbin-%1").arg(getuid());
    QTest::newRow("a lock left by a copy that was killed") << "run" << QString() << "run";
    QTest::newRow("a runtime folder under a file") << "not/a/folder" << QString() << fallback;
    QTest::newRow("a runtime folder of another user") << "run"
                                                      << "run" << fallback;
    QTest::newRow("a runtime folder others may write to") << "/tmp" << QString() << fallback;
    QTest::newRow("no runtime folder, and the private one in the temporary folder taken")
        << "" << fallback << fallback + "-??????";
}

void Form1StartupTest::runsOneCopyAtATime() {
    QFETCH(QString, runtime);
    QFETCH(QString, taken);
    QFETCH(QString, lockFolder);
    TestPrefix prefix;
    const QString folder = prefix.folder() + u'/';
    QDir().mkdir(folder + QStringLiteral("tmp"));
    qputenv("TMPDIR", QFile::encodeName(folder + QStringLiteral("tmp")));
    prefix.writeFile(QStringLiteral("../../not"), "a file where a folder belongs");
    qputenv("XDG_RUNTIME_DIR",
            runtime.isEmpty() ? QByteArray() : QFile::encodeName(QDir(folder).filePath(runtime)));
    if (!taken.isEmpty()) {
        const QByteArray path = QFile::encodeName(folder + taken);
        mkdir(path.constData(), 0700);  // private, but not this user's
        if (chown(path.constData(), 65534, 65534) != 0) {
            QSKIP("another user's folder needs root");
        }
    }
    QFile lock(folder + QStringLiteral("run/quobbin.lock"));  // left by a copy that was killed
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("12345\nquobbin\nhost\n") > 0);
    Form1Window first;
    QVERIFY(first.Form_Load());
    const QString lockPath = QString::fromStdString(OneCopyLock::lockPath());
    QVERIFY2(QDir::match(folder + lockFolder + QStringLiteral("/quobbin.lock"), lockPath),
             qPrintable(lockPath));
    QCOMPARE(QFileInfo(QFileInfo(lockPath).path()).permissions() & 0x0077, 0);
    // While the first copy runs, a second one ends at once, touching no file.
    QDir(prefix.driveC() + QStringLiteral("/ol")).removeRecursively();
    Form1Window second;
    QVERIFY(!second.Form_Load());
    QVERIFY(!QFileInfo::exists(prefix.driveC() + QStringLiteral("/ol")));
    qunsetenv("TMPDIR");
}

// As a user starts it from the menu a second time: that copy exits at once with status 0. Callers
// that say nothing, or more than a short request, are hung up on rather than kept.
void Form1StartupTest::secondCopyExitsAtOnce() {
    TestPrefix prefix;
    QProcess first;
    first.start(QStringLiteral(QUOBBIN_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY(QFileInfo::exists(prefix.folder() + QStringLiteral("/run/quobbin.socket")));
    QLocalSocket silent;
    QLocalSocket endless;
    qint64 sent = 0;
    connect(&endless, &QLocalSocket::bytesWritten, [&sent](qint64 bytes) { sent += bytes; });
    silent.connectToServer(prefix.folder() + QStringLiteral("/run/quobbin.socket"));
    endless.connectToServer(prefix.folder() + QStringLiteral("/run/quobbin.socket"));
    const QByteArray request(qsizetype{16} * 1024 * 1024, 'x');  // with no line end
    endless.write(request);
    QTRY_VERIFY_WITH_TIMEOUT(silent.state() + endless.state() == QLocalSocket::UnconnectedState,
                             10000);
    QCOMPARE_LT(sent, request.size());
    QProcess second;
    second.start(QStringLiteral(QUOBBIN_PROGRAM), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
}

QTEST_MAIN(Form1StartupTest)
#include "form1_startup_test.moc"
