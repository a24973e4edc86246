#include <QMessageBox>
#include <QtTest>

#include "system/file_replacement.h"
#include "tests/support/loaded_form.h"
#include "tests/support/message_boxes.h"
#include "tests/support/quobbin_process.h"

namespace {

const QByteArray poser = "C:\\Poser\r\n";
const QStringList library = {"Poser/Runtime/Geo/Figure.obj", "Poser/Runtime/Tex/skin.PNG",
                             "Poser/Runtime/Tex/figure.JPG", "Poser/top.obj"};

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
    void updatesAsTheWindowDoes();
    void showsProgressOnATerminalOnly_data();
    void showsProgressOnATerminalOnly();
};

void CommandLineTest::exitStatus_data() {
    QTest::addColumn<QStringList>("tree");  // entries on drive c:, as TestPrefix::makeTree
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // patterns of the whole output, and within the errors
    QTest::addColumn<QString>("err");

    const auto row = [](const char* name, const QStringList& arguments, int status,
                        const QString& out, const QString& err, const QStringList& tree = {},
                        const QByteArray& settings = {}) {
        QTest::newRow(name) << tree << settings << arguments << status << out << err;
    };
    row("help", {"--help"}, 0, "usage: quobbin .*", "^$");
    row("version", {"--version"}, 0, "quobbin 8\\.00\n", "^$");
    row("an unknown option", {"--bogus"}, 2, "", "--bogus.*\nusage: ");
    row("--lookup without its NAME", {"--lookup"}, 2, "", "usage: ");
    row("--count without --lookup", {"--count"}, 2, "", "usage: ");
    row("--update with --lookup", {"--update", "--lookup", "x"}, 2, "", "usage: ");
    const QString oneLine = "^[^\n]*--update[^\n]*\n$";
    row("no display and no options: one line", {}, 1, "", oneLine);
    row("a display that does not answer: the same line", {"DISPLAY=:5971"}, 1, "", oneLine);
    row("Wayland without a compositor: the same line", {"QT_QPA_PLATFORM=wayland"}, 1, "", oneLine);
    row("a platform plugin that does not exist: the same line", {"QT_QPA_PLATFORM=nowhere"}, 1, "",
        oneLine);
    row("update: no Poser folder set", {"--update"}, 1, "", "no Poser folder is set.*press Set");
    row("update: the settings file a folder", {"--update"}, 1, "", "c:.ol.zz is no file$",
        {"ol/zz/"});
    row("update: the Poser folder gone", {"--update"}, 1, "", "C:.Gone is not found.*press Set", {},
        "C:\\Gone\r\n");
    row("update: the index written", {"--update"}, 0,
        "3 files indexed in c:\\\\ol\\\\oz in \\d+\\.\\d s\n", "^$", library, poser);
    row("update: a folder where the index belongs", {"--update"}, 3, "",
        "c:.ol.oz was not written.*c:.ol.oz is no file", library + QStringList{"ol/oz/"}, poser);
    row("update: a folder where the index is written first", {"--update"}, 3, "",
        "c:.ol.oz.new, where it is written first, is no file", library + QStringList{"ol/oz.new/"},
        poser);
    row("look-up: no index yet", {"--lookup", "x.obj"}, 3, "", "no index c:.ol.oz.*--update");
    row("look-up: an index that cannot be read", {"--lookup", "x.obj"}, 3, "", "cannot be read",
        {"ol/oz|"});
    row("look-up: no match", {"--lookup", "x.obj"}, 1, "", "^quobbin: x.obj does not exist",
        {"ol/oz"});
    row("count: none", {"--lookup", "x", "--count"}, 1, "0\n", "^$", {"ol/oz"});
}

void CommandLineTest::exitStatus() {
    QFETCH(QStringList, tree);
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TestPrefix prefix;
    prefix.makeTree(QString(), tree);
    if (!settings.isNull()) {
        prefix.writeFile("ol/zz", settings);
    }
    const QuobbinRun done = runQuobbin(arguments);
    const QRegularExpression whole(QRegularExpression::anchoredPattern(out),
                                   QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(whole.match(done.out).hasMatch(), qPrintable(done.out));
    QVERIFY2(done.err.contains(QRegularExpression(err)), qPrintable(done.err));
    QCOMPARE(done.status, status);
    QVERIFY(arguments != QStringList{"--update"} || QFileInfo(prefix.driveC() + "/ol").isDir());
}

void CommandLineTest::updatesAsTheWindowDoes() {
    LoadedForm loaded;
    loaded.prefix.makeTree(
        "Poser", {"Runtime/Geo/Figure.obj", "Runtime/Tex/skin.PNG", "top.obj", "Ünï/Çödé.cr2",
                  "a/b/c/d/e/f/g/h/deep.obj", "a/b/c/d/e/f/g/h/i/deeper.obj", "a/loop -> .."});
    loaded.prefix.writeFile("ol/zz", poser);
    loaded.form.PoserDir = "C:\\Poser";
    MessageBoxAnswerer yes({QMessageBox::Yes});
    loaded.form.Command5_Click();
    const QByteArray byWindow = loaded.prefix.readFile("ol/oz");
    QVERIFY(QFile::remove(loaded.prefix.driveC() + "/ol/oz"));
    QCOMPARE(runQuobbin({"--update"}).status, 0);
    QCOMPARE(loaded.prefix.readFile("ol/oz"), byWindow);
    QCOMPARE(byWindow.count('\n'), 4);
    QCOMPARE(runQuobbin({"--lookup", "skin.png"}).out, "c:\\poser\\runtime\\tex\\skin.png\n");
}

void CommandLineTest::showsProgressOnATerminalOnly_data() {
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("stop");  // by a signal while waiting
    QTest::newRow("a pipe: only the summary") << false << false;
    QTest::newRow("a terminal: the counts and the wait, told once") << true << false;
    QTest::newRow("stopped while waiting: status 3, the old index kept") << false << true;
}

// While another Update writes the index, this one waits.
void CommandLineTest::showsProgressOnATerminalOnly() {
    QFETCH(bool, terminal);
    QFETCH(bool, stop);
    TestPrefix prefix;
    prefix.makeTree("Poser", library);
    prefix.writeFile("ol/zz", poser);
    prefix.writeFile("ol/oz", "C:\\Old\\x.obj\r\n");
    FileReplacement another;
    QCOMPARE(
        another.start((prefix.driveC() + "/ol/oz").toStdString(),
                      FileReplacement::Writers::OneAtATime, FileReplacement::Over::RegularFileOnly),
        FileReplacement::Start::Started);
    QProcess program;
    startQuobbin(program, {"--update"}, terminal);
    QTest::qWait(500);
    QCOMPARE(program.state(), QProcess::Running);
    if (stop) {
        program.terminate();
    } else {
        another.abandon();
    }
    QVERIFY(program.waitForFinished(10000));
    const QString out = program.readAllStandardOutput();
    QCOMPARE(out.count("Waiting for another Update to finish...\r\n"), terminal ? 1 : 0);
    QCOMPARE(out.contains("\r0 folders, 0 files, "), terminal);
    QCOMPARE(program.readAllStandardError().isEmpty(), !stop);
    QCOMPARE(program.exitCode(), stop ? 3 : 0);
    QCOMPARE(prefix.readFile("ol/oz") == "C:\\Old\\x.obj\r\n", stop);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
