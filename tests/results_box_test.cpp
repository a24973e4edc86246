#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "platform/results_box.h"

class ResultsBoxTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsAReadOnlyTextBox_data();
    void readsAsAReadOnlyTextBox();
    void showsEachPathOnOneLineInItsOwnOrder_data();
    void showsEachPathOnOneLineInItsOwnOrder();
    void scrollsTheLastLineIntoView();
};

void ResultsBoxTest::readsAsAReadOnlyTextBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("steps");  // "type ...", "triple-click LINE", or keys
    QTest::addColumn<QString>("copied");

    const QString results = "(1) c:\\a.obj\r\n(2) c:\\b.obj\r\n\r\nChoose a number.";
    const QString shown = "(1) c:\\a.obj\n(2) c:\\b.obj\n\nChoose a number.";
    const QString line = "(1) c:\\poser\\skin.jpg\n";
    QTest::newRow("a triple click and Ctrl+C copy one whole line")
        << results << "triple-click 1, Ctrl+C"
        << "(2) c:\\b.obj";
    QTest::newRow("a selection across lines copies their line ends")
        << results << "Right, Shift+Down, Shift+End, Ctrl+C"
        << "1) c:\\a.obj\n(2) c:\\b.obj";
    QTest::newRow("typing, Enter, pasting, cutting, erasing and undo change nothing")
        << results
        << "Ctrl+A, Ctrl+C, type x, Return, Ctrl+V, Ctrl+X, Delete, Backspace, Ctrl+Z, Ctrl+A, "
           "Ctrl+C"
        << shown;
    QTest::newRow("all but the first line of a long text copied")
        << line.repeated(100'000) << "Down, Ctrl+Shift+End, Ctrl+C" << line.repeated(99'999);
}

// The user's steps on a box holding a text: what it holds then, and what was copied.
void ResultsBoxTest::readsAsAReadOnlyTextBox() {
    QFETCH(QString, text);
    QFETCH(QString, steps);
    QGuiApplication::clipboard()->clear();
    QWidget window;
    ResultsBox box(&window);
    box.setGeometry(8, 56, 465, 97);
    window.show();
    box.setPlainText(text);
    box.setFocus();
    const int lineSpacing = box.fontMetrics().lineSpacing();
    for (const QString& step : steps.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QString argument = step.section(u' ', 1);
        if (step.startsWith(QStringLiteral("type "))) {
            QTest::keyClicks(&box, argument);
        } else if (step.startsWith(QStringLiteral("triple-click "))) {
            const QPoint line(20, lineSpacing / 2 + argument.toInt() * lineSpacing + 4);
            QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, line);
            QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, line);
        } else {
            QTest::keySequence(&box, QKeySequence(step));
        }
    }
    QCOMPARE(box.toPlainText(), QString(text).replace("\r\n", "\n"));
    QTEST(QGuiApplication::clipboard()->text(), "copied");
}

void ResultsBoxTest::showsEachPathOnOneLineInItsOwnOrder_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("line and paragraph separators, a CR") << "c:\\a\u2028b\u2029\rc.obj";
    QTest::newRow("a right-to-left override") << "c:\\a\\\u202Egpj.exe";
    QTest::newRow("a right-to-left isolate and mark") << "c:\\\u2067abc\u2069\\\u200F12 3.obj";
}

// Read back, each path is one line; and its characters stand left to right, each on the right
// of the one before.
void ResultsBoxTest::showsEachPathOnOneLineInItsOwnOrder() {
    QFETCH(QString, path);
    ResultsBox box(nullptr);
    box.resize(465, 97);
    box.setPlainText("(1) " + path + "\r\n");
    QCOMPARE(box.toPlainText(), "(1) " + path + "\n");
    const auto* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
    for (int i = 1; i < text->characterCount() - 1; ++i) {
        QCOMPARE(text->characterRect(i).top(), text->characterRect(0).top());
        QVERIFY2(text->characterRect(i).left() > text->characterRect(i - 1).left(),
                 qPrintable(QString::number(i)));
    }
}

// With more lines than the box shows, the end of the text scrolls into view.
void ResultsBoxTest::scrollsTheLastLineIntoView() {
    ResultsBox box(nullptr);
    box.resize(465, 97);
    box.show();
    box.setPlainText(QString("(1) c:\\a.obj\r\n").repeated(30) + "Choose a number.");
    QTest::keySequence(&box, QKeySequence::MoveToEndOfDocument);
    const auto* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
    const QRect lastLine = text->characterRect(text->characterCount() - 1);
    const QRect view(box.viewport()->mapToGlobal(QPoint(0, 0)), box.viewport()->size());
    QVERIFY2(view.contains(lastLine), qPrintable(QString::number(lastLine.bottom())));
}

QTEST_MAIN(ResultsBoxTest)
#include "results_box_test.moc"
