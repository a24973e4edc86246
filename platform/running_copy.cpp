#include "platform/running_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "system/runtime_folder.h"

namespace {

constexpr int answerWaitMs = 1000;
// A request is a line for the prefix's path, a line for each file to check, then an empty line:
// more than this, or a caller that says nothing for this long, is no later start of the
// program, and is hung up on rather than kept.
constexpr qint64 longestRequest = qint64{8} * 1024;
constexpr int callerTimeMs = 3000;

QString socketPath() {
    const QString runtime = QString::fromStdString(privateRuntimeFolder());
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/quobbin.socket");
}

// One prefix however it is named: "~/.wine", "~/.wine/" and a link to it are the same folder.
QByteArray requestFor(const QString& prefixFolder) {
    const QString canonical = QFileInfo(prefixFolder).canonicalFilePath();
    return (canonical.isEmpty() ? QDir::cleanPath(prefixFolder) : canonical).toUtf8() + '\n';
}

// A window that is unmapped without being minimised (another workspace, or hidden behind the
// toolkit's back) counts as shown to the toolkit, so show() alone would not map it again.
void bringForward(QWidget& window) {
    if (window.isMinimized()) {
        window.showNormal();
    } else if (window.windowHandle() != nullptr && !window.windowHandle()->isExposed()) {
        window.hide();
        window.show();
    }
    window.raise();
    window.activateWindow();
}

}  // namespace

RunningCopy::RunningCopy(QWidget& window, const QString& prefixFolder)
    : window(window), ownPrefix(requestFor(prefixFolder)), server(new QLocalServer(this)) {
    const QString path = socketPath();
    if (path.isEmpty()) {
        return;
    }
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (server->listen(path)) {
        connect(server, &QLocalServer::newConnection, this, &RunningCopy::answer);
    }
}

void RunningCopy::answer() {
    while (QLocalSocket* caller = server->nextPendingConnection()) {
        caller->setReadBufferSize(longestRequest);
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        QTimer::singleShot(callerTimeMs, caller, &QLocalSocket::abort);
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
            const QByteArray request = caller->peek(longestRequest);
            if (!request.contains("\n\n")) {
                if (request.size() >= longestRequest) {
                    caller->abort();
                }
                return;  // not all of it yet
            }
            QList<QByteArray> lines = request.left(request.indexOf("\n\n") + 1).split('\n');
            if (lines.takeFirst() + '\n' == ownPrefix) {
                bringForward(window);
                QStringList files;
                for (const QByteArray& file : lines) {
                    if (!file.isEmpty()) {
                        files.append(QString::fromUtf8(file));
                    }
                }
                emit filesToCheck(files);
            }
            caller->disconnectFromServer();
        });
    }
}

void RunningCopy::askToComeForward(const QString& prefixFolder, const QStringList& files) {
    const QString path = socketPath();
    if (path.isEmpty()) {
        return;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(answerWaitMs)) {
        return;
    }
    QByteArray request = requestFor(prefixFolder);
    for (const QString& file : files) {
        request += file.toUtf8() + '\n';
    }
    socket.write(request + '\n');
    socket.waitForBytesWritten(answerWaitMs);
}
