#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <windows.h>

#include <ddeml.h>

// One DDEML client instance with one conversation: the instance is initialised as a client only, the
// conversation opened on a service and topic given in the ANSI code page, and both are ended by the
// destructor (DdeDisconnect, DdeUninitialize).
class DdeClient {
public:
    DdeClient(const std::string& service, const std::string& topic);
    ~DdeClient();
    DdeClient(const DdeClient&) = delete;
    DdeClient& operator=(const DdeClient&) = delete;

    bool connected() const { return conversation_ != nullptr; }
    // XTYP_EXECUTE with the command's bytes, no terminating zero. Waits at most the timeout (cut to the
    // longest a DWORD holds short of TIMEOUT_ASYNC); the outcome is not reported.
    void execute(std::string_view command, std::uint64_t timeoutMilliseconds);

private:
    DWORD instance_ = 0;
    HCONV conversation_ = nullptr;
};
