#include "app/startup_paths.h"

#include "platform/file_exists.h"

namespace {

// The path without its extension: everything before the last '.' of the file name part.
std::string WithoutExtension(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path;
    return path.substr(0, dot);
}

} // namespace

std::string IniFileNameForExecutable(const std::string& executablePath) {
    const std::string stem = WithoutExtension(executablePath);
    const std::string upper = stem + ".INI";
    if (IsExistingFile(upper))
        return upper;
    const std::string lower = stem + ".ini";
    if (IsExistingFile(lower))
        return lower;
    return upper;
}

std::string HalftoneBitmapPathForExecutable(const std::string& executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    return folder + "retino.bmp";
}
