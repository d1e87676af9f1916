#include "platform/linux/cups_destinations.h"

#include <strings.h>

CupsDestinations::CupsDestinations() {
    count_ = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_);
    if (count_ < 0)
        count_ = 0;
}

CupsDestinations::~CupsDestinations() {
    cupsFreeDests(count_, dests_);
}

std::string CupsDestinations::deviceName(const cups_dest_t& dest) {
    std::string name = dest.name != nullptr ? dest.name : "";
    if (dest.instance != nullptr && *dest.instance != '\0')
        name += std::string("/") + dest.instance;
    return name;
}

cups_dest_t* CupsDestinations::find(const std::string& deviceName) const {
    for (int i = 0; i < count_; ++i) {
        if (CupsDestinations::deviceName(dests_[i]) == deviceName)
            return &dests_[i];
    }
    return nullptr;
}

int CupsDestinations::defaultIndex() const {
    // cupsGetNamedDest without a name resolves the default as the lp command does: LPDEST, PRINTER,
    // lpoptions, then the scheduler's default.
    cups_dest_t* chosen = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (chosen == nullptr)
        return -1;
    int index = -1;
    for (int i = 0; i < count_ && index < 0; ++i) {
        const char* instance = dests_[i].instance != nullptr ? dests_[i].instance : "";
        const char* wanted = chosen->instance != nullptr ? chosen->instance : "";
        // Queue names ignore case in CUPS: LPDEST may write them in any case.
        if (strcasecmp(dests_[i].name, chosen->name) == 0 && strcasecmp(instance, wanted) == 0)
            index = i;
    }
    cupsFreeDests(1, chosen);
    return index;
}
