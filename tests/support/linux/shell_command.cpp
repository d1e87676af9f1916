#include "support/shell_command.h"

#include <cstdio>
#include <sys/wait.h>

bool ShellAvailable() {
    return true;
}

ShellResult RunShell(const std::string& command) {
    ShellResult result;
    FILE* pipe = ::popen(("(" + command + ") </dev/null").c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ShellPath(const std::filesystem::path& path) {
    return path.string();
}
