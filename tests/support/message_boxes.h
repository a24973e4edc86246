#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

// Answers the program's modal message boxes as a user would, and keeps what each one said.
// Arm it before the action that shows the boxes; each box takes the next answer in turn
// (OK when the answers run out).
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers = {});
    ~MessageBoxAnswerer();

    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QList<QMessageBox::StandardButton> buttons;
    };
    const QList<Seen>& seen() const { return boxes; }
    QStringList texts() const;

private:
    void answerOpenBox();

    QList<QMessageBox::StandardButton> answers;
    QList<Seen> boxes;
    class QTimer* poll;
};
