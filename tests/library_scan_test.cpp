#include <dirent.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/form1.h"
#include "tests/support/during_scan.h"
#include "tests/support/message_boxes.h"
#include "tests/support/test_prefix.h"

namespace {

const QString poserFolder = QStringLiteral("Poser");

// A Poser folder at c:\Poser made of paths below it: a path ending in "/" is an empty folder.
void makeLibrary(const TestPrefix& prefix, const QStringList& paths) {
    prefix.makeFolder(poserFolder);
    for (const QString& path : paths) {
        if (path.endsWith(u'/')) {
            prefix.makeFolder(poserFolder + u'/' + path);
        } else {
            prefix.writeFile(poserFolder + u'/' + path);
        }
    }
}

void loadWithPoserFolder(Form1& form) {
    QVERIFY(form.Form_Load());
    form.PoserDir = QStringLiteral("C:\\Poser");
}

void pressUpdate(Form1& form) {
    MessageBoxAnswerer yes({QMessageBox::Yes});
    form.Command5->click();
}

QByteArray indexFile(const TestPrefix& prefix) {
    QFile index(prefix.driveC() + QStringLiteral("/ol/oz"));
    return index.open(QIODevice::ReadOnly) ? index.readAll() : QByteArray("(no index)");
}

// The index that holds these lines, given below the Poser folder with "\".
QByteArray indexOf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text += "C:\\Poser\\" + line.toUtf8() + "\r\n";
    }
    return text;
}

QByteArray scan(const TestPrefix& prefix, const QStringList& paths) {
    makeLibrary(prefix, paths);
    Form1 form;
    loadWithPoserFolder(form);
    pressUpdate(form);
    return indexFile(prefix);
}

}  // namespace

class LibraryScanTest : public QObject {
    Q_OBJECT

private slots:
    void selectsFilesByExtension_data();
    void selectsFilesByExtension();
    void writesTheTreeDepthFirst_data();
    void writesTheTreeDepthFirst();
    void writesTheIndexAnew();
    void skipsFoldersThatCannotBeOpened_data();
    void skipsFoldersThatCannotBeOpened();
    void boundsALinkLoop();
    void indexesALargeFolderWhole();
    void yieldsAtEveryStepWhenDue_data();
    void yieldsAtEveryStepWhenDue();
    void handlesAClickDuringTheScan();
};

void LibraryScanTest::selectsFilesByExtension_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("indexed");

    QTest::newRow("content files, as listed")
        << QStringList{"Figure.CR2", "pose.pz2", "skin.jpg", "x.obj"}
        << QStringList{"Figure.CR2", "pose.pz2", "skin.jpg", "x.obj"};
    QTest::newRow("the seven left out, in any case")
        << QStringList{"scene.PZ3", "Thumb.Rsr", "walk.bvh", "notes.TXT", "a.png", "b.GIF", "c.dxf"}
        << QStringList{};
    QTest::newRow("a name without a dot")
        << QStringList{"README", "Makefile", "x.obj"} << QStringList{"x.obj"};
    QTest::newRow("the last dot decides")
        << QStringList{"archive.tar.gz", "a.txt.bak", "b.bak.txt", ".profile", "odd."}
        << QStringList{".profile", "a.txt.bak", "archive.tar.gz", "odd."};
    QTest::newRow("letters outside ASCII are other letters")
        << QStringList{"x.tx\u0422", "y.\u00F1pg", "z.G\u0130F"}
        << QStringList{"x.tx\u0422", "y.\u00F1pg", "z.G\u0130F"};
    QTest::newRow("a name with CR LF forges no line")
        << QStringList{"line\r\nC:\\forged.obj", "kept.obj"} << QStringList{"kept.obj"};
}

void LibraryScanTest::selectsFilesByExtension() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, indexed);
    TestPrefix prefix;
    QStringList paths;
    QStringList lines;
    for (const QString& name : names) {
        paths.append(QStringLiteral("Props.old/") + name);
    }
    for (const QString& name : indexed) {
        lines.append(QStringLiteral("Props.old\\") + name);
    }
    QCOMPARE(scan(prefix, paths), indexOf(lines));
}

void LibraryScanTest::writesTheTreeDepthFirst_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("a folder's files, then each subfolder with all below it")
        << QStringList{"Z/c.pp2", "A/Sub/b.pp2", "A/a.pp2"}
        << QStringList{"A\\a.pp2", "A\\Sub\\b.pp2", "Z\\c.pp2"};
    QTest::newRow("both lists in order, letter case ignored")
        << QStringList{"a/y.obj", "a/X.obj", "B/b/1.obj", "B/A/2.obj", "B/0.obj"}
        << QStringList{"a\\X.obj", "a\\y.obj", "B\\0.obj", "B\\A\\2.obj", "B\\b\\1.obj"};
    QTest::newRow("files directly in the Poser folder are never indexed")
        << QStringList{"Poser.obj", "Runtime/x.obj"} << QStringList{"Runtime\\x.obj"};
    QTest::newRow("no subfolders: an empty index")
        << QStringList{"Poser.obj", "Figure.cr2"} << QStringList{};
    QTest::newRow("empty folders give no line")
        << QStringList{"A/", "B/C/", "D/d.obj"} << QStringList{"D\\d.obj"};
    QTest::newRow("level 8 is indexed, level 9 and deeper are not")
        << QStringList{"1/2/3/4/5/6/7/8/eight.obj", "1/2/3/4/5/6/7/8/9/nine.obj",
                       "1/2/3/4/5/6/7/8/9/10/ten.obj"}
        << QStringList{"1\\2\\3\\4\\5\\6\\7\\8\\eight.obj"};
}

void LibraryScanTest::writesTheTreeDepthFirst() {
    QFETCH(QStringList, paths);
    QFETCH(QStringList, lines);
    TestPrefix prefix;
    QCOMPARE(scan(prefix, paths), indexOf(lines));
}

void LibraryScanTest::writesTheIndexAnew() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/oz"), "C:\\Old\\a much longer line than the new ones\r\n");
    makeLibrary(prefix, {"A/a.obj", "B/b.obj"});
    Form1 form;
    loadWithPoserFolder(form);
    pressUpdate(form);
    const QByteArray first = indexFile(prefix);
    QCOMPARE(first, indexOf({"A\\a.obj", "B\\b.obj"}));
    pressUpdate(form);
    QCOMPARE(indexFile(prefix), first);
}

void LibraryScanTest::skipsFoldersThatCannotBeOpened_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("otherFolders");
    QTest::addColumn<QStringList>("lines");

    const QStringList lines{"A\\a.obj", "A\\Sub\\s.obj", "C\\c.obj"};
    QTest::newRow("vanished during the scan") << "vanished" << QStringList{} << lines;
    QTest::newRow("vanished, a folder named b beside it")
        << "vanished" << QStringList{"b/twin.obj"}
        << QStringList{"A\\a.obj", "A\\Sub\\s.obj", "b\\twin.obj", "C\\c.obj"};
    QTest::newRow("replaced by a file during the scan") << "file" << QStringList{} << lines;
    QTest::newRow("its link's target vanished during the scan") << "link" << QStringList{} << lines;
    QTest::newRow("no permission") << "unreadable" << QStringList{} << lines;
}

// Left to itself, a list that cannot open a folder shows the previous one, whose lines would
// then be written again; the walk skips the folder and everything below it instead.
void LibraryScanTest::skipsFoldersThatCannotBeOpened() {
    QFETCH(QString, fault);
    QFETCH(QStringList, otherFolders);
    QFETCH(QStringList, lines);
    TestPrefix prefix;
    makeLibrary(prefix, QStringList{"A/a.obj", "A/Sub/s.obj", "C/c.obj"} + otherFolders);
    const QString target =
        prefix.driveC() + (fault == QStringLiteral("link") ? QStringLiteral("/Elsewhere/B")
                                                           : QStringLiteral("/Poser/B"));
    prefix.writeFile(target.mid(prefix.driveC().size() + 1) + QStringLiteral("/b.obj"));
    prefix.writeFile(target.mid(prefix.driveC().size() + 1) + QStringLiteral("/Sub/t.obj"));
    if (fault == QStringLiteral("link")) {
        QVERIFY(QFile::link(target, prefix.driveC() + QStringLiteral("/Poser/B")));
    }
    if (fault == QStringLiteral("unreadable")) {
        QFile::setPermissions(target, QFileDevice::WriteOwner);
        if (DIR* open = opendir(QFile::encodeName(target).constData())) {
            closedir(open);
            QFile::setPermissions(
                target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("permissions do not bind this user");
        }
    }
    Form1 form;
    loadWithPoserFolder(form);
    form.Check1->setChecked(true);
    // The first yield comes before the first folder is opened, after `Dir10` has listed B.
    DuringScan atFirstYield(form, [&](int yield) {
        if (yield != 1) {
            return;
        }
        if (fault != QStringLiteral("unreadable")) {
            QDir(target).removeRecursively();
        }
        if (fault == QStringLiteral("file")) {
            prefix.writeFile(QStringLiteral("Poser/B"), "not a folder");
        }
    });
    pressUpdate(form);
    QFile::setPermissions(target,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(indexFile(prefix), indexOf(lines));
    QCOMPARE(form.windowTitle(), QStringLiteral("Poser Quobbin"));
}

void LibraryScanTest::boundsALinkLoop() {
    TestPrefix prefix;
    makeLibrary(prefix, {"A/a.obj"});
    QVERIFY(QFile::link(QStringLiteral("."), prefix.driveC() + QStringLiteral("/Poser/A/loop")));
    Form1 form;
    loadWithPoserFolder(form);
    pressUpdate(form);
    QStringList lines;
    QString folder = QStringLiteral("A");
    for (int level = 1; level <= 8; ++level, folder += QStringLiteral("\\loop")) {
        lines.append(folder + QStringLiteral("\\a.obj"));
    }
    QCOMPARE(indexFile(prefix), indexOf(lines));
}

// Counts and indexes are not 16 bits wide.
void LibraryScanTest::indexesALargeFolderWhole() {
    TestPrefix prefix;
    const QString folder = prefix.makeFolder(QStringLiteral("Poser/Textures"));
    constexpr int files = 70000;
    // Links to two files: names cost far less to make than files, and a file takes at most
    // 65,000 links.
    const QByteArray targets[] = {QFile::encodeName(prefix.writeFile(QStringLiteral("even"))),
                                  QFile::encodeName(prefix.writeFile(QStringLiteral("odd")))};
    for (int i = 0; i < files; ++i) {
        const QByteArray path = QFile::encodeName(folder) + "/t" + QByteArray::number(i) + ".jpg";
        QCOMPARE(::link(targets[i % 2].constData(), path.constData()), 0);
    }
    Form1 form;
    loadWithPoserFolder(form);
    pressUpdate(form);
    QCOMPARE(indexFile(prefix).count("\r\n"), files);
    QCOMPARE(form.filecount, files);
}

void LibraryScanTest::yieldsAtEveryStepWhenDue_data() {
    QTest::addColumn<bool>("untickAtFirstYield");
    QTest::addColumn<QList<QByteArray>>("indexAtEachYield");

    const QByteArray a = indexOf({"A\\a.obj"});
    const QByteArray ab = indexOf({"A\\a.obj", "A\\b.obj"});
    // Steps: folder A, a.obj, b.obj, folder B, c.obj.
    QTest::newRow("ticked: each yield sees every line written so far")
        << false << QList<QByteArray>{"", "", a, ab, ab};
    QTest::newRow("unticked during the scan: no further yield") << true << QList<QByteArray>{""};
}

void LibraryScanTest::yieldsAtEveryStepWhenDue() {
    QFETCH(bool, untickAtFirstYield);
    QFETCH(QList<QByteArray>, indexAtEachYield);
    TestPrefix prefix;
    makeLibrary(prefix, {"A/a.obj", "A/b.obj", "B/c.obj"});
    Form1 form;
    loadWithPoserFolder(form);
    form.Check1->setChecked(true);
    QList<QByteArray> seen;
    DuringScan eachYield(form, [&](int) {
        seen.append(indexFile(prefix));
        form.Check1->setChecked(!untickAtFirstYield);
        DuringScan::outlastYieldSpacing();
    });
    pressUpdate(form);
    QCOMPARE(seen, indexAtEachYield);
    QCOMPARE(indexFile(prefix), indexOf({"A\\a.obj", "A\\b.obj", "B\\c.obj"}));
}

void LibraryScanTest::handlesAClickDuringTheScan() {
    TestPrefix prefix;
    makeLibrary(prefix, {"A/a.obj", "A/b.obj", "B/c.obj"});
    Form1 form;
    loadWithPoserFolder(form);
    form.show();
    form.Check1->setChecked(true);
    form.Text1->setPlainText(QStringLiteral("(1) C:\\Poser\\A\\a.obj"));
    QList<bool> clearedWhileScanning;  // after "Clear" has run
    QObject::connect(form.Command3, &QPushButton::clicked, [&] {
        clearedWhileScanning.append(form.scanning && form.Text1->toPlainText().isEmpty());
    });
    DuringScan atFirstYield(form, [&](int yield) {
        if (yield == 1) {
            // A click waiting in the queue, as a user's click waits while the walk works.
            const QPointF centre = form.Command3->rect().center();
            const QPointF global = form.Command3->mapToGlobal(centre);
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    form.Command3, new QMouseEvent(type, centre, global, Qt::LeftButton,
                                                   type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                    : Qt::NoButton,
                                                   Qt::NoModifier));
            }
        }
        DuringScan::outlastYieldSpacing();
    });
    pressUpdate(form);
    QCOMPARE(clearedWhileScanning, QList<bool>{true});
}

QTEST_MAIN(LibraryScanTest)
#include "library_scan_test.moc"
