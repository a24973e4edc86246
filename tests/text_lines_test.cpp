#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/text_lines.h"

class TextLinesTest : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void opensOnlyRegularFiles_data();
    void opensOnlyRegularFiles();
    void readsOnlyTheFirstLine_data();
    void readsOnlyTheFirstLine();

private:
    QString fileHolding(const QByteArray& content);
    QTemporaryDir folder;
};

QString TextLinesTest::fileHolding(const QByteArray& content) {
    const QString path = folder.filePath(QStringLiteral("lines"));
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
    QTest::newRow("lone LF, as edited on Linux") << QByteArray("a\nb\n") << QByteArrayList{"a", "b"};
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

void TextLinesTest::opensOnlyRegularFiles_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<FileOpen>("opened");
    QTest::newRow("a file") << "file" << FileOpen::Opened;
    QTest::newRow("a link to a file") << "link" << FileOpen::Opened;
    QTest::newRow("nothing") << "nothing" << FileOpen::Missing;
    QTest::newRow("a folder") << "folder" << FileOpen::Unreadable;
    QTest::newRow("a FIFO with no writer: no hang") << "fifo" << FileOpen::Unreadable;
}

void TextLinesTest::opensOnlyRegularFiles() {
    QFETCH(QString, what);
    QFETCH(FileOpen, opened);
    QString path = folder.filePath(what);
    if (what == QStringLiteral("file")) {
        path = fileHolding("x");
    } else if (what == QStringLiteral("link")) {
        QFile::link(fileHolding("x"), path);
    } else if (what == QStringLiteral("folder")) {
        QDir().mkdir(path);
    } else if (what == QStringLiteral("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    LineReader reader;
    QCOMPARE(reader.open(path), opened);
    QCOMPARE(readFirstLine(path).has_value(), opened == FileOpen::Opened);
}

void TextLinesTest::readsOnlyTheFirstLine_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::newRow("CR LF") << QByteArray("C:\\Poser\r\nmore") << QByteArray("C:\\Poser");
    QTest::newRow("empty file") << QByteArray() << QByteArray("");
    QTest::newRow("the longest line") << longest + "\r\n" << longest;
    QTest::newRow("a longer one is none") << longest + "yy\r\n" << QByteArray("(none)");
    QTest::newRow("nor one that never ends") << longest + longest + longest << QByteArray("(none)");
}

void TextLinesTest::readsOnlyTheFirstLine() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, firstLine);
    QCOMPARE(readFirstLine(fileHolding(content)).value_or("(none)"), firstLine);
}

QTEST_GUILESS_MAIN(TextLinesTest)
#include "text_lines_test.moc"
