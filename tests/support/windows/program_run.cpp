#include "support/program_run.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <memory>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// One argument quoted as the C runtime of the started program splits the command line back.
std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

// This process's environment with the given variables set, as a block for CreateProcessA.
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& overrides) {
    std::map<std::string, std::string> variables; // Windows keeps the block sorted by name
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; entry != nullptr && *entry != '\0'; entry += std::strlen(entry) + 1) {
        const std::string text = entry;
        const std::size_t equals = text.find('=', 1); // names of drive folders start with '='
        if (equals != std::string::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(strings);
    for (const auto& [name, value] : overrides)
        variables[name] = value;
    std::string block;
    for (const auto& [name, value] : variables)
        block += name + "=" + value + '\0';
    return block + '\0';
}

} // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const std::vector<std::pair<std::string, std::string>>& environment,
                      const std::filesystem::path& workingFolder) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    Handle reader(readEnd);
    Handle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    Handle nothing(CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherit, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing.get();
    startup.hStdOutput = writeEnd;
    startup.hStdError = nothing.get();
    std::string line = Quoted(program.string());
    for (const std::string& argument : arguments)
        line += " " + Quoted(argument);
    std::string block = EnvironmentBlock(environment);
    PROCESS_INFORMATION process{};
    const std::string folder = workingFolder.string();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, block.data(),
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return run;
    Handle processHandle(process.hProcess);
    Handle thread(process.hThread);
    writer.reset(); // the pipe ends when the program's copy of the write end closes
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.status = static_cast<int>(code);
    return run;
}
