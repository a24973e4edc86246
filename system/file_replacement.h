#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A file replaced whole or not at all. Its lines go to a temporary file beside it (its name and
// ".new"), which takes its place only when every line was written and synced to disk: a full
// disk, a crash or a stop midway leave the file as it was. With one writer at a time, a lock on
// the file's folder keeps another writer out; the system lets go of it when its holder ends,
// however it ends, so the next writer removes what a killed one left.
class FileReplacement {
public:
    enum class Start { Started, Busy, Failed };
    enum class Writers { Any, OneAtATime };
    // Whether a FIFO or a device standing at the path is replaced too, or is left alone as not
    // the program's; a folder never is. NothingYet writes a new file only, where nothing stands.
    enum class Over { AnyFile, RegularFileOnly, NothingYet };

    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement() { abandon(); }

    // `hostPath` in UTF-8. Busy while another writer holds the lock; it never waits. Failed when
    // no temporary file can be made, or what stands at the path is no regular file.
    Start start(const std::string& hostPath, Writers writers, Over over);

    void writeLine(std::string_view line);
    // Bytes as they are, no line end added.
    void write(std::string_view bytes);
    // Whether a line could not be written: the replacement will fail.
    bool failed() const { return writeFailed; }

    // Puts the replacement in the file's place; false, leaving the file as it was, when any
    // line could not be written or the file cannot be replaced.
    bool commit();
    // Removes the temporary file; the file stays as it was.
    void abandon();

private:
    bool flush();
    bool writeOut(std::string_view bytes);  // all of them, to the temporary file
    void release();

    // The system's descriptors or handles: the folder, which holds the lock on POSIX (on
    // Windows, the lock file), and the temporary file.
    std::intptr_t folder = -1;
    std::intptr_t file = -1;
    std::string targetPath;  // the file's own name on POSIX, its whole path on Windows
    std::string temporaryPath;
    std::string pending;
    Over over = Over::RegularFileOnly;
    bool writeFailed = false;
};
