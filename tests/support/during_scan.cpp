#include "tests/support/during_scan.h"

#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "app/form1_window.h"

DuringScan::DuringScan(const Form1Window& form, std::function<void(int yield)> action)
    : poll(new QTimer) {
    // A zero timer fires once in every round of events, the walk's yields among them.
    QObject::connect(poll, &QTimer::timeout, [this, &form, action = std::move(action)] {
        if (!form.Command5->isEnabled()) {  // an Update is busy
            action(++count);
        }
    });
    poll->start(0);
}

DuringScan::~DuringScan() {
    delete poll;
}

void DuringScan::outlastYieldSpacing() {
    QThread::msleep(20);
}
