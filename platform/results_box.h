#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/compact_lines.h"

class QTextLayout;

// A multi-line text box for look-up results, which may run to a million lines. It keeps the
// text as compact lines and lays out only the lines in view, where a QPlainTextEdit spends
// some 230 bytes on each line and keeps every line it has shown laid out. The user reads,
// selects and copies it as any read-only text box; it never wraps lines, and shows each line
// left to right in the order of its characters (see layOut). Assistive technology reads its
// text, lines, caret and selection (ResultsBoxAccessible).
class ResultsBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultsBox(QWidget* parent);

    void setPlainText(const QString& text);
    void setPlainTextUtf8(QByteArray text);
    // The text, its lines joined by LF.
    QString toPlainText() const { return lines.text(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    friend class ResultsBoxAccessible;

    enum class Step {
        NextLetter,
        PreviousLetter,
        NextWord,
        PreviousWord,
        LineBelow,
        LineAbove,
        PageBelow,
        PageAbove,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd
    };

    // Layout and scrolling.
    std::unique_ptr<QTextLayout> layOut(qsizetype line) const;
    qreal lineHeight() const;
    qreal topOfFirstLine() const;
    qsizetype linesInView() const;
    void updateScrollBars();
    void noteWidth(const QTextLayout& line);
    void showPosition(TextPosition at);
    TextPosition positionAt(QPoint point) const;
    QRect characterRect(TextPosition at) const;

    // The cursor and the selection.
    std::pair<TextPosition, TextPosition> selection() const { return std::minmax(anchor, cursor); }
    QString selectedText() const;
    TextPosition stepped(TextPosition from, Step step);
    TextPosition letterStep(TextPosition from, bool forward, bool words) const;
    TextPosition lineStep(TextPosition from, qsizetype by);
    void moveCursor(TextPosition to, bool select, bool keepGoalX = false);
    void tellAssistiveTechnology(bool selectionChanged) const;
    void restartBlink();
    bool moveByKey(QKeyEvent* event);
    void selectWordAt(TextPosition at);
    void offerSelection();
    void copy() const;
    void selectAll();

    CompactLines lines;
    TextPosition cursor;
    TextPosition anchor;               // the selection's other end; the cursor when none
    std::optional<qreal> cursorGoalX;  // kept while moving up and down
    qreal widest = 0;                  // the widest line laid out so far
    bool cursorShown = false;
    QBasicTimer blink;
    QBasicTimer dragScroll;  // while the mouse selects beyond the box
    QPoint dragPoint;
    bool dragging = false;
    QElapsedTimer sinceDoubleClick;  // a third click selects the line
};
