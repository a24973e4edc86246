#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
