#include <windows.h>

#include "system/folder_reading.h"
#include "system/wide_text.h"

namespace {

// What stands at a path, links followed: a folder needs backup semantics to be opened at all,
// and no access right is asked, so a folder that cannot be read still answers.
class OpenedPath {
public:
    explicit OpenedPath(const std::string& hostPath)
        : handle(CreateFileW(widePath(hostPath).c_str(), 0,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
    OpenedPath(const OpenedPath&) = delete;
    OpenedPath& operator=(const OpenedPath&) = delete;
    ~OpenedPath() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }

    std::optional<BY_HANDLE_FILE_INFORMATION> information() const {
        BY_HANDLE_FILE_INFORMATION info{};
        if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) {
            return std::nullopt;
        }
        return info;
    }

    HANDLE get() const { return handle; }

private:
    HANDLE handle;
};

std::string joined(const std::string& folder, std::string_view name) {
    const bool endsInSeparator = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return folder + (endsInSeparator ? "" : "\\") + std::string(name);
}

bool isLink(const WIN32_FIND_DATAW& found) {
    // The reparse tag is only there for a reparse point; other tags (a cloud file, a
    // deduplicated one) mark files and folders that are what they say. Wine shows the host's
    // symbolic link to a folder as a reparse point without a tag, which Windows never gives.
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
            found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT || found.dwReserved0 == 0);
}

void handOn(const std::string& hostPath, const WIN32_FIND_DATAW& found,
            const std::function<void(const FolderEntry&)>& receive) {
    const std::wstring_view wideName(found.cFileName);
    if (wideName == L"." || wideName == L".." ||
        (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) {
        return;
    }
    const std::string name = utf8Text(wideName);
    if (!isLink(found)) {
        receive({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, false});
        return;
    }
    // A link is what it points at; one that points nowhere is neither.
    const std::optional<BY_HANDLE_FILE_INFORMATION> target =
        OpenedPath(joined(hostPath, name)).information();
    if (target) {
        receive({name, (target->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, true});
    }
}

}  // namespace

// The basic information and the large fetch: no short names, and fewer trips to the file system
// for a folder of many entries.
FolderRead readFolderEntries(const std::string& hostPath,
                             const std::function<void(const FolderEntry&)>& receive) {
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileExW(widePath(joined(hostPath, "*")).c_str(), FindExInfoBasic, &found,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // A drive's root holds no "." or "..": when empty, nothing matches.
        return GetLastError() == ERROR_FILE_NOT_FOUND ? FolderRead::Whole : FolderRead::Unopened;
    }
    do {
        handOn(hostPath, found, receive);
    } while (FindNextFileW(search, &found));
    const bool whole = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return whole ? FolderRead::Whole : FolderRead::Partly;
}

std::optional<FolderIdentity> folderIdentity(const std::string& hostPath) {
    const std::optional<BY_HANDLE_FILE_INFORMATION> info = OpenedPath(hostPath).information();
    if (!info) {
        return std::nullopt;
    }
    return FolderIdentity{info->dwVolumeSerialNumber,
                          std::uint64_t(info->nFileIndexHigh) << 32 | info->nFileIndexLow};
}

std::optional<std::string> realFolderPath(const std::string& hostPath) {
    const OpenedPath opened(hostPath);
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    if (opened.get() == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    // The first call tells the length with its terminating nul, the second the length without.
    const DWORD length = GetFinalPathNameByHandleW(opened.get(), nullptr, 0, flags);
    if (length == 0) {
        return std::nullopt;
    }
    std::wstring real(length, L'\0');
    const DWORD written = GetFinalPathNameByHandleW(opened.get(), real.data(), length, flags);
    if (written == 0 || written >= length) {
        return std::nullopt;
    }
    real.resize(written);
    // The system answers in the "\\?\" form; paths are kept in their ordinary one.
    if (real.starts_with(L"\\\\?\\UNC\\")) {
        real.replace(0, 8, L"\\\\");
    } else if (real.starts_with(L"\\\\?\\")) {
        real.erase(0, 4);
    }
    return utf8Text(real);
}
