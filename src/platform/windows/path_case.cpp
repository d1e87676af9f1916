#include "platform/path_case.h"

// Windows' file system ignores case already: only the separators are made uniform. Repeated separators
// are collapsed, except the two that begin a network name (\\server\share).
std::string ResolvePathCase(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i] == '\\' ? '/' : path[i];
        if (c == '/' && !out.empty() && out.back() == '/' && !(i == 1 && out.size() == 1))
            continue;
        out += c;
    }
    return out;
}
