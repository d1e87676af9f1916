// A stand-in for a PDF viewer, for the tests of printing through the viewer associated with PDF files:
//
//   fake_viewer.exe [FILE]   runs the viewer: a top-level window titled "FILE - Adobe Reader" and a DDE
//                            server on service "acroview", topic "control", until WM_CLOSE
//   fake_viewer.exe --running   exits 0 when a viewer window exists, 1 otherwise
//   fake_viewer.exe --close     posts WM_CLOSE to every viewer window
//
// The viewer appends to its log, STAMPADOC_VIEWER_LOG or fake_viewer.log beside the executable, one line
// for each event: "START", "EXECUTE " and the command's bytes for every execute transaction, "CLOSE".
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <ddeml.h>

namespace {

constexpr const char* kWindowClass = "StampadocFakeViewer";
constexpr const char* kService = "acroview";
constexpr const char* kTopic = "control";

std::string LogPath() {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("STAMPADOC_VIEWER_LOG", value, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return value;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    path.erase(path.find_last_of('\\') + 1);
    return path + "fake_viewer.log";
}

// Each line is written and the file closed at once, so that a viewer ended by TerminateProcess loses none.
void Log(const std::string& line) {
    static const std::string path = LogPath();
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

DWORD instance = 0;
HSZ topic = nullptr;

HDDEDATA CALLBACK Serve(UINT type, UINT, HCONV, HSZ topicName, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(DdeCmpStringHandles(topicName, topic) == 0 ? TRUE : FALSE);
    case XTYP_EXECUTE: {
        const DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::vector<char> bytes(size);
        if (size > 0)
            DdeGetData(data, reinterpret_cast<BYTE*>(bytes.data()), size, 0);
        Log("EXECUTE " + std::string(bytes.begin(), bytes.end()));
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    default:
        return nullptr;
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Log("CLOSE");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

BOOL CALLBACK CloseViewer(HWND window, LPARAM found) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, kWindowClass) == 0) {
        ++*reinterpret_cast<int*>(found);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

int RunViewer(const std::string& file) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassA(&windowClass) == 0)
        return 2;
    const std::string title = (file.empty() ? std::string("Nessun documento") : file) + " - Adobe Reader";
    HWND window = CreateWindowExA(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 400, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr)
        return 3;

    if (DdeInitializeA(&instance, Serve,
                       APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                       0) != DMLERR_NO_ERROR)
        return 4;
    HSZ service = DdeCreateStringHandleA(instance, kService, CP_WINANSI);
    topic = DdeCreateStringHandleA(instance, kTopic, CP_WINANSI);
    if (service == nullptr || topic == nullptr ||
        DdeNameService(instance, service, nullptr, DNS_REGISTER) == 0)
        return 5;
    Log("START");

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DdeNameService(instance, service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(instance, service);
    DdeFreeStringHandle(instance, topic);
    DdeUninitialize(instance);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--running")
        return FindWindowA(kWindowClass, nullptr) != nullptr ? 0 : 1;
    if (first == "--close") {
        int found = 0;
        EnumWindows(CloseViewer, reinterpret_cast<LPARAM>(&found));
        return found > 0 ? 0 : 1;
    }
    return RunViewer(first);
}
