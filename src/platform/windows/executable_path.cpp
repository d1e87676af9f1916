#include "platform/executable_path.h"

#include <windows.h>

#include "platform/windows/windows_paths.h"

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return WithForwardSlashes(path);
        }
        path.resize(path.size() * 2);
    }
}
