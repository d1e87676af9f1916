#include "platform/path_case.h"

#include "util/strings.h"

#include <sys/stat.h>

#include <dirent.h>

#include <memory>
#include <vector>

namespace {

bool EntryExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// The entry of `directory` whose name equals `name` without regard to ASCII case; the smallest in byte
// order when several do. Empty when there is none or the directory cannot be read.
std::string FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(directory.c_str()));
    if (!dir)
        return {};
    std::string best;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view candidate(entry->d_name);
        if (SameTextAscii(candidate, name) && (best.empty() || candidate < best))
            best = std::string(candidate);
    }
    return best;
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > pos)
            parts.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

} // namespace

std::string ResolvePathCase(std::string_view path) {
    std::string slashed(path);
    for (char& c : slashed) {
        if (c == '\\')
            c = '/';
    }
    if (slashed.empty())
        return slashed;

    const bool absolute = slashed.front() == '/';
    std::string result = absolute ? "/" : "";
    bool resolving = true;
    for (const std::string_view part : SplitComponents(slashed)) {
        const std::string directory = result.empty() ? "." : result;
        std::string name(part);
        if (resolving && part != "." && part != "..") {
            const std::string exact = (result.empty() || result.back() == '/' ? result : result + "/") + name;
            if (!EntryExists(exact)) {
                std::string found = FindEntryIgnoringCase(directory, part);
                if (found.empty())
                    resolving = false;
                else
                    name = std::move(found);
            }
        }
        if (!result.empty() && result.back() != '/')
            result += '/';
        result += name;
    }
    return result;
}
