#pragma once

#include <optional>
#include <string_view>

struct TPDFPageSize {
    double width;  // points
    double height; // points
};

// Size of a named paper: upper-cased, a "LANDSCAPE" word swaps width and height (except for LEDGER).
// std::nullopt for an unknown name.
std::optional<TPDFPageSize> LookupPageSize(std::string_view name);
