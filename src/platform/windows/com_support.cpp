#include "platform/windows/com_support.h"

namespace {

// Initialises COM for its thread and undoes it when the thread ends.
class ThreadApartment {
public:
    ThreadApartment() {
        const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        // S_FALSE: already initialised here, still to be balanced; RPC_E_CHANGED_MODE: another
        // apartment model was chosen by someone else, usable but not ours to undo.
        usable_ = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
        owned_ = SUCCEEDED(result);
    }
    ~ThreadApartment() {
        if (owned_) {
            CoUninitialize();
        }
    }
    ThreadApartment(const ThreadApartment&) = delete;
    ThreadApartment& operator=(const ThreadApartment&) = delete;

    bool usable() const { return usable_; }

private:
    bool usable_ = false;
    bool owned_ = false;
};

} // namespace

bool EnsureComForThread() {
    thread_local ThreadApartment apartment;
    return apartment.usable();
}
