#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "platform/results_box.h"

class ResultsBoxTest : public QObject {
    Q_OBJECT

private slots:
    void editsAsATextBox_data();
    void editsAsATextBox();
};

void ResultsBoxTest::editsAsATextBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("steps");  // "type ...", "triple-click LINE", or keys
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("copied");

    const QString results = "(1) c:\\a.obj\r\n(2) c:\\b.obj\r\n\r\nChoose a number.";
    const QString shown = "(1) c:\\a.obj\n(2) c:\\b.obj\n\nChoose a number.";
    const QString large = QString("(1) c:\\poser\\skin.jpg\n").repeated(100'000);
    QTest::newRow("every kind of line end reads as one") << "a\r\nb\nc\rd\u2028e\u2029f"
                                                         << ""
                                                         << "a\nb\nc\nd\ne\nf"
                                                         << "";
    QTest::newRow("a triple click and Ctrl+C copy one whole line")
        << results << "triple-click 1, Ctrl+C" << shown << "(2) c:\\b.obj";
    QTest::newRow("a selection across lines copies their line ends")
        << results << "Right, Shift+Down, Shift+End, Ctrl+C" << shown
        << "1) c:\\a.obj\n(2) c:\\b.obj";
    QTest::newRow("typing replaces the selection, Enter splits a line")
        << results << "Ctrl+A, type x, Return, type y"
        << "x\ny"
        << "";
    QTest::newRow("Backspace at a line's start joins it to the line above")
        << "ab\ncd"
        << "Down, Backspace, Delete"
        << "abd"
        << "";
    QTest::newRow("undo takes typing back at one go, and redo brings it again")
        << "ab"
        << "End, type xyz, Ctrl+Z, Ctrl+Z, Ctrl+Y"
        << "abxyz"
        << "";
    QTest::newRow("cut and paste move a line") << "a\nb"
                                               << "Shift+Down, Ctrl+X, End, Return, Ctrl+V"
                                               << "b\na\n"
                                               << "a\n";
    QTest::newRow("all but the first line of a long text erased, and undone")
        << large << "Down, Ctrl+Shift+End, Delete, Ctrl+Z" << large << "";
}

// The user's steps on a box holding a text: what it holds then, and what was copied.
void ResultsBoxTest::editsAsATextBox() {
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
    QTEST(box.toPlainText(), "textAfter");
    QTEST(QGuiApplication::clipboard()->text(), "copied");
}

QTEST_MAIN(ResultsBoxTest)
#include "results_box_test.moc"
