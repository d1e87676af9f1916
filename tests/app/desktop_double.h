#pragma once

// A desktop double for tests: scripted top-level windows and file association, a viewer that can be
// made to answer DDE or not, and a record of everything the program asked of the desktop. Sleeping
// only adds up the time.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/printer.h"
#include "support/printer_double.h"

class DesktopDouble : public TDesktop {
public:
    struct Window {
        WindowHandle handle = 0;
        std::string className;
        std::string title;
    };
    struct Message {
        WindowHandle window = 0;
        unsigned message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };
    struct Started {
        std::string verb;
        std::string file;
        std::string parameters;
        int showMode = -1;
    };
    struct Command {
        std::string text;
        std::uint64_t timeout = 0;
    };

    // --- Script ---
    std::vector<Window> windows;            // in enumeration order
    std::optional<std::string> association; // the program associated with every file
    std::optional<Window> viewerOnStart;    // the window a started program opens
    int connectionsRefused = 0;             // DDE connections refused before the viewer answers
    bool viewerAnswers = true;              // false: no connection ever succeeds
    static constexpr WindowHandle kDesktopWindow = 1;
    static constexpr ProcessHandle kViewerProcess = 77;

    // --- Record ---
    std::vector<Message> messages;
    std::vector<WindowHandle> focused;
    std::vector<Started> started;
    std::vector<ProcessHandle> terminated;
    std::vector<ProcessHandle> released;
    std::vector<Command> commands;
    int connectAttempts = 0;
    int openConversations = 0;
    unsigned sleptMilliseconds = 0;
    std::vector<unsigned> sleeps;

    void enumerateWindows(const std::function<bool(WindowHandle)>& visit) override {
        for (const Window& window : windows)
            if (!visit(window.handle))
                return;
    }
    std::string windowClassName(WindowHandle handle, std::size_t maxCharacters) override {
        return find(handle).className.substr(0, maxCharacters);
    }
    std::string windowTitle(WindowHandle handle, std::size_t maxCharacters) override {
        return find(handle).title.substr(0, maxCharacters);
    }
    WindowHandle desktopWindow() override { return kDesktopWindow; }
    void postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
        messages.push_back({window, message, wParam, lParam});
    }
    void setFocus(WindowHandle window) override { focused.push_back(window); }

    std::optional<std::string> associatedProgram(const std::string&) override { return association; }
    ProcessHandle shellExecute(WindowHandle, const std::string& verb, const std::string& file,
                               const std::string& parameters, int showMode) override {
        started.push_back({verb, file, parameters, showMode});
        if (viewerOnStart)
            windows.push_back(*viewerOnStart);
        return kViewerProcess;
    }
    void terminateProcess(ProcessHandle process, unsigned) override { terminated.push_back(process); }
    void releaseProcess(ProcessHandle process) override { released.push_back(process); }

    DdeConversation ddeConnect(const std::string& service, const std::string& topic) override {
        ++connectAttempts;
        if (service != "acroview" || topic != "control" || !viewerAnswers)
            return 0;
        if (connectionsRefused > 0) {
            --connectionsRefused;
            return 0;
        }
        ++openConversations;
        return 5;
    }
    void ddeExecute(DdeConversation, std::string_view command, std::uint64_t timeout) override {
        commands.push_back({std::string(command), timeout});
    }
    void ddeDisconnect(DdeConversation) override { --openConversations; }

    void sleep(unsigned milliseconds) override {
        sleptMilliseconds += milliseconds;
        sleeps.push_back(milliseconds);
    }

private:
    const Window& find(WindowHandle handle) const {
        static const Window none;
        for (const Window& window : windows)
            if (window.handle == handle)
                return window;
        return none;
    }
};

// Installs a printer double and a desktop double as the process's printer and desktop for the life of a
// test, so that nothing reaches the machine's printers or windows.
class PlatformDoubles {
public:
    PlatformDoubles()
        : printer(new PrinterDouble), desktop(new DesktopDouble),
          previousPrinter(ReplacePrinter(std::unique_ptr<TPrinter>(printer))),
          previousDesktop(ReplaceDesktop(std::unique_ptr<TDesktop>(desktop))) {}
    ~PlatformDoubles() {
        ReplacePrinter(std::move(previousPrinter));
        ReplaceDesktop(std::move(previousDesktop));
    }
    PlatformDoubles(const PlatformDoubles&) = delete;
    PlatformDoubles& operator=(const PlatformDoubles&) = delete;

    PrinterDouble* const printer;
    DesktopDouble* const desktop;

private:
    std::unique_ptr<TPrinter> previousPrinter;
    std::unique_ptr<TDesktop> previousDesktop;
};
