#pragma once

#include <cups/cups.h>

// A connection of our own to the scheduler libcups is configured for (CUPS_SERVER, client.conf: a
// domain socket or a host), where every destination of the printer list lives. nullptr when it cannot
// be reached. The caller closes it with httpClose.
inline http_t* ConnectToScheduler() {
    constexpr int kConnectMilliseconds = 30000;
    return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                        kConnectMilliseconds, nullptr);
}
