#include "app/viewer_printing.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr int kAttempts = 3;
constexpr unsigned kAttemptPauseMilliseconds = 1000;
constexpr std::uintmax_t kBytesPerTimeoutFactor = 1'000'000;

// Ends a conversation on every path.
class Conversation {
public:
    Conversation(TDesktop& desktop, DdeConversation handle) : desktop(desktop), handle(handle) {}
    ~Conversation() {
        if (handle != 0)
            desktop.ddeDisconnect(handle);
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    DdeConversation get() const { return handle; }

private:
    TDesktop& desktop;
    DdeConversation handle;
};

} // namespace

bool ddeExecute(const std::string& command, int timeoutFactor) {
    TDesktop& desktop = Desktop();
    const Conversation conversation(desktop, desktop.ddeConnect(kViewerService, kViewerTopic));
    if (conversation.get() == 0)
        return false;
    desktop.ddeExecute(conversation.get(), command,
                       static_cast<std::uint64_t>(timeoutFactor) * kDdeTimeoutPerFactor);
    return true;
}

std::string ViewerPrintCommand(const std::string& file, const ViewerPrinting& printing) {
    if (printing.useDefaultPrinter)
        return "[FilePrintSilent(\"" + file + "\")]";
    return "[FilePrintTo(\"" + file + "\",\"" + printing.printer.deviceName + "\",\"" +
           printing.printer.driverName + "\",\"" + printing.printer.portName + "\")]";
}

bool printWithViewer(const std::string& file, ViewerPrinting& printing) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return false;
    printing.timeoutFactor = static_cast<int>(size / kBytesPerTimeoutFactor) + 1;

    const std::string command = ViewerPrintCommand(file, printing);
    bool handedOver = false;
    for (int attempt = 1; attempt <= kAttempts && !handedOver; ++attempt) {
        if (attempt > 1)
            Desktop().sleep(kAttemptPauseMilliseconds);
        handedOver = ddeExecute(command, printing.timeoutFactor);
    }
    return handedOver;
}

ProcessHandle startProgram(WindowHandle window, const std::string& verb, const std::string& file,
                           const std::string& parameters, int showMode) {
    return Desktop().shellExecute(window, verb, file, parameters, showMode);
}
