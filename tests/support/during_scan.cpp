#include "tests/support/during_scan.h"

#include <QFile>
#include <QThread>
#include <QTimer>

#include "app/form1.h"
#include "tests/support/test_prefix.h"

QByteArray indexFile(const TestPrefix& prefix) {
    QFile index(prefix.driveC() + QStringLiteral("/ol/oz"));
    return index.open(QIODevice::ReadOnly) ? index.readAll() : QByteArray("(no index)");
}

DuringScan::DuringScan(const Form1& form, std::function<void(int yield)> action)
    : poll(new QTimer) {
    // A zero timer fires once in every round of events, the walk's yields among them.
    QObject::connect(poll, &QTimer::timeout, [this, &form, action = std::move(action)] {
        if (form.scanning) {
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
