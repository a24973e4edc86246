#include <QDir>
#include <QFile>
#include <QTest>

#include "app/settings_file.h"
#include "tests/support/scoped_mount.h"
#include "tests/support/test_prefix.h"

namespace {

QString storedFolderOr(const QString& none) {
    const std::optional<std::string> folder =
        settingsFileOf(WineDrives::fromEnvironment()).storedFolder();
    return folder ? QString::fromStdString(*folder) : none;
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void whatStandsInItsPlace_data();
    void whatStandsInItsPlace();
    void writeLeavesExactlyTheNewLine();
};

void SettingsFileTest::whatStandsInItsPlace_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("measured");
    QTest::addColumn<bool>("writable");
    QTest::newRow("nothing: made empty") << "nothing"
                                         << "(none)" << true << true;
    QTest::newRow("a folder") << "folder"
                              << "(none)" << false << false;
    QTest::newRow("a FIFO: no hang, and replaced") << "fifo"
                                                   << "(none)" << false << true;
    QTest::newRow("a file on a read-only disk is read") << "read-only"
                                                        << "C:\\Poser" << true << false;
}

void SettingsFileTest::whatStandsInItsPlace() {
    QFETCH(QString, place);
    QFETCH(QString, folder);
    QFETCH(bool, measured);
    QFETCH(bool, writable);
    TestPrefix prefix;
    const QString ol = prefix.driveC() + QStringLiteral("/ol");
    ScopedMount disk(ol, "size=64k");
    if (place == QStringLiteral("folder")) {
        prefix.makeFolder(QStringLiteral("ol/zz"));
    } else if (place == QStringLiteral("fifo")) {
        prefix.makeTree(QStringLiteral("ol"), {"zz|"});
    } else if (place == QStringLiteral("read-only")) {
        prefix.writeFile(QStringLiteral("ol/zz"), "C:\\Poser\r\n");
        if (!disk.mounted() || !disk.makeReadOnly()) {
            QSKIP(ScopedMount::cannotMount);
        }
    }
    const SettingsFile settings = settingsFileOf(WineDrives::fromEnvironment());
    QCOMPARE(storedFolderOr(QStringLiteral("(none)")), folder);
    QCOMPARE(settings.ensureAndMeasure().has_value(), measured);
    QCOMPARE(settings.write("C:\\Poser 6"), writable);
}

void SettingsFileTest::writeLeavesExactlyTheNewLine() {
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/zz"), "C:\\A much longer old Poser folder\r\nold\r\n");
    QVERIFY(settingsFileOf(WineDrives::fromEnvironment()).write("C:\\Poser"));
    QCOMPARE(prefix.readFile(QStringLiteral("ol/zz")), QByteArray("C:\\Poser\r\n"));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
