#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/text_lines.h"

class TextLinesTest : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();

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

const QByteArray longest(maxLineLength, 'x');

void TextLinesTest::readsLines_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArrayList{"a", "b"};
    QTest::newRow("lone LF, as edited on Linux")
        << QByteArray("a\nb\n") << QByteArrayList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\nx\r\n") << QByteArrayList{"", "", "x"};
    QTest::newRow("CR inside a line stays") << QByteArray("a\rb\r\n") << QByteArrayList{"a\rb"};
    QTest::newRow("last line without its end") << QByteArray("a\r\nb") << QByteArrayList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QByteArrayList{};
    QTest::newRow("the longest line, past the buffer")
        << "first\r\n" + longest + "\r\nlast" << QByteArrayList{"first", longest, "last"};
    QTest::newRow("longer lines are skipped, ended or not")
        << "a\r\n" + longest + "yy\r\nb\n" + longest + longest << QByteArrayList{"a", "b"};
}

void TextLinesTest::readsLines() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArrayList, lines);
    LineReader reader;
    QCOMPARE(reader.open(fileHolding(content)), FileOpen::Opened);
    QByteArrayList read;
    QByteArrayView line;
    while (reader.readLine(line)) {
        read.append(line.toByteArray());
    }
    QCOMPARE(read, lines);
}

QTEST_GUILESS_MAIN(TextLinesTest)
#include "text_lines_test.moc"
