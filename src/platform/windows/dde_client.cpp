#include "platform/windows/dde_client.h"

#include <algorithm>

namespace {

// The client serves nothing: every transaction the system hands it is answered with nothing.
HDDEDATA CALLBACK IgnoreTransaction(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}

// A string handle of the instance, freed when it goes out of scope.
class DdeString {
public:
    DdeString(DWORD instance, const std::string& text)
        : instance_(instance), handle_(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}
    ~DdeString() {
        if (handle_ != nullptr)
            DdeFreeStringHandle(instance_, handle_);
    }
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;

    HSZ get() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

} // namespace

DdeClient::DdeClient(const std::string& service, const std::string& topic) {
    if (DdeInitializeA(&instance_, IgnoreTransaction, APPCMD_CLIENTONLY | CBF_FAIL_ALLSVRXACTIONS, 0) !=
        DMLERR_NO_ERROR) {
        instance_ = 0;
        return;
    }
    const DdeString serviceName(instance_, service);
    const DdeString topicName(instance_, topic);
    if (serviceName.get() != nullptr && topicName.get() != nullptr)
        conversation_ = DdeConnect(instance_, serviceName.get(), topicName.get(), nullptr);
}

DdeClient::~DdeClient() {
    if (conversation_ != nullptr)
        DdeDisconnect(conversation_);
    if (instance_ != 0)
        DdeUninitialize(instance_);
}

void DdeClient::execute(std::string_view command, std::uint64_t timeoutMilliseconds) {
    if (conversation_ == nullptr)
        return;
    HDDEDATA data = DdeCreateDataHandle(instance_, reinterpret_cast<BYTE*>(const_cast<char*>(command.data())),
                                        static_cast<DWORD>(command.size()), 0, nullptr, 0, 0);
    if (data == nullptr)
        return;
    // TIMEOUT_ASYNC (all bits set) would make the call asynchronous: stay one below it.
    const DWORD timeout = static_cast<DWORD>(std::min<std::uint64_t>(timeoutMilliseconds, TIMEOUT_ASYNC - 1));
    // The system owns a data handle passed to a transaction and frees it.
    DdeClientTransaction(reinterpret_cast<BYTE*>(data), 0xFFFFFFFF, conversation_, nullptr, 0, XTYP_EXECUTE,
                         timeout, nullptr);
}
