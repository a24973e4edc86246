#include "platform/results_box_accessible.h"

#include "platform/results_box.h"

namespace {

QAccessibleInterface* accessibleResultsBox(const QString&, QObject* object) {
    auto* box = qobject_cast<ResultsBox*>(object);
    return box ? new ResultsBoxAccessible(box) : nullptr;
}

}  // namespace

ResultsBoxAccessible::ResultsBoxAccessible(ResultsBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

void ResultsBoxAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleResultsBox);
        return true;
    }();
    Q_UNUSED(installed);
}

ResultsBox* ResultsBoxAccessible::box() const {
    return static_cast<ResultsBox*>(widget());
}

QAccessible::State ResultsBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void* ResultsBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void ResultsBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && selectionCount() == 1) {
        const auto [from, to] = box()->selection();
        *startOffset = int(box()->lines.offsetOf(from));
        *endOffset = int(box()->lines.offsetOf(to));
    }
}

int ResultsBoxAccessible::selectionCount() const {
    return box()->anchor != box()->cursor ? 1 : 0;
}

void ResultsBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ResultsBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        box()->moveCursor(box()->cursor, false);
    }
}

void ResultsBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        box()->anchor = box()->lines.positionAt(startOffset);
        box()->moveCursor(box()->lines.positionAt(endOffset), true);
    }
}

int ResultsBoxAccessible::cursorPosition() const {
    return int(box()->lines.offsetOf(box()->cursor));
}

void ResultsBoxAccessible::setCursorPosition(int position) {
    box()->moveCursor(box()->lines.positionAt(position), false);
}

QString ResultsBoxAccessible::text(int startOffset, int endOffset) const {
    const CompactLines& lines = box()->lines;
    return lines.text(lines.positionAt(startOffset), lines.positionAt(endOffset));
}

int ResultsBoxAccessible::characterCount() const {
    return int(box()->lines.offsetOf(box()->lines.end()));
}

QRect ResultsBoxAccessible::characterRect(int offset) const {
    const QRect inBox = box()->characterRect(box()->lines.positionAt(offset));
    return inBox.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int ResultsBoxAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint inView = box()->viewport()->mapFromGlobal(point);
    return int(box()->lines.offsetOf(box()->positionAt(inView)));
}

void ResultsBoxAccessible::scrollToSubstring(int startIndex, int) {
    box()->showPosition(box()->lines.positionAt(startIndex));
}

QString ResultsBoxAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
