#include "support/shell_command.h"

#include "support/scratch_folder.h"

#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

// Wine lets a Windows program start a Linux program with CreateProcess, but gives it neither the
// standard handles nor an exit code: the process handle is signalled at once. So the command runs in
// a script that writes its output and then its status into files of a scratch folder, and the test
// waits for the status file. Wine's kernel32 exports the conversion between DOS and Unix file names.

namespace {

using UnixNameFunction = char*(__cdecl*)(const wchar_t*);
using DosNameFunction = wchar_t*(__cdecl*)(const char*);

UnixNameFunction UnixName() {
    static const auto function = reinterpret_cast<UnixNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    return function;
}

DosNameFunction DosName() {
    static const auto function = reinterpret_cast<DosNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    return function;
}

// The DOS name of /bin/sh, empty when there is no Linux side.
std::wstring ShellProgram() {
    if (UnixName() == nullptr || DosName() == nullptr)
        return {};
    wchar_t* name = DosName()("/bin/sh");
    if (name == nullptr)
        return {};
    std::wstring result = name;
    HeapFree(GetProcessHeap(), 0, name);
    if (GetFileAttributesW(result.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    return result;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

bool ShellAvailable() {
    static const bool available = !ShellProgram().empty();
    return available;
}

std::string ShellPath(const std::filesystem::path& path) {
    if (UnixName() == nullptr)
        return path.string();
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    char* name = UnixName()((error ? path : full).wstring().c_str());
    if (name == nullptr)
        return path.string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

ShellResult RunShell(const std::string& command) {
    ShellResult result;
    const std::wstring shell = ShellProgram();
    if (shell.empty())
        return result;
    const std::filesystem::path folder = NewScratchFolder("stampadoc-shell");
    if (folder.empty())
        return result;
    const std::string output = ShellQuoted(folder / "output");
    const std::string part = ShellQuoted(folder / "status.part");
    const std::string status = ShellQuoted(folder / "status");
    std::ofstream(folder / "run.sh", std::ios::binary)
        << "(" << command << "\n) </dev/null >" << output << "\necho $? >" << part << "\nmv " << part << " "
        << status << "\n";
    std::wstring line =
        L"\"" + shell + L"\" \"" + std::filesystem::path(ShellPath(folder / "run.sh")).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        // The slowest checkers (a corpus page through tesseract) take seconds; ten minutes means a hang.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(10);
        while (!std::filesystem::exists(folder / "status") && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (std::filesystem::exists(folder / "status")) {
            result.status = std::stoi("0" + ReadAll(folder / "status"));
            result.output = ReadAll(folder / "output");
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
