#include "support/shell_command.h"

std::string ShellQuotedText(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ShellQuoted(const std::filesystem::path& path) {
    return ShellQuotedText(ShellPath(path));
}
