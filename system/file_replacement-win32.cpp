#include <windows.h>

#include "system/file_replacement.h"
#include "system/wide_text.h"

namespace {

HANDLE handleOf(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

bool isReplaceable(const std::string& path, FileReplacement::Over over) {
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    const DWORD notFile = over == FileReplacement::Over::AnyFile
                              ? FILE_ATTRIBUTE_DIRECTORY
                              : FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
    return over != FileReplacement::Over::NothingYet && (attributes & notFile) == 0;
}

}  // namespace

// One writer at a time: a lock file beside the file, open without sharing, which the system
// closes, and so deletes, when its holder ends however it ends.
FileReplacement::Start FileReplacement::start(const std::string& hostPath, Writers writers,
                                              Over over) {
    abandon();
    this->over = over;
    targetPath = hostPath;
    temporaryPath = hostPath + ".new";
    if (writers == Writers::OneAtATime) {
        const HANDLE lock =
            CreateFileW(widePath(hostPath + ".lock").c_str(), GENERIC_WRITE, 0, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (lock == INVALID_HANDLE_VALUE) {
            return GetLastError() == ERROR_SHARING_VIOLATION ? Start::Busy : Start::Failed;
        }
        folder = reinterpret_cast<std::intptr_t>(lock);
    }
    if (!isReplaceable(targetPath, over)) {
        release();
        return Start::Failed;
    }
    const std::wstring temporary = widePath(temporaryPath);
    DeleteFileW(temporary.c_str());  // left by a copy that was killed
    const HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        release();
        return Start::Failed;
    }
    file = reinterpret_cast<std::intptr_t>(created);
    writeFailed = false;
    return Start::Started;
}

bool FileReplacement::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD wanted = bytes.size() > MAXDWORD ? MAXDWORD : DWORD(bytes.size());
        if (!WriteFile(handleOf(file), bytes.data(), wanted, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool FileReplacement::commit() {
    if (file == -1) {
        return false;
    }
    // Flushed before the move, so that a crash just after it cannot leave an empty file.
    bool done = flush() && FlushFileBuffers(handleOf(file));
    done = CloseHandle(handleOf(file)) && done;
    file = -1;
    done = done && isReplaceable(targetPath, over) &&
           MoveFileExW(widePath(temporaryPath).c_str(), widePath(targetPath).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (done) {
        release();
        return true;
    }
    abandon();
    return false;
}

void FileReplacement::abandon() {
    if (file != -1) {
        CloseHandle(handleOf(file));
        file = -1;
        DeleteFileW(widePath(temporaryPath).c_str());
    }
    release();
}

void FileReplacement::release() {
    if (folder != -1) {
        CloseHandle(handleOf(folder));  // lets go of the lock, and deletes its file
        folder = -1;
    }
    pending = std::string();
}
