#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "platform/folder_lists.h"
#include "tests/support/test_prefix.h"

class FolderListsTest : public QObject {
    Q_OBJECT

private slots:
    void listsInFoldedOrder_data();
    void listsInFoldedOrder();
    void leavesOutNamesWindowsCannotHold();
    void followsLinksAsWineDoes();
    void failedSetPathKeepsTheFolder();
    void sharesOneReadAndReportsDrivePaths();
    void opensTheVerySubfolderListed();
};

void FolderListsTest::listsInFoldedOrder_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ordered");

    QTest::newRow("letter case ignored")
        << QStringList{"b.obj", "C.obj", "a.obj"} << QStringList{"a.obj", "b.obj", "C.obj"};
    QTest::newRow("names differing only in case: by bytes")
        << QStringList{"skin.jpg", "Skin.jpg", "SKIN.jpg"}
        << QStringList{"SKIN.jpg", "Skin.jpg", "skin.jpg"};
    QTest::newRow("non-ASCII by lower-cased code point")
        << QStringList{"\u00C9clair", "zebra", "eagle", "\u00E9t\u00E9"}
        << QStringList{"eagle", "zebra", "\u00C9clair", "\u00E9t\u00E9"};
    QTest::newRow("punctuation and digits by code point")
        << QStringList{"_x", "10", "2", "a b", "ab"} << QStringList{"10", "2", "_x", "a b", "ab"};
}

void FolderListsTest::listsInFoldedOrder() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, ordered);
    TestPrefix prefix;
    for (const QString& name : names) {
        prefix.writeFile(QStringLiteral("Lib/") + name);
        prefix.makeFolder(QStringLiteral("Lib/") + name + QStringLiteral(" dir"));
    }
    const WineDrives drives = WineDrives::fromEnvironment();
    FileList files(drives);
    FolderList folders(drives);
    QVERIFY(files.setPath(QStringLiteral("c:\\Lib")));
    QVERIFY(folders.setPath(QStringLiteral("c:\\Lib")));

    QStringList listed;
    QStringList folderNames;
    for (qsizetype i = 0; i < files.ListCount(); ++i) {
        listed.append(files.List(i));
        folderNames.append(folders.List(i).section(u'\\', -1));
    }
    QCOMPARE(listed, ordered);
    QCOMPARE(folderNames.size(), ordered.size());
}

void FolderListsTest::leavesOutNamesWindowsCannotHold() {
    TestPrefix prefix;
    const QStringList unlistable{"a:b.obj",         "what?.obj", "say\"hi\".obj",
                                 "a<b>.obj",        "pipe|.obj", "star*.obj",
                                 "back\\slash.obj", "tab\t.obj", "line\r\nforged.obj"};
    for (const QString& name : unlistable) {
        prefix.writeFile(QStringLiteral("Lib/") + name);
    }
    prefix.writeFile(QStringLiteral("Lib/kept.obj"));
    // A name that is not UTF-8 cannot be given to Poser either.
    const QByteArray invalid = QFile::encodeName(prefix.driveC()) + "/Lib/bad\xff.obj";
    ::close(::open(invalid.constData(), O_CREAT | O_WRONLY, 0644));

    FileList files(WineDrives::fromEnvironment());
    QVERIFY(files.setPath(QStringLiteral("c:\\Lib")));
    QCOMPARE(files.ListCount(), 1);
    QCOMPARE(files.List(0), QStringLiteral("kept.obj"));
}

void FolderListsTest::followsLinksAsWineDoes() {
    TestPrefix prefix;
    const QString lib = prefix.makeFolder(QStringLiteral("Lib"));
    prefix.writeFile(QStringLiteral("Other/real.obj"));
    QFile::link(prefix.driveC() + QStringLiteral("/Other"), lib + QStringLiteral("/LinkedDir"));
    QFile::link(prefix.driveC() + QStringLiteral("/Other/real.obj"),
                lib + QStringLiteral("/linked.obj"));
    QFile::link(prefix.driveC() + QStringLiteral("/nowhere"), lib + QStringLiteral("/dangling"));

    const WineDrives drives = WineDrives::fromEnvironment();
    FolderList folders(drives);
    FileList files(drives);
    QVERIFY(folders.setPath(QStringLiteral("c:\\Lib")));
    files.setPath(folders);
    QCOMPARE(folders.ListCount(), 1);
    QCOMPARE(folders.List(0), QStringLiteral("C:\\Lib\\LinkedDir"));
    QCOMPARE(files.ListCount(), 1);
    QCOMPARE(files.List(0), QStringLiteral("linked.obj"));
}

void FolderListsTest::failedSetPathKeepsTheFolder() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Lib/a.obj"));
    prefix.writeFile(QStringLiteral("Locked/b.obj"));
    QFile::setPermissions(prefix.driveC() + QStringLiteral("/Locked"), QFile::WriteOwner);

    FileList files(WineDrives::fromEnvironment());
    QVERIFY(files.setPath(QStringLiteral("c:\\Lib")));
    for (const QString& unopenable : {QStringLiteral("c:\\Gone"), QStringLiteral("c:\\Lib\\a.obj"),
                                      QStringLiteral("q:\\"), QStringLiteral("Lib"), QString()}) {
        QVERIFY2(!files.setPath(unopenable), qPrintable(unopenable));
        QCOMPARE(files.Path(), QStringLiteral("C:\\Lib"));
        QCOMPARE(files.ListCount(), 1);
    }
    if (geteuid() != 0) {  // root opens any folder
        QVERIFY(!files.setPath(QStringLiteral("c:\\Locked")));
    }
    QFile::setPermissions(prefix.driveC() + QStringLiteral("/Locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FolderListsTest::sharesOneReadAndReportsDrivePaths() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Lib/a.obj"));
    const WineDrives drives = WineDrives::fromEnvironment();
    FolderList folders(drives);
    FileList files(drives);
    QVERIFY(folders.setPath(QStringLiteral("c:")));  // a drive text: its current folder
    QVERIFY(folders.setPath(QStringLiteral("C:\\")));
    QCOMPARE(folders.Path(), QStringLiteral("C:\\"));
    QCOMPARE(folders.List(0), QStringLiteral("C:\\Lib"));
    QVERIFY(folders.setPath(QStringLiteral("c:\\lib")));
    files.setPath(folders);
    QCOMPARE(files.listing().get(), folders.listing().get());
    QCOMPARE(files.Path(), QStringLiteral("C:\\Lib"));
}

void FolderListsTest::opensTheVerySubfolderListed() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Drive/Props/a.obj"));
    prefix.writeFile(QStringLiteral("Drive/props/b.obj"));
    const WineDrives drives = WineDrives::fromEnvironment();
    FolderList root(drives);
    FolderList folders(drives);
    QVERIFY(root.setPath(QStringLiteral("C:\\")));
    QVERIFY(folders.setPathToSubfolder(root, 0));
    QCOMPARE(folders.Path(), QStringLiteral("C:\\Drive"));
    FolderList props(drives);
    QVERIFY(props.setPathToSubfolder(folders, 0));
    QCOMPARE(props.Path(), folders.List(0));

    QDir(prefix.driveC() + QStringLiteral("/Drive/Props")).removeRecursively();
    QVERIFY(!props.setPathToSubfolder(folders, 0));
    QCOMPARE(props.Path(), QStringLiteral("C:\\Drive\\Props"));
    FolderList byPath(drives);
    QVERIFY(byPath.setPath(folders.List(0)));
    QCOMPARE(byPath.Path(), QStringLiteral("C:\\Drive\\props"));
    QVERIFY(props.setPathToSubfolder(folders, 1));
    QCOMPARE(props.Path(), QStringLiteral("C:\\Drive\\props"));
}

QTEST_GUILESS_MAIN(FolderListsTest)
#include "folder_lists_test.moc"
