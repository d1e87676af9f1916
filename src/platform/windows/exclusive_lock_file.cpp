#include "platform/exclusive_lock_file.h"

#include <windows.h>

#include "platform/windows/windows_errors.h"

ExclusiveLockFile::ExclusiveLockFile(const std::string& path) {
    // Opened for reading with every sharing allowed, so that any run may open it while one holds the
    // lock; a new lock file is read-only.
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = ErrnoFromWindowsError(GetLastError());
        return;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        error_ = ErrnoFromWindowsError(GetLastError());
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    held_ = true;
}

ExclusiveLockFile::~ExclusiveLockFile() {
    // Closing the handle releases the lock.
    if (held_)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}
