#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away home for one test: a Wine prefix whose drive c: is a folder of its own and
// whose z: is the host's root, with HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR pointing inside
// it, so that no test touches the real home folder. The environment is restored afterwards.
class TestPrefix {
public:
    TestPrefix();
    ~TestPrefix();
    TestPrefix(const TestPrefix&) = delete;
    TestPrefix& operator=(const TestPrefix&) = delete;

    QString folder() const { return temporary.path(); }
    QString prefix() const { return folder() + QStringLiteral("/wine"); }
    QString driveC() const { return prefix() + QStringLiteral("/drive_c"); }

    // A file at a path relative to drive c:, with its folders, holding `content`.
    QString writeFile(const QString& relative, const QByteArray& content = {}) const;
    QString makeFolder(const QString& relative) const;
    // Entries below a folder of drive c:, given with "/": "a/b.obj" is a file (with its
    // folders), "a/" a folder, "a/l -> target" a symbolic link, "a/p|" a FIFO.
    void makeTree(const QString& folder, const QStringList& entries) const;
    // A file of drive c: as it stands, or "(none)" when it cannot be read.
    QByteArray readFile(const QString& relative) const;

    // Adds (or replaces) a drive link in dosdevices.
    void linkDrive(QChar letter, const QString& target) const;

private:
    QTemporaryDir temporary;
    QList<QPair<QByteArray, QByteArray>> saved;
};
