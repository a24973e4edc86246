#include <QDir>
#include <QFile>
#include <QTest>

#include "core/settings/settings_file.h"
#include "tests/support/test_prefix.h"

namespace {

QString storedFolderOr(const QString& none) {
    const std::optional<std::string> folder = settingsFileOf(Drives::ofSystem()).storedFolder();
    return folder ? QString::fromStdString(*folder) : none;
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void whatStandsInItsPlace_data();
    void whatStandsInItsPlace();
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
}

void SettingsFileTest::whatStandsInItsPlace() {
    QFETCH(QString, place);
    QFETCH(QString, folder);
    QFETCH(bool, measured);
    QFETCH(bool, writable);
    TestPrefix prefix;
    prefix.makeFolder(QStringLiteral("ol"));
    if (place == QStringLiteral("folder")) {
        prefix.makeFolder(QStringLiteral("ol/zz"));
    } else if (place == QStringLiteral("fifo")) {
        prefix.makeTree(QStringLiteral("ol"), {"zz|"});
    }
    const SettingsFile settings = settingsFileOf(Drives::ofSystem());
    QCOMPARE(storedFolderOr(QStringLiteral("(none)")), folder);
    QCOMPARE(settings.ensureAndMeasure().has_value(), measured);
    QCOMPARE(settings.write("C:\\Poser 6"), writable);
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
