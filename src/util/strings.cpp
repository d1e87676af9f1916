#include "util/strings.h"

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

char UpperAsciiChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string TrimControl(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsControlOrBlank(text[first]))
        ++first;
    while (last > first && IsControlOrBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::string UpperAscii(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = UpperAsciiChar(c);
    return result;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAsciiChar(a[i]) != UpperAsciiChar(b[i]))
            return false;
    return true;
}

std::string LeftPart(const std::string& text, int n) {
    if (n <= 0)
        return {};
    return text.substr(0, static_cast<size_t>(n));
}

std::string RightPart(const std::string& text, int n) {
    if (n <= 0)
        return {};
    if (static_cast<size_t>(n) >= text.size())
        return text;
    return text.substr(text.size() - static_cast<size_t>(n));
}

std::string TailFrom(const std::string& text, int position) {
    size_t start = position < 1 ? 0 : static_cast<size_t>(position) - 1;
    if (start >= text.size())
        return {};
    return text.substr(start);
}

std::string RepeatChar(int n, char ch) {
    if (n <= 0)
        return {};
    return std::string(static_cast<size_t>(n), ch);
}

std::string Spaces(int n) {
    return RepeatChar(n, ' ');
}

std::string PadText(const std::string& text, int length, char ch, bool atLeft) {
    if (length <= 0 || text.size() >= static_cast<size_t>(length))
        return text;
    std::string padding(static_cast<size_t>(length) - text.size(), ch);
    return atLeft ? padding + text : text + padding;
}

int ReplaceFirst(std::string& text, const std::string& find, const std::string& repl) {
    if (find.empty())
        return 0;
    size_t at = text.find(find);
    if (at == std::string::npos)
        return 0;
    text.replace(at, find.size(), repl);
    return static_cast<int>(at) + 1;
}

int ReplaceAll(std::string& text, const std::string& find, const std::string& repl) {
    if (find.empty())
        return 0;
    int count = 0;
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        result.append(text, from, at - from);
        result += repl;
        from = at + find.size();
        ++count;
    }
    if (count == 0)
        return 0;
    result.append(text, from, std::string::npos);
    text = std::move(result);
    return count;
}
