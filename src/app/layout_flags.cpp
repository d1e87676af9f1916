#include "app/layout_flags.h"

namespace {

// The character at 1-based `position`, or 0 (none of '0', '1', '2' and no digit) beyond the end.
char FlagAt(std::string_view flags, std::size_t position) {
    return position <= flags.size() ? flags[position - 1] : '\0';
}

} // namespace

LayoutFlagSettings DecodeLayoutFlags(std::string_view flags) {
    LayoutFlagSettings result;
    result.printTransportDetails = FlagAt(flags, 1) != '0';
    result.layoutFlag1 = FlagAt(flags, 2) == '1';
    result.layoutFlag2 = FlagAt(flags, 3) == '1';
    result.printLetterhead = FlagAt(flags, 4) != '0';
    result.printLogo = FlagAt(flags, 4) == '2';
    const char digit = FlagAt(flags, 5);
    result.altPriceDigit = (digit >= '0' && digit <= '9') ? digit - '0' : 0;
    result.layoutFlag5 = FlagAt(flags, 6) == '1';
    if (flags.size() >= 7)
        result.layoutKind = std::string(1, flags[6]);
    result.layoutFlag7 = FlagAt(flags, 8) == '1';
    return result;
}
