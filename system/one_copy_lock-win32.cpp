#include <windows.h>

#include "system/one_copy_lock.h"

OneCopyLock::~OneCopyLock() {
    if (handle != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle));
    }
}

std::string OneCopyLock::lockPath() {
    return {};
}

// "Local\" names it for this logon session only: another user's copy is no copy of ours.
bool OneCopyLock::acquire() {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Quobbin-one-copy");
    if (mutex == nullptr) {
        return true;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    handle = reinterpret_cast<std::intptr_t>(mutex);
    return true;
}
