#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Handles of the window manager and of processes; 0 is no handle.
using WindowHandle = std::uintptr_t;
using ProcessHandle = std::uintptr_t;
// A DDE conversation; 0 is none.
using DdeConversation = std::uintptr_t;

// Window messages and show modes the program uses, with Windows' values.
inline constexpr unsigned kWmClose = 0x0010;
inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr std::uintptr_t kScHotKey = 0xF150;
inline constexpr int kSwHide = 0;

// The console window the program runs in (filled by findConsoleWindow).
struct ConsoleWindowInfo {
    WindowHandle handle = 0;
    char title[256] = {}; // zero-terminated, at most 253 characters
    bool isConsoleClass = false;
};

// A running PDF viewer's main window (filled by findViewerWindow).
struct ViewerWindowInfo {
    WindowHandle handle = 0;
    bool found = false;
};

// The desktop around the program: the window manager, the shell's file associations, processes, the
// DDE client and sleeping. Windows has them all; on Linux there are no such windows, no program is
// associated with PDF files and no DDE server answers.
class TDesktop {
public:
    virtual ~TDesktop() = default;

    // --- Window manager ------------------------------------------------------------------------------
    // Calls visit for each top-level window in the system's order until it answers false (EnumWindows).
    virtual void enumerateWindows(const std::function<bool(WindowHandle)>& visit) = 0;
    // The window's class name and title, each cut to at most maxCharacters characters.
    virtual std::string windowClassName(WindowHandle window, std::size_t maxCharacters) = 0;
    virtual std::string windowTitle(WindowHandle window, std::size_t maxCharacters) = 0;
    virtual WindowHandle desktopWindow() = 0;
    virtual void postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    virtual void setFocus(WindowHandle window) = 0;

    // --- Shell and processes -------------------------------------------------------------------------
    // The program the shell opens this file with (FindExecutable); nothing when none is associated.
    virtual std::optional<std::string> associatedProgram(const std::string& file) = 0;
    // Starts a program through the shell and answers its process handle, 0 when it did not start.
    virtual ProcessHandle shellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                                       const std::string& parameters, int showMode) = 0;
    virtual void terminateProcess(ProcessHandle process, unsigned exitCode) = 0;
    // Gives back a process handle that shellExecute answered.
    virtual void releaseProcess(ProcessHandle process) = 0;

    // --- DDE client ----------------------------------------------------------------------------------
    // Opens a conversation with a server on a service and topic (texts in the ANSI code page); 0 when
    // the client cannot start or no server answers.
    virtual DdeConversation ddeConnect(const std::string& service, const std::string& topic) = 0;
    // An execute transaction carrying the command's characters without a terminating zero; waits for
    // the server's acknowledgement at most timeoutMilliseconds. Its outcome is not reported.
    virtual void ddeExecute(DdeConversation conversation, std::string_view command,
                            std::uint64_t timeoutMilliseconds) = 0;
    // Ends the conversation and the client.
    virtual void ddeDisconnect(DdeConversation conversation) = 0;

    virtual void sleep(unsigned milliseconds) = 0;
};

// The platform's desktop.
std::unique_ptr<TDesktop> MakeSystemDesktop();

// The process-wide desktop object, made from the platform on first use.
TDesktop& Desktop();
// Replaces the process-wide desktop (tests install a double) and gives back the previous one.
std::unique_ptr<TDesktop> ReplaceDesktop(std::unique_ptr<TDesktop> desktop);
