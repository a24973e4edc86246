#include <QDir>
#include <QFile>
#include <QTest>

#include "platform/drives.h"
#include "tests/support/test_prefix.h"

class DrivesTest : public QObject {
    Q_OBJECT

private slots:
    void resolvesDrivePaths_data();
    void resolvesDrivePaths();
    void reportsHostFoldersAsDrivePaths_data();
    void reportsHostFoldersAsDrivePaths();
    void readsDrivesOfDosdevices();
    void withoutPrefixUsesDefaultDrives();
};

void DrivesTest::resolvesDrivePaths_data() {
    QTest::addColumn<QString>("drivePath");
    QTest::addColumn<QString>("hostRelative");  // to drive c:, "" for none
    QTest::addColumn<QString>("reported");

    QTest::newRow("names as they stand") << "c:\\Poser\\Runtime"
                                         << "Poser/Runtime"
                                         << "C:\\Poser\\Runtime";
    QTest::newRow("letter case ignored where no exact entry") << "C:\\POSER\\runtime\\SKIN.JPG"
                                                              << "Poser/Runtime/skin.jpg"
                                                              << "C:\\Poser\\Runtime\\skin.jpg";
    QTest::newRow("exact entry wins over one differing in case") << "c:\\poser"
                                                                 << "poser"
                                                                 << "C:\\poser";
    QTest::newRow("names past the last folder kept as given") << "c:\\poser\\New\\x.obj"
                                                              << "poser/New/x.obj"
                                                              << "C:\\poser\\New\\x.obj";
    QTest::newRow("dot and dot-dot applied, not past the root")
        << "c:\\..\\Poser\\.\\Runtime\\..\\Runtime\\"
        << "Poser/Runtime"
        << "C:\\Poser\\Runtime";
    QTest::newRow("bare drive") << "c:\\"
                                << ""
                                << "C:\\";
    QTest::newRow("forward slash is no separator") << "c:\\Poser/Runtime"
                                                   << "Poser/Runtime"
                                                   << "C:\\Poser/Runtime";
}

void DrivesTest::resolvesDrivePaths() {
    QFETCH(QString, drivePath);
    QFETCH(QString, hostRelative);
    QFETCH(QString, reported);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/skin.jpg"));
    prefix.makeFolder(QStringLiteral("poser"));

    const auto resolved = WineDrives::fromEnvironment().resolve(drivePath);
    QVERIFY(resolved);
    const QString expectedHost = QDir::cleanPath(prefix.driveC() + u'/' + hostRelative);
    QCOMPARE(resolved->hostPath, expectedHost);
    QCOMPARE(resolved->drivePath, reported);
}

void DrivesTest::reportsHostFoldersAsDrivePaths_data() {
    QTest::addColumn<QString>("hostRelative");  // to the test's folder
    QTest::addColumn<QString>("drivePath");

    QTest::newRow("deepest root wins") << "wine/drive_c/Poser/Runtime"
                                       << "D:\\Runtime";
    QTest::newRow("lower letter wins a shared root") << "wine/drive_c/Users"
                                                     << "C:\\Users";
    QTest::newRow("folder reached through a link: its real place") << "wine/drive_c/ToPoser/Runtime"
                                                                   << "D:\\Runtime";
    QTest::newRow("outside every drive but z:") << "elsewhere"
                                                << "";
}

void DrivesTest::reportsHostFoldersAsDrivePaths() {
    QFETCH(QString, hostRelative);
    QFETCH(QString, drivePath);
    TestPrefix prefix;
    prefix.makeFolder(QStringLiteral("Poser/Runtime"));
    prefix.makeFolder(QStringLiteral("Users"));
    QDir().mkpath(prefix.folder() + QStringLiteral("/elsewhere"));
    QFile::link(prefix.driveC() + QStringLiteral("/Poser"),
                prefix.driveC() + QStringLiteral("/ToPoser"));
    prefix.linkDrive(u'd', prefix.driveC() + QStringLiteral("/Poser"));
    prefix.linkDrive(u'y', QStringLiteral("../drive_c"));  // shares c:'s root

    const WineDrives drives = WineDrives::fromEnvironment();
    const QString host = prefix.folder() + u'/' + hostRelative;
    const QString expected =
        drivePath.isEmpty() ? QStringLiteral("Z:") + QDir(host).canonicalPath().replace(u'/', u'\\')
                            : drivePath;
    QCOMPARE(drives.toDrivePath(host), expected);
}

void DrivesTest::readsDrivesOfDosdevices() {
    TestPrefix prefix;
    const QString dosdevices = prefix.prefix() + QStringLiteral("/dosdevices/");
    QFile::link(QStringLiteral("/dev/null"), dosdevices + QStringLiteral("c::"));
    QFile::link(QStringLiteral("/dev/null"), dosdevices + QStringLiteral("com1"));
    prefix.linkDrive(u'E', prefix.folder() + QStringLiteral("/gone"));

    const WineDrives drives = WineDrives::fromEnvironment();
    QString letters;
    for (const Drive& drive : drives.drives()) {
        letters += drive.letter;
    }
    QCOMPARE(letters, QStringLiteral("cez"));
    QVERIFY(drives.drive(u'c')->isReady());
    QVERIFY(!drives.drive(u'e')->isReady());  // its link points nowhere
}

void DrivesTest::withoutPrefixUsesDefaultDrives() {
    TestPrefix prefix;
    QDir(prefix.prefix()).removeRecursively();
    const WineDrives drives = WineDrives::fromEnvironment();
    QVERIFY(drives.isFallback());
    QCOMPARE(drives.drives().size(), 2);
    QCOMPARE(drives.drive(u'c')->root,
             prefix.folder() + QStringLiteral("/home/.local/share/quobbin/drive_c"));
    QCOMPARE(drives.drive(u'z')->root, QStringLiteral("/"));
    QVERIFY(!QFileInfo::exists(prefix.prefix()));  // no prefix is made
}

QTEST_GUILESS_MAIN(DrivesTest)
#include "drives_test.moc"
