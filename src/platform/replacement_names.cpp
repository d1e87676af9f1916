#include "platform/replacement_names.h"

#include <random>

namespace replacement_names {

namespace {

constexpr const char* kTemporarySuffix = ".stampadoc-tmp";
constexpr const char* kAsideSuffix = ".stampadoc-old";
constexpr std::size_t kRandomDigits = 8;

std::string TemporaryPrefix(const std::string& name) {
    return "." + name + ".";
}

std::string RandomDigits() {
    static constexpr char kHex[] = "0123456789abcdef";
    std::random_device random;
    std::string digits;
    for (std::size_t i = 0; i < kRandomDigits; ++i)
        digits += kHex[random() & 15];
    return digits;
}

bool HasRandomName(const std::string& entry, const std::string& name, const std::string& suffix) {
    const std::string prefix = TemporaryPrefix(name);
    if (entry.size() != prefix.size() + kRandomDigits + suffix.size() ||
        entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < prefix.size() + kRandomDigits; ++i) {
        const char c = entry[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

SplitPath Split(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string TemporaryName(const std::string& name) {
    return TemporaryPrefix(name) + RandomDigits() + kTemporarySuffix;
}

bool IsTemporaryName(const std::string& entry, const std::string& name) {
    return HasRandomName(entry, name, kTemporarySuffix);
}

std::string AsideName(const std::string& name) {
    return TemporaryPrefix(name) + RandomDigits() + kAsideSuffix;
}

bool IsAsideName(const std::string& entry, const std::string& name) {
    return HasRandomName(entry, name, kAsideSuffix);
}

} // namespace replacement_names
