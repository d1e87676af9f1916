#include "layout/fixed_text.h"

#include <algorithm>

namespace fixed_text {

std::string Left(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width)
        return text;
    return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
}

std::string Right(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width)
        return text;
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

std::string Cut(const std::string& text, int max) {
    return text.substr(0, static_cast<size_t>(std::max(max, 0)));
}

std::string Trim(const std::string& text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string Decimal(long long value) {
    return std::to_string(value);
}

} // namespace fixed_text
