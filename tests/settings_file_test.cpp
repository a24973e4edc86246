#include <QDir>
#include <QFile>
#include <QTest>

#include "app/settings_file.h"
#include "tests/support/test_prefix.h"

namespace {

QString storedFolderOr(const QString& none) {
    return SettingsFile(WineDrives::fromEnvironment()).storedFolder().value_or(none);
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void storedFolder_data();
    void storedFolder();
    void whatStandsInItsPlace_data();
    void whatStandsInItsPlace();
};

void SettingsFileTest::storedFolder_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("folder");

    QTest::newRow("empty: no folder") << QByteArray() << "(none)";
    QTest::newRow("5 bytes: no folder") << QByteArray("c:\\\r\n") << "(none)";
    QTest::newRow("6 bytes: a folder") << QByteArray("c:\\p\r\n") << "c:\\p";
    QTest::newRow("first line only") << QByteArray("C:\\Poser\r\nC:\\Other\r\n") << "C:\\Poser";
    QTest::newRow("LF-only line end; a trailing blank is part of the name")
        << QByteArray("C:\\Poser 5 \n") << "C:\\Poser 5 ";
    QTest::newRow("no line end") << QByteArray("C:\\Poser") << "C:\\Poser";
    QTest::newRow("short first line, long file") << QByteArray("x\r\nmore than five") << "x";
    QTest::newRow("UTF-8 names") << QByteArray("C:\\Pos\xC3\xA9r\r\n") << "C:\\Pos\u00E9r";
    QTest::newRow("binary bytes never crash") << QByteArray("\xFF\xFE\0\x01\x80zz\r\n", 9)
                                              << QString::fromUtf8("\xFF\xFE\0\x01\x80zz", 7);
    QTest::newRow("a first line past the longest line: no folder")
        << QByteArray(3 << 20, 'p') << "(none)";
}

void SettingsFileTest::storedFolder() {
    QFETCH(QByteArray, content);
    QFETCH(QString, folder);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/zz"), content);
    QCOMPARE(storedFolderOr(QStringLiteral("(none)")), folder);
}

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
    const SettingsFile settings(WineDrives::fromEnvironment());
    QCOMPARE(storedFolderOr(QStringLiteral("(none)")), folder);
    QCOMPARE(settings.ensureAndMeasure().has_value(), measured);
    QCOMPARE(settings.write(QStringLiteral("C:\\Poser 6")), writable);
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
