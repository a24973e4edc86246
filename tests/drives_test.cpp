#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "core/drives/drives.h"
#include "tests/support/test_prefix.h"

class DrivesTest : public QObject {
    Q_OBJECT

private slots:
    void resolvesDrivePaths_data();
    void resolvesDrivePaths();
    void reportsHostFoldersAsDrivePaths_data();
    void reportsHostFoldersAsDrivePaths();
    void findsTheDrives_data();
    void findsTheDrives();
    void opensADriveAtTheWorkingFolder();
};

void DrivesTest::resolvesDrivePaths_data() {
    QTest::addColumn<QString>("drivePath");
    QTest::addColumn<QString>("hostRelative");  // to drive c:, "" for none
    QTest::addColumn<QString>("reported");

    const auto row = [](const char* name, const char* drivePath, const char* host,
                        const char* reported) {
        QTest::newRow(name) << drivePath << host << reported;
    };
    row("names as they stand", "c:\\Poser\\Runtime", "Poser/Runtime", "C:\\Poser\\Runtime");
    row("letter case ignored where no exact entry", "C:\\POSER\\runtime\\SKIN.JPG",
        "Poser/Runtime/skin.jpg", "C:\\Poser\\Runtime\\skin.jpg");
    row("exact entry wins over one differing in case", "c:\\poser", "poser", "C:\\poser");
}

void DrivesTest::resolvesDrivePaths() {
    QFETCH(QString, drivePath);
    QFETCH(QString, hostRelative);
    QFETCH(QString, reported);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("Poser/Runtime/skin.jpg"));
    prefix.makeFolder(QStringLiteral("poser"));

    const auto resolved = Drives::ofSystem().resolve(drivePath.toStdString());
    QVERIFY(resolved);
    const QString expectedHost = QDir::cleanPath(prefix.driveC() + u'/' + hostRelative);
    QCOMPARE(QString::fromStdString(resolved->hostPath), expectedHost);
    QCOMPARE(QString::fromStdString(resolved->drivePath), reported);
}

void DrivesTest::reportsHostFoldersAsDrivePaths_data() {
    QTest::addColumn<QString>("hostRelative");  // to the test's folder
    QTest::addColumn<QString>("drivePath");

    QTest::newRow("lower letter wins a shared root") << "wine/drive_c/Users"
                                                     << "C:\\Users";
    QTest::newRow("reached through a link: its real place") << "wine/drive_c/ToPoser/Runtime"
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

    const Drives drives = Drives::ofSystem();
    const QString host = prefix.folder() + u'/' + hostRelative;
    const QString expected =
        drivePath.isEmpty() ? QStringLiteral("Z:") + QDir(host).canonicalPath().replace(u'/', u'\\')
                            : drivePath;
    QCOMPARE(QString::fromStdString(drives.toDrivePath(host.toStdString())), expected);
}

void DrivesTest::findsTheDrives_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("drives");  // letter=root, the prefix's folder as "~"

    QTest::newRow("dosdevices: one letter and a colon; c:: is a device")
        << "dosdevices"
        << "c=~/wine/drive_c e=~/gone z=/";
    QTest::newRow("no prefix: Wine's default drives, no prefix made")
        << "no prefix"
        << "c=~/home/.local/share/quobbin/drive_c z=/";
    QTest::newRow("WINEPREFIX unset: ~/.wine") << "default prefix"
                                               << "c=~/home/.wine/drive_c z=/";
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << "relative data home"
        << "c=~/home/.local/share/quobbin/drive_c z=/";
}

void DrivesTest::findsTheDrives() {
    QFETCH(QString, setting);
    QFETCH(QString, drives);
    TestPrefix prefix;
    const QString dosdevices = prefix.prefix() + QStringLiteral("/dosdevices/");
    if (setting == QStringLiteral("dosdevices")) {
        QFile::link(QStringLiteral("/dev/null"), dosdevices + QStringLiteral("c::"));
        QFile::link(QStringLiteral("/dev/null"), dosdevices + QStringLiteral("com1"));
        prefix.linkDrive(u'E', prefix.folder() + QStringLiteral("/gone"));
    } else if (setting == QStringLiteral("default prefix")) {
        QDir().rename(prefix.prefix(), prefix.folder() + QStringLiteral("/home/.wine"));
        qunsetenv("WINEPREFIX");
    } else {
        QDir(prefix.prefix()).removeRecursively();
        if (setting == QStringLiteral("relative data home")) {
            qputenv("XDG_DATA_HOME", "share");
        }
    }
    const Drives wine = Drives::ofSystem();
    QStringList found;
    for (const Drive& drive : wine.drives()) {
        found.append(
            QChar(drive.letter) + QStringLiteral("=") +
            QString::fromStdString(drive.root).replace(prefix.folder(), QStringLiteral("~")));
    }
    QCOMPARE(found.join(u' '), drives);
    QCOMPARE(wine.isFallback(), drives.contains(QStringLiteral("quobbin/drive_c")));
    QVERIFY(!wine.isFallback() || !QFileInfo::exists(prefix.prefix()));
}

// A drive opens at the working folder when that folder lies on it, whatever the letter's case.
void DrivesTest::opensADriveAtTheWorkingFolder() {
    TestPrefix prefix;
    const QString poser = prefix.makeFolder(QStringLiteral("Poser"));
    const QString working = QDir::currentPath();
    QDir::setCurrent(poser);
    const Drives drives = Drives::ofSystem();
    QCOMPARE(drives.driveCurrentFolder('C'), "C:\\Poser");
    QCOMPARE(drives.driveCurrentFolder('z'), "Z:\\");
    QDir::setCurrent(working);
}

QTEST_GUILESS_MAIN(DrivesTest)
#include "drives_test.moc"
