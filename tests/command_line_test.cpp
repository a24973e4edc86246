#include <unistd.h>

#include <QMessageBox>
#include <QtTest>
#include <csignal>

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
    void checksAndMendsAScene();
};

void CommandLineTest::exitStatus_data() {
    QTest::addColumn<QStringList>("tree");  // entries on drive c:, as TestPrefix::makeTree
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");  // where stdout goes: "full", "closed", "no reader"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // patterns of the whole output, and within the errors
    QTest::addColumn<QString>("err");

    const auto row = [](const char* name, const QStringList& arguments, int status,
                        const QString& out, const QString& err, const QStringList& tree = {},
                        const QByteArray& settings = {}, const QString& output = {}) {
        QTest::newRow(name) << tree << settings << arguments << output << status << out << err;
    };
    row("help", {"--help"}, 0, "usage: quobbin .*", "^$");
    row("version", {"--version"}, 0, "quobbin \\d+\\.\\d+\\.\\d+\n", "^$");
    const QString misuse = "^quobbin: %1\nTry 'quobbin --help'\\.\n$";
    row("an unknown option", {"--bogus"}, 2, "", misuse.arg("unknown.*: --bogus"));
    row("--lookup with an empty NAME", {"--lookup", ""}, 2, "", misuse.arg("--lookup needs.*"));
    row("--count without --lookup", {"--count"}, 2, "", misuse.arg("--count goes.*"));
    row("--update with --lookup", {"--update", "--lookup", "x"}, 2, "", misuse.arg(".*"));
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
    row("update: a Wine prefix that does not exist", {"WINEPREFIX=/no/such/prefix", "--update"}, 1,
        "", "^quobbin: the Wine prefix /no/such/prefix does not exist\n$");
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
    row("look-up: --lookup=NAME", {"--lookup=X.OBJ"}, 1, "", "^quobbin: X.OBJ does not exist",
        {"ol/oz"});
    row("count: none", {"--lookup", "x", "--count"}, 1, "0\n", "^$", {"ol/oz"});
    row("--check without a FILE", {"--check"}, 2, "", misuse.arg("--check needs.*"));
    row("--fix without --check", {"--fix"}, 2, "", misuse.arg("--fix goes.*"));
    row("--check-window with a FILE", {"--check-window", "x.pz3"}, 2, "",
        misuse.arg("--check-window goes alone"));
    row("check: no Poser folder set", {"--check", "x.pz3"}, 1, "", "no Poser folder is set");
    row("check: a file that is no scene", {"--check", "/dev/null"}, 3, "",
        "^quobbin: /dev/null: .+\n$", library, poser);
    // Whatever was asked, output that cannot be written out is no success.
    const QString notWritten = "^quobbin: the output could not be written: %1[^\n]*\n$";
    row("help to a full disk", {"--help"}, 4, "", notWritten.arg("No space"), {}, {}, "full");
    row("update: the summary with stdout closed", {"--update"}, 4, "", notWritten.arg("Bad file"),
        library, poser, "closed");
    row("count: to a pipe without reader, quietly", {"--lookup", "x", "--count"}, 4, "", "^$",
        {"ol/oz"}, {}, "no reader");
}

void CommandLineTest::exitStatus() {
    QFETCH(QStringList, tree);
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TestPrefix prefix;
    prefix.makeTree(QString(), tree);
    if (!settings.isNull()) {
        prefix.writeFile("ol/zz", settings);
    }
    QProcess program;
    program.setChildProcessModifier([output] {
        int ends[2];
        if (output == "closed") {
            close(STDOUT_FILENO);
        } else if (output == "no reader" && pipe(ends) == 0 && dup2(ends[1], STDOUT_FILENO) > 0) {
            close(ends[0]);
            signal(SIGPIPE, SIG_IGN);
        }
    });
    if (output == "full") {
        program.setStandardOutputFile("/dev/full");
    }
    startQuobbin(program, arguments)->waitForFinished(30000);
    const QString written = program.readAllStandardOutput();
    const QString errors = program.readAllStandardError();
    const QRegularExpression whole(QRegularExpression::anchoredPattern(out),
                                   QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(whole.match(written).hasMatch(), qPrintable(written));
    QVERIFY2(errors.contains(QRegularExpression(err)), qPrintable(errors));
    QCOMPARE(program.exitCode(), status);
    QVERIFY(arguments != QStringList{"--update"} || QFileInfo(prefix.driveC() + "/ol").isDir());
}

void CommandLineTest::updatesAsTheWindowDoes() {
    LoadedForm loaded;
    loaded.prefix.makeTree(
        "Poser", {"Runtime/Geo/Figure.obj", "Runtime/Tex/skin.PNG", "top.obj", "Ünï/Çödé.cr2",
                  "a/b/c/d/e/f/g/h/deep.obj", "a/b/c/d/e/f/g/h/i/deeper.obj", "a/loop -> .."});
    loaded.prefix.writeFile("ol/zz", poser);
    loaded.form.form1.PoserDir = "C:\\Poser";
    MessageBoxAnswerer yes({QMessageBox::Yes});
    loaded.form.form1.Command5_Click();
    const QByteArray byWindow = loaded.prefix.readFile("ol/oz");
    QVERIFY(QFile::remove(loaded.prefix.driveC() + "/ol/oz"));
    QCOMPARE(runQuobbin({"--update"}).status, 0);
    QCOMPARE(loaded.prefix.readFile("ol/oz"), byWindow);
    QCOMPARE(byWindow.count('\n'), 4);
    QCOMPARE(runQuobbin({"--lookup", "skin.png"}).out, "c:\\poser\\runtime\\tex\\skin.png\n");
}

void CommandLineTest::showsProgressOnATerminalOnly_data() {
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<int>("stop");  // the signal sent while waiting, 0 for none
    QTest::newRow("a pipe: only the summary") << false << 0;
    QTest::newRow("a terminal: the counts, the wait told once, the line cleared") << true << 0;
    QTest::newRow("Ctrl+C while waiting: ended by it, the old index kept") << false << SIGINT;
}

// While another Update writes the index, this one waits.
void CommandLineTest::showsProgressOnATerminalOnly() {
    QFETCH(bool, terminal);
    QFETCH(int, stop);
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
    if (stop != 0) {
        kill(pid_t(program.processId()), stop);
    } else {
        another.abandon();
    }
    QVERIFY(program.waitForFinished(10000));
    const QString out = program.readAllStandardOutput();
    QCOMPARE(out.count("Waiting for another Update to finish...\r\n"), terminal ? 1 : 0);
    QCOMPARE(out.contains("\r0 folders, 0 files, "), terminal);
    // The counts wiped out before the summary takes their line.
    QCOMPARE(out.contains(QRegularExpression("\r\033\\[K\\d+ files indexed in ")), terminal);
    QCOMPARE(program.readAllStandardError().isEmpty(), stop == 0);
    QCOMPARE(program.exitCode(), stop);  // ended by the signal: a shell sees 128 + its number
    QCOMPARE(prefix.readFile("ol/oz") == "C:\\Old\\x.obj\r\n", stop != 0);
}

// A scene whose figure moved within the library and whose texture is gone: the check lists both,
// the figure with its new place; the mended copy names that place, and its own check lists only
// the texture.
void CommandLineTest::checksAndMendsAScene() {
    TestPrefix prefix;
    prefix.makeTree(QString(), library);
    prefix.writeFile("ol/zz", poser);
    QCOMPARE(runQuobbin({"--update"}).status, 0);
    const QString scene = prefix.writeFile("studio.pz3",
                                           "{\r\nfigureResFile :Runtime:Geometries:"
                                           "Figure.obj\r\n"
                                           "textureMap \"gone.jpg\"\r\n}\r\n");
    const QuobbinRun check = runQuobbin({"--check", scene});
    QCOMPARE(check.status, 1);
    QCOMPARE(check.out, scene +
                            ":2: figureResFile: :Runtime:Geometries:Figure.obj\n"
                            "  (1) C:\\Poser\\Runtime\\Geo\\Figure.obj\n" +
                            scene + ":3: textureMap: gone.jpg\n  (none)\n" +
                            "2 references, 2 missing, 1 without a candidate\n");
    const QString mended = prefix.driveC() + "/studio-mended.pz3";
    QVERIFY(runQuobbin({"--check", scene, "--fix"}).out.endsWith("; 1 mended in " + mended + "\n"));
    QCOMPARE(prefix.readFile("studio-mended.pz3"),
             "{\r\nfigureResFile :Runtime:Geo:Figure.obj\r\ntextureMap \"gone.jpg\"\r\n}\r\n");
    QCOMPARE(runQuobbin({"--check", mended}).out.count("\n  "), 1);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
