#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A file replaced whole or not at all. Its lines go to a temporary file beside it, which takes
// its place only when every line was written and synced to disk: a full disk, a crash or a stop
// midway leave the file as it was. One replacement of a file at a time: a lock on its folder
// keeps another writer out, and the system lets go of it when its holder ends, however it ends,
// so the next writer removes what a killed one left.
class FileReplacement {
public:
    enum class Start { Started, Busy, Failed };

    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement() { abandon(); }

    // Busy while another replacement of the file is being written; it never waits. Failed when
    // no temporary file can be made, or what stands at the path is no regular file.
    Start start(const QString& hostPath);

    void writeLine(QByteArrayView line);
    // Whether a line could not be written: the replacement will fail.
    bool failed() const { return writeFailed; }

    // Puts the replacement in the file's place; false, leaving the file as it was, when any
    // line could not be written or the file cannot be replaced.
    bool commit();
    // Removes the temporary file; the file stays as it was.
    void abandon();

private:
    bool flush();
    void release();

    int folderFd = -1;  // holds the lock
    int fd = -1;
    QByteArray targetName;
    QByteArray temporaryName;
    QByteArray pending;
    bool writeFailed = false;
};
