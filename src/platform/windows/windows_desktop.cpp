// The desktop on Windows: the window manager, the shell, processes and the DDEML client of user32 and
// shell32.
#include <map>
#include <memory>
#include <vector>

#include <windows.h>

#include <shellapi.h>

#include "platform/desktop.h"
#include "platform/windows/dde_client.h"
#include "platform/windows/win_handle.h"

namespace {

HWND Window(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
    const auto& callback = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(visit);
    return callback(reinterpret_cast<WindowHandle>(window)) ? TRUE : FALSE;
}

// Reads a window text with a reader of the GetWindowTextA kind into maxCharacters characters and a zero.
template <typename Reader> std::string ReadText(Reader read, WindowHandle window, std::size_t maxCharacters) {
    std::vector<char> buffer(maxCharacters + 1, '\0');
    const int length = read(Window(window), buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

class WindowsDesktop : public TDesktop {
public:
    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override {
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
    }
    std::string windowClassName(WindowHandle window, std::size_t maxCharacters) override {
        return ReadText(GetClassNameA, window, maxCharacters);
    }
    std::string windowTitle(WindowHandle window, std::size_t maxCharacters) override {
        return ReadText(GetWindowTextA, window, maxCharacters);
    }
    WindowHandle desktopWindow() override { return reinterpret_cast<WindowHandle>(GetDesktopWindow()); }
    void postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
        PostMessageA(Window(window), message, wParam, lParam);
    }
    void setFocus(WindowHandle window) override { SetFocus(Window(window)); }

    std::optional<std::string> associatedProgram(const std::string& file) override {
        char program[MAX_PATH] = {};
        const auto result = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), nullptr, program));
        if (result <= 32)
            return std::nullopt;
        return std::string(program);
    }

    ProcessHandle shellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, int showMode) override {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.hwnd = Window(owner);
        info.lpVerb = verb.c_str();
        info.lpFile = file.c_str();
        info.lpParameters = parameters.c_str();
        info.nShow = showMode;
        if (!ShellExecuteExA(&info) || info.hProcess == nullptr)
            return 0;
        const auto handle = reinterpret_cast<ProcessHandle>(info.hProcess);
        processes_.emplace(handle, OwnedHandle(info.hProcess));
        return handle;
    }
    void terminateProcess(ProcessHandle process, unsigned exitCode) override {
        if (processes_.count(process) != 0)
            TerminateProcess(reinterpret_cast<HANDLE>(process), exitCode);
    }
    void releaseProcess(ProcessHandle process) override { processes_.erase(process); }

    DdeConversation ddeConnect(const std::string& service, const std::string& topic) override {
        auto client = std::make_unique<DdeClient>(service, topic);
        if (!client->connected())
            return 0;
        const auto handle = reinterpret_cast<DdeConversation>(client.get());
        conversations_.emplace(handle, std::move(client));
        return handle;
    }
    void ddeExecute(DdeConversation conversation, std::string_view command,
                    std::uint64_t timeoutMilliseconds) override {
        const auto found = conversations_.find(conversation);
        if (found != conversations_.end())
            found->second->execute(command, timeoutMilliseconds);
    }
    void ddeDisconnect(DdeConversation conversation) override { conversations_.erase(conversation); }

    void sleep(unsigned milliseconds) override { Sleep(milliseconds); }

private:
    // The process handles shellExecute handed out and not yet released, closed at the latest here.
    std::map<ProcessHandle, OwnedHandle> processes_;
    std::map<DdeConversation, std::unique_ptr<DdeClient>> conversations_;
};

} // namespace

std::unique_ptr<TDesktop> MakeSystemDesktop() {
    return std::make_unique<WindowsDesktop>();
}
