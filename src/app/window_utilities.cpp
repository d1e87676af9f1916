#include "app/window_utilities.h"

#include <algorithm>
#include <cstring>

#include "util/strings.h"

namespace {

// Class names are read into 98 characters, console titles into 254, viewer titles into 256: each with
// its terminating zero.
constexpr std::size_t kClassNameCharacters = 97;
constexpr std::size_t kConsoleTitleCharacters = 253;
constexpr std::size_t kViewerTitleCharacters = 254;

} // namespace

ConsoleWindowInfo& ConsoleWindow() {
    static ConsoleWindowInfo console;
    return console;
}

void findConsoleWindow(ConsoleWindowInfo& info) {
    TDesktop& desktop = Desktop();
    desktop.enumerateWindows([&](WindowHandle window) {
        const std::string className = desktop.windowClassName(window, kClassNameCharacters);
        const bool tty = SameTextAscii(className, "tty");
        if (!tty && !SameTextAscii(className, "ConsoleWindowClass"))
            return true;
        info.handle = window;
        const std::string title = desktop.windowTitle(window, kConsoleTitleCharacters);
        const std::size_t length = std::min(title.size(), kConsoleTitleCharacters);
        std::memcpy(info.title, title.data(), length);
        info.title[length] = '\0';
        info.isConsoleClass = !tty;
        return false;
    });
}

void findViewerWindow(ViewerWindowInfo& info) {
    TDesktop& desktop = Desktop();
    info = {};
    desktop.enumerateWindows([&](WindowHandle window) {
        info = {};
        const std::string title = desktop.windowTitle(window, kViewerTitleCharacters);
        for (const char* name : {"Acrobat Reader", "Adobe Reader", "Adobe Acrobat"}) {
            if (title.find(name) != std::string::npos) {
                info = {window, true};
                return false;
            }
        }
        return true;
    });
}

void bringWindowToFront(WindowHandle window) {
    TDesktop& desktop = Desktop();
    desktop.postMessage(desktop.desktopWindow(), kWmSysCommand, kScHotKey,
                        static_cast<std::intptr_t>(window));
}
