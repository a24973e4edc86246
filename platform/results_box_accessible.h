#pragma once

#include <QAccessibleWidget>

class ResultsBox;

// What assistive technology reads of the results box: a read-only text of many lines, with
// its caret and selection. Offsets count UTF-16 code units, each line end one.
class ResultsBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultsBoxAccessible(ResultsBox* box);

    // Makes every results box answer with this interface; once is enough.
    static void install();

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    ResultsBox* box() const;
};
