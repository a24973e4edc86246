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
// selects, copies and edits it as any text box; it never wraps lines.
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
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // Tab types a tab, as in any text box.
    bool focusNextPrevChild(bool) override { return false; }

private:
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
    // An edit puts `text` in the place of the text from `from` to `to`.
    struct Edit {
        TextPosition from;
        TextPosition to;
        QString text;
    };

    // Layout and scrolling.
    std::unique_ptr<QTextLayout> layOut(qsizetype line) const;
    qreal lineHeight() const;
    qreal topOfFirstLine() const;
    qsizetype linesInView() const;
    void updateScrollBars();
    void noteWidth(const QTextLayout& line);
    void showCursor();
    TextPosition positionAt(QPoint point) const;
    QRect cursorRect() const;

    // The cursor and the selection.
    std::pair<TextPosition, TextPosition> selection() const { return std::minmax(anchor, cursor); }
    QString selectedText() const;
    TextPosition stepped(TextPosition from, Step step);
    TextPosition letterStep(TextPosition from, bool forward, bool words) const;
    TextPosition lineStep(TextPosition from, qsizetype by);
    void moveCursor(TextPosition to, bool select, bool keepGoalX = false);
    void restartBlink();
    bool moveByKey(QKeyEvent* event);
    void selectWordAt(TextPosition at);
    void offerSelection();

    // Edits.
    bool editByKey(QKeyEvent* event);
    void insert(const QString& text, bool typed = false);
    void eraseOr(Step step);
    void apply(const Edit& edit, bool typed);
    Edit swap(const Edit& edit);
    void undo();
    void redo();
    void copy() const;
    void cut();
    void paste();
    void selectAll();

    CompactLines lines;
    TextPosition cursor;
    TextPosition anchor;               // the selection's other end; the cursor when none
    std::optional<qreal> cursorGoalX;  // kept while moving up and down
    qreal widest = 0;                  // the widest line laid out so far
    std::vector<Edit> undoable;        // each the edit that undoes one
    std::vector<Edit> redoable;
    bool lastEditTyped = false;  // typing extends the last undoable edit
    bool cursorShown = false;
    QBasicTimer blink;
    QBasicTimer dragScroll;  // while the mouse selects beyond the box
    QPoint dragPoint;
    bool dragging = false;
    QElapsedTimer sinceDoubleClick;  // a third click selects the line
};
