#include <chrono>
#include <thread>

#include "platform/desktop.h"

namespace {

// A Linux desktop as the program sees it: no console or viewer windows, no program associated with PDF
// files (PDF files are printed by the program itself), no DDE server. Sleeping sleeps.
class LinuxDesktop : public TDesktop {
public:
    void enumerateWindows(const std::function<bool(WindowHandle)>&) override {}
    std::string windowClassName(WindowHandle, std::size_t) override { return {}; }
    std::string windowTitle(WindowHandle, std::size_t) override { return {}; }
    WindowHandle desktopWindow() override { return 0; }
    void postMessage(WindowHandle, unsigned, std::uintptr_t, std::intptr_t) override {}
    void setFocus(WindowHandle) override {}

    std::optional<std::string> associatedProgram(const std::string&) override { return std::nullopt; }
    ProcessHandle shellExecute(WindowHandle, const std::string&, const std::string&, const std::string&,
                               int) override {
        return 0;
    }
    void terminateProcess(ProcessHandle, unsigned) override {}
    void releaseProcess(ProcessHandle) override {}

    DdeConversation ddeConnect(const std::string&, const std::string&) override { return 0; }
    void ddeExecute(DdeConversation, std::string_view, std::uint64_t) override {}
    void ddeDisconnect(DdeConversation) override {}

    void sleep(unsigned milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

} // namespace

std::unique_ptr<TDesktop> MakeSystemDesktop() {
    return std::make_unique<LinuxDesktop>();
}
