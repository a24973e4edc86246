#include <QDir>
#include <QFile>
#include <QTest>

#include "core/index/library_scan.h"
#include "tests/support/test_prefix.h"

namespace {

// The index that holds these lines, given below the Poser folder with "/".
QByteArray indexOf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text += "C:\\Poser\\" + QString(line).replace(u'/', u'\\').toUtf8() + "\r\n";
    }
    return text;
}

const QByteArray oldIndex = "C:\\Old\\a much longer line than most new ones.obj\r\n";

const std::string poser = "C:\\Poser";

// A library at c:\Poser and an old index beside it, scanned as Update scans it, with its
// folders read ahead of the walk or not; each step of the walk calls `betweenSteps`.
struct Library {
    explicit Library(const QStringList& entries) {
        prefix.makeTree(QStringLiteral("Poser"), entries);
        prefix.writeFile(QStringLiteral("ol/oz"), oldIndex);
    }
    void prepare(LibraryScan& scanner) {
        QVERIFY(scanner.Dir10.setPath(poser));
        scanner.PrepareScan(poser);
    }
    ScanOutcome scan(
        bool readAhead = true, const BetweenSteps& betweenSteps = [] { return true; }) {
        LibraryScan& scanner = readAhead ? readingAhead : oneByOne;
        prepare(scanner);
        return scanner.ScanLibrary(betweenSteps);
    }
    QByteArray index() const { return prefix.readFile(QStringLiteral("ol/oz")); }

    TestPrefix prefix;
    LibraryScan readingAhead{Drives::ofSystem()};
    LibraryScan oneByOne{Drives::ofSystem(), 0};
};

}  // namespace

class LibraryScanTest : public QObject {
    Q_OBJECT

private slots:
    void selectsByExtension_data();
    void selectsByExtension();
    void writesTheIndex_data();
    void writesTheIndex();
    void skipsAFolderThatVanished_data();
    void skipsAFolderThatVanished();
    void stepsAndStops_data();
    void stepsAndStops();
};

void LibraryScanTest::selectsByExtension_data() {
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<ExtensionRule>("rule");
    QTest::addColumn<bool>("library");
    const auto row = [](const char* name, const char* extensions, ExtensionRule rule,
                        bool library) {
        QTest::newRow(name) << QString::fromUtf8(extensions) << rule << library;
    };
    row("library files, letter case ignored",
        "cr2 crz pz2 p2z pp2 ppz hr2 hrz fc2 fcz hd2 hdz lt2 ltz cm2 cmz mc6 mcz mt5 mz5 pzz CR2 "
        "pZz",
        ExtensionRule::Indexed, true);
    row("pz3: a library file, left out", "pz3 PZ3", ExtensionRule::LeftOut, true);
    row("the other five left out", "rsr gif txt bvh dxf Rsr", ExtensionRule::LeftOut, false);
    row("a png: a thumbnail or a texture", "png PnG", ExtensionRule::Png, false);
    row("all others are indexed", "obj jpg txts tx gz t\u0425t cr pz22", ExtensionRule::Indexed,
        false);
}

void LibraryScanTest::selectsByExtension() {
    QFETCH(QString, extensions);
    QFETCH(ExtensionRule, rule);
    QFETCH(bool, library);
    for (const QString& extension : extensions.split(u' ')) {
        QVERIFY2(ruleOfExtension(extension.toStdString()) == rule, qPrintable(extension));
        QVERIFY2(isLibraryExtension(extension.toStdString()) == library, qPrintable(extension));
    }
}

void LibraryScanTest::writesTheIndex_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("only names with a dot; the last dot decides")
        << QStringList{"A.b/README",   "A.b/x.tar.gz",   "A.b/a.txt.bak", "A.b/b.bak.txt",
                       "A.b/.profile", "A.b/Figure.CR2", "A.b/scene.PZ3"}
        << QStringList{"A.b/.profile", "A.b/a.txt.bak", "A.b/Figure.CR2", "A.b/x.tar.gz"};
    QTest::newRow("a folder's files, then each subfolder with all below it")
        << QStringList{"Z/c.pp2", "A/Sub/b.pp2", "A/a.pp2", "A/Sub2/c.pp2"}
        << QStringList{"A/a.pp2", "A/Sub/b.pp2", "A/Sub2/c.pp2", "Z/c.pp2"};
    QTest::newRow("no line for files directly in the Poser folder or for empty folders")
        << QStringList{"Poser.obj", "A/", "B/C/", "D/d.obj"} << QStringList{"D/d.obj"};
    QTest::newRow("a png beside a library file of its base name is its thumbnail")
        << QStringList{"A/Fig.CR2",   "A/fig.png",   "A/a.b.pz2",  "A/a.png", "A/A.B.PNG",
                       "A/scene.pz3", "A/scene.png", "A/skin.png", "A/x.obj", "A/x.png",
                       "B/fig.png",   "B/Ünï.hd2",   "B/üNÏ.png"}
        << QStringList{"A/a.b.pz2", "A/a.png", "A/Fig.CR2", "A/skin.png",
                       "A/x.obj",   "A/x.png", "B/fig.png", "B/Ünï.hd2"};
    QTest::newRow("level 8 is indexed, level 9 is not")
        << QStringList{"1/2/3/4/5/6/7/8/8.obj", "1/2/3/4/5/6/7/8/9/9.obj"}
        << QStringList{"1/2/3/4/5/6/7/8/8.obj"};
    QTest::newRow("no FIFO, device or name Windows cannot hold")
        << QStringList{"A/pipe.obj|", "A/null.obj -> /dev/null",  "A/odd.",
                       "A/x.obj ",    "A/line\r\nC:\\forged.obj", "A/kept.obj"}
        << QStringList{"A/kept.obj"};
    QStringList selfLinks{"A/a.obj"};
    for (int i = 0; i < 3; ++i) {
        selfLinks.append(QStringLiteral("A/l%1 -> .").arg(i));
    }
    QTest::newRow("links to the folder itself are not entered")
        << selfLinks << QStringList{"A/a.obj"};
    QTest::newRow("nor links to its ancestors, on the host too")
        << QStringList{"A/B/b.obj", "A/B/up -> ../..", "A/B/top -> /", "A/B/home -> ../../../.."}
        << QStringList{"A/B/b.obj"};
    QTest::newRow("nor links to a folder on the walk's path; other links are")
        << QStringList{"X/x.obj", "X/toY -> ../Y", "Y/y.obj", "Y/toX -> ../X"}
        << QStringList{"X/x.obj", "X/toY/y.obj", "Y/y.obj", "Y/toX/x.obj"};
    QTest::newRow("a link to a folder whose name starts its holder's, and all below it")
        << QStringList{"Char/S/s.obj", "Character/toChar -> ../Char"}
        << QStringList{"Char/S/s.obj", "Character/toChar/S/s.obj"};
}

void LibraryScanTest::writesTheIndex() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, lines);
    Library library(entries);
    QCOMPARE(library.scan(), ScanOutcome::Written);
    const QByteArray first = library.index();
    QCOMPARE(first, indexOf(lines));
    QCOMPARE(library.scan(false), ScanOutcome::Written);
    QCOMPARE(library.index(), first);
    QVERIFY(!QFileInfo::exists(library.prefix.driveC() + QStringLiteral("/ol/oz.new")));
}

void LibraryScanTest::skipsAFolderThatVanished_data() {
    QTest::addColumn<bool>("readAhead");
    QTest::newRow("read ahead") << true;
    QTest::newRow("read one by one") << false;
}

// Left to itself, a list that cannot open a folder shows the previous one, whose lines would
// then be written again; the walk skips the folder and everything below it instead.
void LibraryScanTest::skipsAFolderThatVanished() {
    QFETCH(bool, readAhead);
    const QStringList lines{"A/a.obj", "A/Sub/s.obj", "b/twin.obj", "C/c.obj"};
    Library library(lines + QStringList{"B/b.obj"});
    LibraryScan scanner(Drives::ofSystem(), readAhead ? 2 : 0);
    library.prepare(scanner);  // lists B
    QVERIFY(QDir(library.prefix.driveC() + QStringLiteral("/Poser/B")).removeRecursively());
    QCOMPARE(scanner.ScanLibrary([] { return true; }), ScanOutcome::Written);
    QCOMPARE(library.index(), indexOf(lines));
}

void LibraryScanTest::stepsAndStops_data() {
    QTest::addColumn<int>("stopAt");  // the step that answers "stop", 0 for none
    QTest::addColumn<ScanOutcome>("outcome");
    QTest::newRow("a step for every folder and every file") << 0 << ScanOutcome::Written;
    QTest::newRow("stopped at the last file: the old index stays") << 5 << ScanOutcome::Stopped;
    QTest::newRow("stopped at a folder") << 4 << ScanOutcome::Stopped;
}

// Steps: folder A, a.obj, b.obj, folder B, c.obj.
void LibraryScanTest::stepsAndStops() {
    QFETCH(int, stopAt);
    QFETCH(ScanOutcome, outcome);
    Library library({"A/a.obj", "A/b.obj", "B/c.obj"});
    int steps = 0;
    QCOMPARE(library.scan(true, [&] { return ++steps != stopAt; }), outcome);
    QCOMPARE(steps, stopAt == 0 ? 5 : stopAt);
    QCOMPARE(library.index(), stopAt == 0 ? indexOf({"A/a.obj", "A/b.obj", "B/c.obj"}) : oldIndex);
    QVERIFY(!QFileInfo::exists(library.prefix.driveC() + QStringLiteral("/ol/oz.new")));
}

QTEST_GUILESS_MAIN(LibraryScanTest)
#include "library_scan_test.moc"
