#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/letter_case.h"
#include "platform/text_lines.h"

class TextLinesTest : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void readsLinesLongerThanItsBuffer();
    void writesWholeLinesWithCrLf();
    void lowerCasesOneToOne_data();
    void lowerCasesOneToOne();

private:
    QString fileHolding(const QByteArray& content);
    QTemporaryDir folder;
};

QString TextLinesTest::fileHolding(const QByteArray& content) {
    QString path = folder.filePath(QStringLiteral("lines"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
    return path;
}

void TextLinesTest::readsLines_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("wholeLinesOnly");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << false << QByteArrayList{"a", "b"};
    QTest::newRow("lone LF, as edited on Linux")
        << QByteArray("a\nb\n") << false << QByteArrayList{"a", "b"};
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\nx\r\n") << false << QByteArrayList{"", "", "x"};
    QTest::newRow("CR inside a line stays")
        << QByteArray("a\rb\r\n") << false << QByteArrayList{"a\rb"};
    QTest::newRow("last line without its end")
        << QByteArray("a\r\nb") << false << QByteArrayList{"a", "b"};
    QTest::newRow("unended last line of a file being written")
        << QByteArray("a\r\nhalf a li") << true << QByteArrayList{"a"};
    QTest::newRow("NUL bytes are text")
        << QByteArray("a\0b\r\n", 5) << false << QByteArrayList{QByteArray("a\0b", 3)};
    QTest::newRow("empty file") << QByteArray() << false << QByteArrayList{};
}

void TextLinesTest::readsLines() {
    QFETCH(QByteArray, content);
    QFETCH(bool, wholeLinesOnly);
    QFETCH(QByteArrayList, lines);
    LineReader reader;
    QVERIFY(reader.open(fileHolding(content)));
    reader.setWholeLinesOnly(wholeLinesOnly);
    QByteArrayList read;
    QByteArrayView line;
    while (reader.readLine(line)) {
        read.append(line.toByteArray());
    }
    QCOMPARE(read, lines);
}

void TextLinesTest::readsLinesLongerThanItsBuffer() {
    const QByteArray longLine(3 * 1024 * 1024 + 7, 'x');
    LineReader reader;
    QVERIFY(reader.open(fileHolding("first\r\n" + longLine + "\r\nlast")));
    QByteArrayView line;
    QVERIFY(reader.readLine(line) && line == "first");
    QVERIFY(reader.readLine(line) && line == longLine);
    QVERIFY(reader.readLine(line) && line == "last");
    QVERIFY(!reader.readLine(line));
}

void TextLinesTest::writesWholeLinesWithCrLf() {
    const QString path = fileHolding("old content that must go\r\n");
    LineWriter writer;
    QVERIFY(writer.open(path));
    const QByteArray many(qsizetype{300} * 1024, 'y');
    writer.writeLine("C:\\Poser\\a.obj");
    writer.writeLine(many);
    writer.close();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "C:\\Poser\\a.obj\r\n" + many + "\r\n");
    QVERIFY(!LineWriter().open(folder.path()));  // a folder cannot be written as a file
}

void TextLinesTest::lowerCasesOneToOne_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lower");

    QTest::newRow("ASCII") << "C:\\Poser\\Figure.OBJ"
                           << "c:\\poser\\figure.obj";
    QTest::newRow("accented") << "\u00C9T\u00C9.jpg"
                              << "\u00E9t\u00E9.jpg";
    QTest::newRow("dotted capital I never grows to two code points") << "\u0130zmir"
                                                                     << "\u0130zmir";
    QTest::newRow("Greek and CJK") << "\u03A3\u6F22"
                                   << "\u03C3\u6F22";
    QTest::newRow("outside the basic plane") << "\U00010400x"
                                             << "\U00010428x";
}

void TextLinesTest::lowerCasesOneToOne() {
    QFETCH(QString, text);
    QFETCH(QString, lower);
    QCOMPARE(toLowerSimple(text), lower);
    QCOMPARE(toLowerSimpleUtf8(text.toUtf8()), lower.toUtf8());
}

QTEST_GUILESS_MAIN(TextLinesTest)
#include "text_lines_test.moc"
