#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "tests/support/during_scan.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

// A Poser folder at c:\Poser made of paths below it: a path ending in "/" is an empty folder,
// and "link -> target" a symbolic link.
void makeLibrary(const TestPrefix& prefix, const QStringList& paths) {
    const QString poser = prefix.makeFolder(QStringLiteral("Poser")) + u'/';
    for (const QString& path : paths) {
        if (path.endsWith(u'/')) {
            QDir().mkpath(poser + path);
        } else if (const qsizetype arrow = path.indexOf(QStringLiteral(" -> ")); arrow > 0) {
            QFile::link(path.mid(arrow + 4), poser + path.left(arrow));
        } else {
            prefix.writeFile(QStringLiteral("Poser/") + path);
        }
    }
}

// The index that holds these lines, given below the Poser folder with "/".
QByteArray indexOf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text += "C:\\Poser\\" + QString(line).replace(u'/', u'\\').toUtf8() + "\r\n";
    }
    return text;
}

// The main window, loaded, with c:\Poser as its Poser folder.
struct Window : Form1 {
    Window() {
        QVERIFY(Form_Load());
        PoserDir = QStringLiteral("C:\\Poser");
    }
    void pressUpdate() {
        MessageBoxAnswerer yes({QMessageBox::Yes});
        Command5->click();
    }
};

}  // namespace

class LibraryScanTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheIndex_data();
    void writesTheIndex();
    void skipsFoldersThatCannotBeOpened_data();
    void skipsFoldersThatCannotBeOpened();
    void indexesALargeFolderWhole();
    void yieldsWhileMultiTaskIsTicked();
};

void LibraryScanTest::writesTheIndex_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("the selection rule, letter case ignored")
        << QStringList{"A/Figure.CR2", "A/x.obj", "A/scene.PZ3", "A/Thumb.Rsr", "A/walk.bvh",
                       "A/notes.TXT",  "A/a.png", "A/b.GIF",     "A/c.dxf",     "A/skin.jpg"}
        << QStringList{"A/Figure.CR2", "A/skin.jpg", "A/x.obj"};
    QTest::newRow("the last dot of the name decides")
        << QStringList{"A.b/README",    "A.b/x.tar.gz", "A.b/a.txt.bak",
                       "A.b/b.bak.txt", "A.b/.profile", "A.b/odd."}
        << QStringList{"A.b/.profile", "A.b/a.txt.bak", "A.b/odd.", "A.b/x.tar.gz"};
    const QStringList nonAscii{"A/x.tx\u0422", "A/y.\u00F1pg", "A/z.G\u0130F"};
    QTest::newRow("letters outside ASCII are other letters") << nonAscii << nonAscii;
    QTest::newRow("a name with CR LF forges no line")
        << QStringList{"A/line\r\nC:\\forged.obj", "A/kept.obj"} << QStringList{"A/kept.obj"};
    QTest::newRow("a folder's files, then each subfolder with all below it")
        << QStringList{"Z/c.pp2", "A/Sub/b.pp2", "A/a.pp2"}
        << QStringList{"A/a.pp2", "A/Sub/b.pp2", "Z/c.pp2"};
    QTest::newRow("both lists in order, letter case ignored")
        << QStringList{"a/y.obj", "a/X.obj", "B/b/1.obj", "B/A/2.obj", "B/0.obj"}
        << QStringList{"a/X.obj", "a/y.obj", "B/0.obj", "B/A/2.obj", "B/b/1.obj"};
    QTest::newRow("no line for files directly in the Poser folder or for empty folders")
        << QStringList{"Poser.obj", "A/", "B/C/", "D/d.obj"} << QStringList{"D/d.obj"};
    QTest::newRow("level 8 is indexed, level 9 is not")
        << QStringList{"1/2/3/4/5/6/7/8/8.obj", "1/2/3/4/5/6/7/8/9/9.obj"}
        << QStringList{"1/2/3/4/5/6/7/8/8.obj"};
    QStringList loop{"A/a.obj"};  // then A/loop/a.obj, A/loop/loop/a.obj and so on
    while (loop.size() < 8) {
        loop.append(QString(loop.last()).insert(2, QStringLiteral("loop/")));
    }
    QTest::newRow("a link loop ends at level 8") << QStringList{"A/a.obj", "A/loop -> ."} << loop;
}

void LibraryScanTest::writesTheIndex() {
    QFETCH(QStringList, paths);
    QFETCH(QStringList, lines);
    TestPrefix prefix;
    makeLibrary(prefix, paths);
    prefix.writeFile(QStringLiteral("ol/oz"), "C:\\Old\\a much longer line than most new ones\r\n");
    Window form;
    form.pressUpdate();
    const QByteArray first = indexFile(prefix);
    QCOMPARE(first, indexOf(lines));
    form.pressUpdate();
    QCOMPARE(indexFile(prefix), first);
}

void LibraryScanTest::skipsFoldersThatCannotBeOpened_data() {
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("vanished during the scan") << false;
    QTest::newRow("no permission") << true;
}

// Left to itself, a list that cannot open a folder shows the previous one, whose lines would
// then be written again; the walk skips the folder and everything below it instead.
void LibraryScanTest::skipsFoldersThatCannotBeOpened() {
    QFETCH(bool, unreadable);
    if (unreadable && ::geteuid() == 0) {
        QSKIP("permissions do not bind root");
    }
    TestPrefix prefix;
    const QStringList lines{"A/a.obj", "A/Sub/s.obj", "b/twin.obj", "C/c.obj"};
    makeLibrary(prefix, lines + QStringList{"B/"});
    const QString folderB = prefix.driveC() + QStringLiteral("/Poser/B");
    Window form;
    form.Check1->setChecked(true);
    // The first yield comes before the first folder is opened, after `Dir10` has listed B.
    DuringScan atFirstYield(form, [&](int yield) {
        if (yield == 1 && unreadable) {
            QFile::setPermissions(folderB, QFileDevice::WriteOwner);
        } else if (yield == 1) {
            QDir(folderB).removeRecursively();
        }
    });
    form.pressUpdate();
    QCOMPARE(indexFile(prefix), indexOf(lines));
}

// Counts and indexes are not 16 bits wide.
void LibraryScanTest::indexesALargeFolderWhole() {
    TestPrefix prefix;
    const QByteArray folder = QFile::encodeName(prefix.makeFolder(QStringLiteral("Poser/T")));
    // Hard links to two files, as a file takes at most 65,000: far cheaper to make than files.
    const QByteArray targets[] = {QFile::encodeName(prefix.writeFile(QStringLiteral("even"))),
                                  QFile::encodeName(prefix.writeFile(QStringLiteral("odd")))};
    for (int i = 0; i < 70000; ++i) {
        const QByteArray path = folder + "/t" + QByteArray::number(i) + ".jpg";
        QCOMPARE(::link(targets[i % 2].constData(), path.constData()), 0);
    }
    Window form;
    form.pressUpdate();
    QCOMPARE(indexFile(prefix).count("\r\n"), 70000);
}

// Each yield holds the walk up past the spacing of yields, so every step yields: folder A,
// a.obj, b.obj, folder B, c.obj; unticking "Multi-task" at the fourth leaves out the fifth.
void LibraryScanTest::yieldsWhileMultiTaskIsTicked() {
    TestPrefix prefix;
    makeLibrary(prefix, {"A/a.obj", "A/b.obj", "B/c.obj"});
    Window form;
    form.Check1->setChecked(true);
    form.Text1->setPlainText(QStringLiteral("(1) C:\\Poser\\A\\a.obj"));
    QList<bool> clicks;  // for each click on "Clear": whether the scan was running
    QObject::connect(form.Command3, &QPushButton::clicked, [&] { clicks.append(form.scanning); });
    QList<QByteArray> seen;
    DuringScan eachYield(form, [&](int yield) {
        seen.append(indexFile(prefix));
        if (yield == 1) {  // a click waits in the queue, as a user's click waits for the walk
            QMetaObject::invokeMethod(form.Command3, &QPushButton::click, Qt::QueuedConnection);
        }
        form.Check1->setChecked(yield < 4);
        DuringScan::outlastYieldSpacing();
    });
    form.pressUpdate();
    QCOMPARE(clicks, QList<bool>{true});
    QCOMPARE(form.Text1->toPlainText(), QString());
    QCOMPARE(seen,
             (QList<QByteArray>{"", "", indexOf({"A/a.obj"}), indexOf({"A/a.obj", "A/b.obj"})}));
    QCOMPARE(indexFile(prefix), indexOf({"A/a.obj", "A/b.obj", "B/c.obj"}));
}

QTEST_MAIN(LibraryScanTest)
#include "library_scan_test.moc"
