#include "system/readable_file.h"

#include <windows.h>

#include "system/wide_text.h"

ReadableFile::Open ReadableFile::open(const std::string& hostPath, IfMissing ifMissing) {
    close();
    const HANDLE file = CreateFileW(widePath(hostPath).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    ifMissing == IfMissing::MakeEmpty ? OPEN_ALWAYS : OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Open::Missing
                                                                              : Open::Unreadable;
    }
    // A device or a pipe behind the name is no file of ours.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return Open::Unreadable;
    }
    handle = reinterpret_cast<std::intptr_t>(file);
    return Open::Opened;
}

std::optional<std::uint64_t> ReadableFile::size() const {
    LARGE_INTEGER length{};
    if (handle == -1 || !GetFileSizeEx(reinterpret_cast<HANDLE>(handle), &length)) {
        return std::nullopt;
    }
    return std::uint64_t(length.QuadPart);
}

std::ptrdiff_t ReadableFile::read(char* into, std::size_t size) {
    DWORD got = 0;
    const DWORD wanted = size > MAXDWORD ? MAXDWORD : DWORD(size);
    if (!ReadFile(reinterpret_cast<HANDLE>(handle), into, wanted, &got, nullptr)) {
        return -1;
    }
    return std::ptrdiff_t(got);
}

void ReadableFile::close() {
    if (handle != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle));
        handle = -1;
    }
}
