#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "core/folders/folder_lists.h"
#include "tests/support/test_prefix.h"

class FolderListsTest : public QObject {
    Q_OBJECT

private slots:
    void listsWhatAPathCanName_data();
    void listsWhatAPathCanName();
    void failedSetPathKeepsTheFolder();
    void sharesOneReadAndReportsDrivePaths();
    void opensTheVerySubfolderListed();
};

void FolderListsTest::listsWhatAPathCanName_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");

    QTest::newRow("in order, letter case ignored; the same letters by bytes")
        << QStringList{"b.obj", "C.obj", "skin.jpg", "Skin.jpg", "a.obj", "Sub/", "ab/"}
        << QStringList{"a.obj", "b.obj", "C.obj", "Skin.jpg", "skin.jpg"}
        << QStringList{"ab", "Sub"};
    QTest::newRow("names a Windows path cannot hold, devices' names")
        << QStringList{"a:b.obj", "line\r\nforged.obj", "blank ", "dot./", "aux.obj", "NUL/",
                       "kept.obj"}
        << QStringList{"kept.obj"} << QStringList{};
    QTest::newRow("links are what they point at; FIFOs and devices are nothing")
        << QStringList{"real.obj",         "linked.obj -> real.obj", "Sub/",
                       "LinkedDir -> Sub", "dangling -> nowhere",    "null.obj -> /dev/null",
                       "fifo.obj|"}
        << QStringList{"linked.obj", "real.obj"} << QStringList{"LinkedDir", "Sub"};
}

void FolderListsTest::listsWhatAPathCanName() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    TestPrefix prefix;
    prefix.makeTree(QStringLiteral("Lib"), entries);
    // A name that is not UTF-8 cannot be given to Poser either.
    const QByteArray invalid = QFile::encodeName(prefix.driveC()) + "/Lib/bad\xff.obj";
    ::close(::open(invalid.constData(), O_CREAT | O_WRONLY, 0644));

    const Drives drives = Drives::ofSystem();
    FolderList folderList(drives);
    FileList fileList(drives);
    QVERIFY(folderList.setPath("c:\\Lib"));
    fileList.setPath(folderList);
    QStringList listedFiles;
    for (std::ptrdiff_t i = 0; i < fileList.ListCount(); ++i) {
        listedFiles.append(QString::fromStdString(fileList.List(i)));
    }
    QStringList listedFolders;
    for (std::ptrdiff_t i = 0; i < folderList.ListCount(); ++i) {
        listedFolders.append(QString::fromStdString(folderList.List(i)).section(u'\\', -1));
    }
    QCOMPARE(listedFiles, files);
    QCOMPARE(listedFolders, folders);
}

void FolderListsTest::failedSetPathKeepsTheFolder() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Lib/a.obj"));

    FileList files(Drives::ofSystem());
    QVERIFY(files.setPath("c:\\Lib"));
    for (const QString& unopenable : {QStringLiteral("c:\\Gone"), QStringLiteral("c:\\Lib\\a.obj"),
                                      QStringLiteral("q:\\"), QStringLiteral("Lib"), QString()}) {
        QVERIFY2(!files.setPath(unopenable.toStdString()), qPrintable(unopenable));
        QCOMPARE(files.Path(), std::string("C:\\Lib"));
        QCOMPARE(files.ListCount(), 1);
    }
}

void FolderListsTest::sharesOneReadAndReportsDrivePaths() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Lib/a.obj"));
    const Drives drives = Drives::ofSystem();
    FolderList folders(drives);
    FileList files(drives);
    QVERIFY(folders.setPath("c:"));  // a drive text: its current folder
    QVERIFY(folders.setPath("C:\\"));
    QCOMPARE(folders.Path(), std::string("C:\\"));
    QCOMPARE(folders.List(0), std::string("C:\\Lib"));
    QVERIFY(folders.setPath("c:\\lib"));
    files.setPath(folders);
    QCOMPARE(files.listing().get(), folders.listing().get());
    QCOMPARE(files.Path(), std::string("C:\\Lib"));
}

void FolderListsTest::opensTheVerySubfolderListed() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Drive/Props/a.obj"));
    prefix.writeFile(QStringLiteral("Drive/props/b.obj"));
    const Drives drives = Drives::ofSystem();
    FolderList root(drives);
    FolderList folders(drives);
    QVERIFY(root.setPath("C:\\"));
    QVERIFY(folders.setPathToSubfolder(root, 0));
    QCOMPARE(folders.Path(), std::string("C:\\Drive"));
    FolderList props(drives);
    QVERIFY(props.setPathToSubfolder(folders, 0));
    QCOMPARE(props.Path(), folders.List(0));

    QDir(prefix.driveC() + QStringLiteral("/Drive/Props")).removeRecursively();
    QVERIFY(!props.setPathToSubfolder(folders, 0));
    QCOMPARE(props.Path(), std::string("C:\\Drive\\Props"));
    FolderList byPath(drives);
    QVERIFY(byPath.setPath(folders.List(0)));
    QCOMPARE(byPath.Path(), std::string("C:\\Drive\\props"));
    QVERIFY(props.setPathToSubfolder(folders, 1));
    QCOMPARE(props.Path(), std::string("C:\\Drive\\props"));
}

QTEST_GUILESS_MAIN(FolderListsTest)
#include "folder_lists_test.moc"
