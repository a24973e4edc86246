#include "tests/support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

MessageBoxAnswerer::MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers)
    : answers(std::move(answers)), poll(new QTimer) {
    // A modal box runs its own event loop; the timer fires inside it.
    QObject::connect(poll, &QTimer::timeout, [this] { answerOpenBox(); });
    poll->start(5);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    delete poll;
}

QStringList MessageBoxAnswerer::texts() const {
    QStringList all;
    for (const Seen& box : boxes) {
        all.append(box.text);
    }
    return all;
}

void MessageBoxAnswerer::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    Seen seen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons.append(box->standardButton(button));
    }
    boxes.append(seen);
    const QMessageBox::StandardButton answer =
        answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
    if (QAbstractButton* button = box->button(answer)) {
        button->click();
    } else {
        box->reject();
    }
}
