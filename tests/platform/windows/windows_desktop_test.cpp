// The Windows desktop: windows of this process, the shell starting and ending a process, and a DDE
// execute received by a server thread of this process.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include <windows.h>

#include <ddeml.h>

#include "platform/desktop.h"

namespace {

constexpr const char* kClass = "StampadocDesktopTest";

// A top-level window of this thread, destroyed with the object if it still exists.
class TestWindow {
public:
    explicit TestWindow(const char* title) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, kClass, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    }
    ~TestWindow() {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window); }

    HWND window = nullptr;
};

TEST(WindowsDesktopTest, ReadsTheClassAndTitleOfAWindowItEnumerates) {
    const TestWindow window("Fattura 12.pdf - Adobe Reader");
    ASSERT_NE(window.window, nullptr);
    const std::unique_ptr<TDesktop> desktop = MakeSystemDesktop();
    int seen = 0;
    desktop->enumerateWindows([&](WindowHandle handle) {
        seen += handle == window.handle() ? 1 : 0;
        return true;
    });
    EXPECT_EQ(seen, 1);
    int visits = 0;
    desktop->enumerateWindows([&](WindowHandle) { return ++visits < 1; });
    EXPECT_EQ(visits, 1) << "the enumeration goes on after the visitor said stop";

    const struct {
        std::size_t max;
        const char* title;
        const char* className;
    } cuts[] = {{253, "Fattura 12.pdf - Adobe Reader", kClass}, {7, "Fattura", "Stampad"}, {0, "", ""}};
    for (const auto& cut : cuts) {
        EXPECT_EQ(desktop->windowTitle(window.handle(), cut.max), cut.title) << cut.max;
        EXPECT_EQ(desktop->windowClassName(window.handle(), cut.max), cut.className) << cut.max;
    }
}

TEST(WindowsDesktopTest, APostedCloseMessageReachesTheWindow) {
    const TestWindow window("Da chiudere");
    ASSERT_NE(window.window, nullptr);
    MakeSystemDesktop()->postMessage(window.handle(), kWmClose, 0, 0);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_FALSE(IsWindow(window.window));
}

// Stays running until ended: the process the next test starts through the shell and terminates.
TEST(WindowsDesktopTest, DISABLED_RunsUntilTerminated) {
    Sleep(60000);
}

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(WindowsDesktopTest, StartsAProgramThroughTheShellAndTerminatesIt) {
    const std::unique_ptr<TDesktop> desktop = MakeSystemDesktop();
    const std::string program = ThisProgram();
    const std::optional<std::string> associated = desktop->associatedProgram(program);
    ASSERT_TRUE(associated.has_value()) << "a program is opened by itself";
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, associated->c_str(), -1, program.c_str(), -1),
              CSTR_EQUAL)
        << *associated;
    EXPECT_FALSE(desktop->associatedProgram(program + ".manca.pdf").has_value());

    const ProcessHandle process = desktop->shellExecute(
        0, "open", program, "--gtest_also_run_disabled_tests --gtest_filter=*RunsUntilTerminated", kSwHide);
    ASSERT_NE(process, 0u);
    const HANDLE handle = reinterpret_cast<HANDLE>(process);
    EXPECT_EQ(WaitForSingleObject(handle, 200), static_cast<DWORD>(WAIT_TIMEOUT));
    desktop->terminateProcess(process, 7);
    EXPECT_EQ(WaitForSingleObject(handle, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(handle, &exitCode));
    EXPECT_EQ(exitCode, 7u);
    desktop->releaseProcess(process);
}

// A DDE server on its own thread: service "StampadocTest", topic "control", keeping the last execute's
// bytes exactly as received.
class DdeServerThread {
public:
    DdeServerThread() {
        thread = std::thread([this] { run(); });
        while (!ready)
            Sleep(10);
    }
    ~DdeServerThread() {
        PostThreadMessageA(threadId, WM_QUIT, 0, 0);
        thread.join();
    }
    std::string received() { return executed; }

private:
    static HDDEDATA CALLBACK serve(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
        if (type == XTYP_CONNECT)
            return reinterpret_cast<HDDEDATA>(TRUE);
        if (type != XTYP_EXECUTE)
            return nullptr;
        const DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string bytes(size, '\0');
        DdeGetData(data, reinterpret_cast<BYTE*>(bytes.data()), size, 0);
        current->executed = bytes;
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    void run() {
        current = this;
        threadId = GetCurrentThreadId();
        DWORD instance = 0;
        DdeInitializeA(&instance, serve, APPCLASS_STANDARD, 0);
        HSZ service = DdeCreateStringHandleA(instance, "StampadocTest", CP_WINANSI);
        DdeNameService(instance, service, nullptr, DNS_REGISTER);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists from here on
        ready = true;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
        DdeNameService(instance, service, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(instance, service);
        DdeUninitialize(instance);
    }

    static inline DdeServerThread* current = nullptr;
    std::thread thread;
    DWORD threadId = 0;
    std::atomic<bool> ready = false;
    std::string executed;
};

TEST(WindowsDesktopTest, AnExecuteCarriesTheCommandWithoutATerminatingZero) {
    const std::unique_ptr<TDesktop> desktop = MakeSystemDesktop();
    EXPECT_EQ(desktop->ddeConnect("StampadocNessuno", "control"), 0u);

    DdeServerThread server;
    const DdeConversation conversation = desktop->ddeConnect("StampadocTest", "control");
    ASSERT_NE(conversation, 0u);
    const std::string command = "[FilePrintSilent(\"C:\\dati\\fattura.pdf\")]";
    desktop->ddeExecute(conversation, command, 10000);
    desktop->ddeDisconnect(conversation);
    EXPECT_EQ(server.received(), command);
}

} // namespace
