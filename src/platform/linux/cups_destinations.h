#pragma once

#include <string>

#include <cups/cups.h>

// The CUPS destinations as libcups lists them (queues and their lpoptions instances), owned.
class CupsDestinations {
public:
    // Asks the scheduler; an empty list when it cannot be reached.
    CupsDestinations();
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations&) = delete;
    CupsDestinations& operator=(const CupsDestinations&) = delete;

    int count() const { return count_; }
    cups_dest_t& at(int index) const { return dests_[index]; }
    // The destination of that device name exactly as deviceName() writes it; nullptr when none.
    cups_dest_t* find(const std::string& deviceName) const;
    // The index of CUPS's default destination (lpoptions, LPDEST, PRINTER, the scheduler's default);
    // -1 when there is none.
    int defaultIndex() const;

    // The queue name, followed by "/" and the instance for an instance.
    static std::string deviceName(const cups_dest_t& dest);

private:
    cups_dest_t* dests_ = nullptr;
    int count_ = 0;
};
