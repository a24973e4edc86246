#include <QTest>

#include "lookup/index_search.h"
#include "platform/letter_case.h"
#include "platform/text_lines.h"
#include "tests/support/test_prefix.h"

class IndexSearchTest : public QObject {
    Q_OBJECT

private slots:
    void findsWhatTheLineRuleFinds_data();
    void findsWhatTheLineRuleFinds();
};

void IndexSearchTest::findsWhatTheLineRuleFinds_data() {
    QTest::addColumn<QString>("wanted");
    QTest::newRow("full name") << "Key.obj";
    QTest::newRow("base name") << "key";
    QTest::newRow("beyond ASCII") << "K\u00C9Y.obj";
}

// Lines that trip a search skipping through the index (names in either case, in longer names,
// as folders, with the Kelvin sign; every line end; lines about the longest), past a read's
// block, the last without a line end: it finds what one line after the other finds.
void IndexSearchTest::findsWhatTheLineRuleFinds() {
    QFETCH(QString, wanted);
    QByteArray lines;
    for (const char* folder : {"", "C:\\A\\", "C:\\\u00C4\\", "C:\\key.obj\\"}) {
        for (const char* name : {"key.obj", "KEY.Obj", "\u212Aey.obj", "mykey.obj", "key.obj.bak",
                                 "key", "key.", "k\u00E9y.obj"}) {
            for (const char* end : {"\r\n", "\n", "\r\r\n", "\rx\r\n"}) {
                lines += folder + QByteArray(name) + end;
            }
        }
    }
    const QByteArray longest = "C:\\" + QByteArray(maxLineLength - 11, 'a') + "\\key.obj";
    TestPrefix prefix;
    const QString index =
        prefix.writeFile("ol/oz", lines.repeated(200) + longest + "\r\n" + lines.repeated(600) +
                                      longest + "a\\key.obj\r\n" + lines + "key.obj");
    const FileNameMatch match(toLowerSimple(wanted), compareModeFor(wanted));
    QByteArrayList found;
    searchIndex(WineDrives::fromEnvironment(), match,
                [&](QByteArrayView line) { found += line.toByteArray(); });
    QByteArrayList lineByLine;
    LineReader reader;
    reader.open(index);
    for (QByteArrayView line; reader.readLine(line);) {
        if (match.matches(line) && isPathText(line)) {
            lineByLine += line.toByteArray();
        }
    }
    QCOMPARE(found, lineByLine);
}

QTEST_GUILESS_MAIN(IndexSearchTest)
#include "index_search_test.moc"
