#include <QFile>
#include <QTest>

#include "app/settings_file.h"
#include "tests/support/test_prefix.h"

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void storedFolder_data();
    void storedFolder();
    void writeLeavesExactlyTheNewLine();
    void failsWhereItCannotWrite();
};

void SettingsFileTest::storedFolder_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("holdsFolder");
    QTest::addColumn<QString>("folder");

    QTest::newRow("empty: no folder") << QByteArray() << false << QString();
    QTest::newRow("5 bytes: no folder") << QByteArray("c:\\\r\n") << false << QString();
    QTest::newRow("6 bytes: a folder") << QByteArray("c:\\p\r\n") << true << "c:\\p";
    QTest::newRow("first line only")
        << QByteArray("C:\\Poser\r\nC:\\Other\r\n") << true << "C:\\Poser";
    QTest::newRow("LF-only line end") << QByteArray("C:\\Poser 5\n") << true << "C:\\Poser 5";
    QTest::newRow("no line end") << QByteArray("C:\\Poser") << true << "C:\\Poser";
    QTest::newRow("short first line, long file")
        << QByteArray("x\r\nmore than five") << true << "x";
    QTest::newRow("UTF-8 names") << QByteArray("C:\\Pos\xC3\xA9r\r\n") << true << "C:\\Pos\u00E9r";
    QTest::newRow("binary bytes never crash") << QByteArray("\xFF\xFE\0\x01\x80zz\r\n", 9) << true
                                              << QString::fromUtf8("\xFF\xFE\0\x01\x80zz", 7);
    QTest::newRow("a first line of 1 MB")
        << QByteArray(1 << 20, 'p') << true << QString(1 << 20, u'p');
}

void SettingsFileTest::storedFolder() {
    QFETCH(QByteArray, content);
    QFETCH(bool, holdsFolder);
    QFETCH(QString, folder);
    TestPrefix prefix;
    prefix.writeFile(QStringLiteral("ol/zz"), content);
    const SettingsFile settings(WineDrives::fromEnvironment());
    QCOMPARE(SettingsFile::holdsFolder(*settings.ensureAndMeasure()), holdsFolder);
    QCOMPARE(settings.storedFolder().has_value(), holdsFolder);
    if (holdsFolder) {
        QCOMPARE(*settings.storedFolder(), folder);
    }
}

void SettingsFileTest::writeLeavesExactlyTheNewLine() {
    TestPrefix prefix;
    const QString path =
        prefix.writeFile(QStringLiteral("ol/zz"), "C:\\A much longer old Poser folder\r\nold\r\n");
    QVERIFY(SettingsFile(WineDrives::fromEnvironment()).write(QStringLiteral("C:\\Poser")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("C:\\Poser\r\n"));
}

void SettingsFileTest::failsWhereItCannotWrite() {
    TestPrefix prefix;
    prefix.makeFolder(QStringLiteral("ol/zz"));  // a folder where the file belongs
    const SettingsFile settings(WineDrives::fromEnvironment());
    QVERIFY(!settings.ensureAndMeasure());
    QVERIFY(!settings.storedFolder());
    QVERIFY(!settings.write(QStringLiteral("C:\\Poser")));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
