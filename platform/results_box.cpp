#include "platform/results_box.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <climits>
#include <cmath>
#include <functional>
#include <utility>

#include "platform/results_box_accessible.h"

namespace {

constexpr qreal margin = 4;  // around the text, as in Qt's own text boxes
constexpr int dragScrollMs = 50;
// A text of up to so many lines is measured whole when set, so that its sideways scroll is
// right from the start; the lines of a longer one are measured as they come into view.
constexpr qsizetype linesMeasuredAtOnce = 1000;

// Shown in the place of a character that would end the line early or reorder what follows it:
// the line and paragraph separators, the controls of the bidirectional algorithm and the other
// control characters. A file name may hold any of them, and the path must still read as one
// line in its own order; the user sees that something is there, and copies it as it is.
constexpr QChar placeholder = QChar::ReplacementCharacter;

bool reordersOrBreaks(QChar c) {
    const char16_t code = c.unicode();
    return (c.category() == QChar::Other_Control && code != u'\t') || code == 0x061C ||
           code == 0x200E || code == 0x200F || (code >= 0x2028 && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

// One placeholder for one UTF-16 unit, so that columns stay those of the text.
QString shown(QString line) {
    std::replace_if(line.begin(), line.end(), reordersOrBreaks, placeholder);
    return line;
}

}  // namespace

ResultsBox::ResultsBox(QWidget* parent) : QAbstractScrollArea(parent) {
    ResultsBoxAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    horizontalScrollBar()->setSingleStep(20);
    updateScrollBars();
}

void ResultsBox::setPlainText(const QString& text) {
    setPlainTextUtf8(text.toUtf8());
}

void ResultsBox::setPlainTextUtf8(QByteArray text) {
    const QString textBefore = QAccessible::isActive() ? lines.text() : QString();
    lines.setText(std::move(text));
    cursor = anchor = {};
    cursorGoalX.reset();
    widest = 0;
    for (qsizetype i = 0; i < std::min(lines.count(), linesMeasuredAtOnce); ++i) {
        noteWidth(*layOut(i));
    }
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, 0, textBefore, lines.text());
        QAccessible::updateAccessibility(&changed);
    }
}

// Layout and scrolling: the vertical scroll bar counts lines, the horizontal one pixels.

// A line is laid out left to right, whatever its first letter, with the characters that
// would break or reorder it shown as placeholders (a direction forced on the layout alone
// would not stop an override character from reversing the rest of a path).
std::unique_ptr<QTextLayout> ResultsBox::layOut(qsizetype line) const {
    auto layout = std::make_unique<QTextLayout>(shown(lines.line(line)), font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine textLine = layout->createLine();
    textLine.setLeadingIncluded(true);
    textLine.setLineWidth(INT_MAX / 256);
    layout->endLayout();
    return layout;
}

qreal ResultsBox::lineHeight() const {
    const QFontMetricsF metrics(font());
    return std::ceil(metrics.ascent() + metrics.descent() + std::max<qreal>(0, metrics.leading()));
}

// The margin stands above the first line only while it is in view.
qreal ResultsBox::topOfFirstLine() const {
    return verticalScrollBar()->value() == 0 ? margin : 0;
}

// The lines wholly in view below the top margin.
qsizetype ResultsBox::linesInView() const {
    return std::max<qsizetype>(1, qsizetype((viewport()->height() - margin - 1) / lineHeight()));
}

void ResultsBox::updateScrollBars() {
    const qsizetype inView = linesInView();
    verticalScrollBar()->setRange(0, int(std::max<qsizetype>(0, lines.count() - inView)));
    verticalScrollBar()->setPageStep(int(inView));
    const int overhang = qRound(widest + 2 * margin - viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, overhang));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void ResultsBox::noteWidth(const QTextLayout& line) {
    if (line.lineAt(0).naturalTextWidth() > widest) {
        widest = line.lineAt(0).naturalTextWidth();
        updateScrollBars();
    }
}

void ResultsBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    QTextCharFormat selected;
    selected.setBackground(palette().brush(group, QPalette::Highlight));
    selected.setForeground(palette().brush(group, QPalette::HighlightedText));
    const auto [from, to] = selection();
    const QPointF start(margin - horizontalScrollBar()->value(), topOfFirstLine());
    for (qsizetype i = verticalScrollBar()->value(), row = 0; i < lines.count(); ++i, ++row) {
        const QPointF origin = start + QPointF(0, qreal(row) * lineHeight());
        if (origin.y() >= viewport()->height()) {
            break;
        }
        const std::unique_ptr<QTextLayout> line = layOut(i);
        noteWidth(*line);
        QList<QTextLayout::FormatRange> ranges;
        if (from < to && from.line <= i && i <= to.line) {
            const qsizetype begin = i == from.line ? from.column : 0;
            // A selection that goes on past a line's end shows its line break too.
            const qsizetype end = i == to.line ? to.column : line->text().size() + 1;
            ranges.append({int(begin), int(end - begin), selected});
        }
        line->draw(&painter, origin, ranges);
        if (i == cursor.line && cursorShown) {
            line->drawCursor(&painter, origin, int(cursor.column));
        }
    }
}

void ResultsBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ResultsBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest = 0;
        updateScrollBars();
    }
}

void ResultsBox::scrollContentsBy(int, int) {
    viewport()->update();
}

void ResultsBox::showPosition(TextPosition at) {
    QScrollBar* rows = verticalScrollBar();
    if (at.line < rows->value()) {
        rows->setValue(int(at.line));
    } else if (at.line >= rows->value() + linesInView()) {
        rows->setValue(int(at.line - linesInView() + 1));
    }
    const std::unique_ptr<QTextLayout> line = layOut(at.line);
    noteWidth(*line);
    const qreal x = margin + line->lineAt(0).cursorToX(int(at.column));
    QScrollBar* columns = horizontalScrollBar();
    if (x < columns->value() + margin) {
        columns->setValue(int(x - margin));
    } else if (x > columns->value() + viewport()->width() - margin) {
        columns->setValue(int(std::ceil(x + margin)) - viewport()->width());
    }
}

TextPosition ResultsBox::positionAt(QPoint point) const {
    const auto row = qsizetype(std::floor((point.y() - topOfFirstLine()) / lineHeight()));
    const qsizetype line =
        std::clamp(verticalScrollBar()->value() + row, qsizetype(0), lines.count() - 1);
    const qreal x = point.x() - margin + horizontalScrollBar()->value();
    return {line, layOut(line)->lineAt(0).xToCursor(x)};
}

// The box of the character at a place, within the box; one pixel wide at a line's end.
QRect ResultsBox::characterRect(TextPosition at) const {
    const std::unique_ptr<QTextLayout> layout = layOut(at.line);
    const QTextLine line = layout->lineAt(0);
    const qreal start = line.cursorToX(int(at.column));
    const qreal end =
        at.column < line.textLength() ? line.cursorToX(int(at.column) + 1) : start + 1;
    // A letter that runs right to left ends on the left of where it starts.
    const qreal left = std::min(start, end);
    const qreal right = std::max(start, end);
    const qreal x = margin - horizontalScrollBar()->value() + left;
    const qreal y = topOfFirstLine() + qreal(at.line - verticalScrollBar()->value()) * lineHeight();
    return QRectF(x, y, right - left, lineHeight()).toAlignedRect().translated(viewport()->pos());
}

// The cursor and the selection.

QString ResultsBox::selectedText() const {
    const auto [from, to] = selection();
    return lines.text(from, to);
}

TextPosition ResultsBox::stepped(TextPosition from, Step step) {
    switch (step) {
        case Step::NextLetter:
            return letterStep(from, true, false);
        case Step::PreviousLetter:
            return letterStep(from, false, false);
        case Step::NextWord:
            return letterStep(from, true, true);
        case Step::PreviousWord:
            return letterStep(from, false, true);
        case Step::LineBelow:
            return lineStep(from, 1);
        case Step::LineAbove:
            return lineStep(from, -1);
        case Step::PageBelow:
            return lineStep(from, linesInView());
        case Step::PageAbove:
            return lineStep(from, -linesInView());
        case Step::LineStart:
            return {from.line, 0};
        case Step::LineEnd:
            return {from.line, lines.line(from.line).size()};
        case Step::TextStart:
            return {};
        case Step::TextEnd:
            return lines.end();
    }
    return from;
}

// By a letter or a word along the line, on to the next line or back to the one before.
TextPosition ResultsBox::letterStep(TextPosition from, bool forward, bool words) const {
    const std::unique_ptr<QTextLayout> line = layOut(from.line);
    const auto mode = words ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
    if (forward && from.column < line->text().size()) {
        return {from.line, line->nextCursorPosition(int(from.column), mode)};
    }
    if (!forward && from.column > 0) {
        return {from.line, line->previousCursorPosition(int(from.column), mode)};
    }
    if (forward) {
        return from.line + 1 < lines.count() ? TextPosition{from.line + 1, 0} : from;
    }
    return from.line > 0 ? TextPosition{from.line - 1, lines.line(from.line - 1).size()} : from;
}

// Up or down, keeping to the same place across; past the first or last line, to its end.
TextPosition ResultsBox::lineStep(TextPosition from, qsizetype by) {
    if (!cursorGoalX) {
        cursorGoalX = layOut(from.line)->lineAt(0).cursorToX(int(from.column));
    }
    const qsizetype line = std::clamp(from.line + by, qsizetype(0), lines.count() - 1);
    if (line == from.line) {
        return stepped(from, by > 0 ? Step::LineEnd : Step::LineStart);
    }
    return {line, layOut(line)->lineAt(0).xToCursor(*cursorGoalX)};
}

void ResultsBox::moveCursor(TextPosition to, bool select, bool keepGoalX) {
    cursor = to;
    if (!select) {
        anchor = to;
    }
    if (!keepGoalX) {
        cursorGoalX.reset();
    }
    showPosition(cursor);
    restartBlink();
    viewport()->update();
    tellAssistiveTechnology(select);
}

void ResultsBox::tellAssistiveTechnology(bool selectionChanged) const {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTextCursorEvent moved(const_cast<ResultsBox*>(this), int(lines.offsetOf(cursor)));
    QAccessible::updateAccessibility(&moved);
    if (selectionChanged) {
        const auto [from, to] = selection();
        QAccessibleTextSelectionEvent selected(const_cast<ResultsBox*>(this),
                                               int(lines.offsetOf(from)), int(lines.offsetOf(to)));
        QAccessible::updateAccessibility(&selected);
    }
}

void ResultsBox::restartBlink() {
    cursorShown = hasFocus();
    const int flashTime = QApplication::cursorFlashTime();
    if (hasFocus() && flashTime > 0) {
        blink.start(flashTime / 2, this);
    } else {
        blink.stop();
    }
}

bool ResultsBox::moveByKey(QKeyEvent* event) {
    struct Binding {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Step step;
    };
    static constexpr Binding bindings[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::NextLetter},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::PreviousLetter},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Step::NextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Step::PreviousWord},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Step::LineBelow},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Step::LineAbove},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Step::PageBelow},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Step::PageAbove},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::LineStart},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::LineEnd},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::TextStart},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::TextEnd}};
    for (const Binding& binding : bindings) {
        const bool select = event->matches(binding.select);
        if (!select && !event->matches(binding.move)) {
            continue;
        }
        const auto [from, to] = selection();
        if (!select && from != to && binding.step == Step::PreviousLetter) {
            moveCursor(from, false);  // a letter step first leaves the selection at its end
        } else if (!select && from != to && binding.step == Step::NextLetter) {
            moveCursor(to, false);
        } else {
            const bool page = binding.step == Step::PageBelow || binding.step == Step::PageAbove;
            const bool vertical =
                page || binding.step == Step::LineBelow || binding.step == Step::LineAbove;
            if (page) {
                const int lines = int(linesInView());
                verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                              (binding.step == Step::PageBelow ? lines : -lines));
            }
            moveCursor(stepped(cursor, binding.step), select, vertical);
        }
        return true;
    }
    return false;
}

void ResultsBox::selectWordAt(TextPosition at) {
    const QString text = lines.line(at.line);
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    words.setPosition(int(at.column));
    const QTextBoundaryFinder::BoundaryReasons reasons = words.boundaryReasons();
    // Just past a word's end, the word before is the one meant.
    const bool wordBefore = words.isAtBoundary() && (reasons & QTextBoundaryFinder::EndOfItem) &&
                            !(reasons & QTextBoundaryFinder::StartOfItem);
    qsizetype start = at.column;
    qsizetype end = at.column;
    if (wordBefore || !words.isAtBoundary()) {
        start = words.toPreviousBoundary();
        words.setPosition(int(at.column));
    }
    if (!wordBefore) {
        end = words.toNextBoundary();
    }
    anchor = {at.line, std::max<qsizetype>(0, start)};
    moveCursor({at.line, end < 0 ? text.size() : end}, true);
}

// Where the desktop has a selection clipboard, selected text goes there, for a middle click.
void ResultsBox::offerSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && anchor != cursor) {
        clipboard->setText(selectedText(), QClipboard::Selection);
    }
}

void ResultsBox::selectAll() {
    anchor = {};
    moveCursor(lines.end(), true);
    offerSelection();
}

void ResultsBox::copy() const {
    if (anchor != cursor) {
        QGuiApplication::clipboard()->setText(selectedText());
    }
}

// The mouse, the keys, the focus.

void ResultsBox::mousePressEvent(QMouseEvent* event) {
    const TextPosition at = positionAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (sinceDoubleClick.isValid() &&
        sinceDoubleClick.elapsed() < QApplication::doubleClickInterval()) {
        sinceDoubleClick.invalidate();
        anchor = {at.line, 0};
        moveCursor(stepped(at, Step::LineEnd), true);
        offerSelection();
        return;
    }
    dragging = true;
    moveCursor(at, event->modifiers() & Qt::ShiftModifier);
}

void ResultsBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging) {
        return;
    }
    dragPoint = event->position().toPoint();
    moveCursor(positionAt(dragPoint), true);
    if (viewport()->rect().contains(dragPoint)) {
        dragScroll.stop();
    } else {
        dragScroll.start(dragScrollMs, this);
    }
}

void ResultsBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging) {
        dragging = false;
        dragScroll.stop();
        offerSelection();
    }
}

void ResultsBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragging = false;
    selectWordAt(positionAt(event->position().toPoint()));
    sinceDoubleClick.start();
    offerSelection();
}

void ResultsBox::contextMenuEvent(QContextMenuEvent* event) {
    struct Command {
        QString text;
        QKeySequence::StandardKey key;
        bool enabled;
        std::function<void()> run;
    };
    const bool selected = anchor != cursor;
    const Command commands[] = {
        {tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); }},
        {tr("Select All"), QKeySequence::SelectAll, true, [this] { selectAll(); }}};
    QMenu menu(this);
    for (const Command& command : commands) {
        if (command.key == QKeySequence::SelectAll) {
            menu.addSeparator();
        }
        QAction* action = menu.addAction(command.text, command.run);
        action->setShortcut(command.key);
        action->setEnabled(command.enabled);
    }
    menu.exec(event->globalPos());
}

// Read only: the keys select and copy; the rest go on to the window.
void ResultsBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (!moveByKey(event)) {
        event->ignore();
        return;
    }
    event->accept();
}

void ResultsBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void ResultsBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink.stop();
    cursorShown = false;
    viewport()->update();
}

void ResultsBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() == blink.timerId()) {
        cursorShown = !cursorShown;
        viewport()->update();
    } else if (event->timerId() == dragScroll.timerId()) {
        moveCursor(positionAt(dragPoint), true);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}
