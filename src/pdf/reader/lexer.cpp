#include "pdf/reader/lexer.h"

#include <charconv>
#include <cmath>

namespace {

int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isNumberStart(unsigned char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

} // namespace

void TPDFLexer::SkipWhiteSpace() {
    while (pos_ < data_.size()) {
        const auto c = static_cast<unsigned char>(data_[pos_]);
        if (IsWhite(c)) {
            ++pos_;
        } else if (c == '%') {
            while (pos_ < data_.size() && data_[pos_] != '\n' && data_[pos_] != '\r')
                ++pos_;
        } else {
            break;
        }
    }
}

TPDFToken TPDFLexer::Peek() {
    const std::size_t saved = pos_;
    TPDFToken token = Next();
    pos_ = saved;
    return token;
}

TPDFToken TPDFLexer::Next() {
    SkipWhiteSpace();
    TPDFToken token;
    token.start = pos_;
    if (pos_ >= data_.size())
        return token;
    const auto c = static_cast<unsigned char>(data_[pos_]);
    switch (c) {
    case '(':
        return readLiteralString(pos_);
    case '<':
        if (pos_ + 1 < data_.size() && data_[pos_ + 1] == '<') {
            pos_ += 2;
            token.kind = TPDFTokenKind::DictOpen;
            return token;
        }
        return readHexString(pos_);
    case '>':
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '>') {
            ++pos_;
            token.kind = TPDFTokenKind::DictClose;
        } else {
            token.kind = TPDFTokenKind::Error;
        }
        return token;
    case '[':
        ++pos_;
        token.kind = TPDFTokenKind::ArrayOpen;
        return token;
    case ']':
        ++pos_;
        token.kind = TPDFTokenKind::ArrayClose;
        return token;
    case '/':
        return readName(pos_);
    case ')':
    case '{':
    case '}':
        ++pos_;
        token.kind = TPDFTokenKind::Error;
        return token;
    default:
        return readWord(pos_);
    }
}

TPDFToken TPDFLexer::readLiteralString(std::size_t start) {
    TPDFToken token;
    token.start = start;
    token.kind = TPDFTokenKind::LiteralString;
    std::size_t p = start + 1;
    int depth = 1;
    std::string& out = token.text;
    while (p < data_.size()) {
        const auto c = static_cast<unsigned char>(data_[p++]);
        if (c == '(') {
            ++depth;
            out.push_back('(');
        } else if (c == ')') {
            if (--depth == 0) {
                pos_ = p;
                return token;
            }
            out.push_back(')');
        } else if (c == '\r') {
            // An unescaped end of line of any kind reads as a single line feed.
            if (p < data_.size() && data_[p] == '\n')
                ++p;
            out.push_back('\n');
        } else if (c == '\\') {
            if (p >= data_.size())
                break;
            const auto e = static_cast<unsigned char>(data_[p++]);
            switch (e) {
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case '\r':
                if (p < data_.size() && data_[p] == '\n')
                    ++p;
                break; // line continuation
            case '\n':
                break;
            default:
                if (e >= '0' && e <= '7') {
                    int value = e - '0';
                    for (int i = 0; i < 2 && p < data_.size() && data_[p] >= '0' && data_[p] <= '7'; ++i)
                        value = value * 8 + (data_[p++] - '0');
                    out.push_back(static_cast<char>(value & 0xFF));
                } else {
                    out.push_back(static_cast<char>(e)); // \( \) \\ and unknown escapes
                }
            }
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    pos_ = data_.size();
    token.kind = TPDFTokenKind::Error; // unterminated
    return token;
}

TPDFToken TPDFLexer::readHexString(std::size_t start) {
    TPDFToken token;
    token.start = start;
    token.kind = TPDFTokenKind::HexString;
    std::size_t p = start + 1;
    int high = -1;
    while (p < data_.size()) {
        const auto c = static_cast<unsigned char>(data_[p++]);
        if (c == '>') {
            if (high >= 0)
                token.text.push_back(static_cast<char>(high << 4)); // odd count: last digit padded with 0
            pos_ = p;
            return token;
        }
        if (IsWhite(c))
            continue;
        const int v = hexValue(c);
        if (v < 0)
            break;
        if (high < 0) {
            high = v;
        } else {
            token.text.push_back(static_cast<char>((high << 4) | v));
            high = -1;
        }
    }
    pos_ = p;
    token.kind = TPDFTokenKind::Error;
    return token;
}

TPDFToken TPDFLexer::readName(std::size_t start) {
    TPDFToken token;
    token.start = start;
    token.kind = TPDFTokenKind::Name;
    std::size_t p = start + 1;
    while (p < data_.size()) {
        const auto c = static_cast<unsigned char>(data_[p]);
        if (IsWhite(c) || IsDelimiter(c))
            break;
        if (c == '#' && p + 2 < data_.size() && hexValue(data_[p + 1]) >= 0 && hexValue(data_[p + 2]) >= 0) {
            token.text.push_back(static_cast<char>(hexValue(data_[p + 1]) * 16 + hexValue(data_[p + 2])));
            p += 3;
            continue;
        }
        token.text.push_back(static_cast<char>(c));
        ++p;
    }
    pos_ = p;
    return token;
}

TPDFToken TPDFLexer::readWord(std::size_t start) {
    TPDFToken token;
    token.start = start;
    std::size_t p = start;
    while (p < data_.size()) {
        const auto c = static_cast<unsigned char>(data_[p]);
        if (IsWhite(c) || IsDelimiter(c))
            break;
        ++p;
    }
    pos_ = p;
    token.text.assign(data_.substr(start, p - start));
    if (isNumberStart(static_cast<unsigned char>(token.text[0]))) {
        bool isInteger = false;
        if (ParseNumber(token.text, isInteger, token.integer, token.real)) {
            token.kind = isInteger ? TPDFTokenKind::Integer : TPDFTokenKind::Real;
            return token;
        }
    }
    token.kind = TPDFTokenKind::Keyword;
    return token;
}

bool TPDFLexer::ParseNumber(std::string_view text, bool& isInteger, int64_t& integer, double& real) {
    bool negative = false;
    std::size_t i = 0;
    // Producers sometimes write doubled signs ("--5"); every sign is honoured.
    while (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            negative = !negative;
        ++i;
    }
    const std::string_view body = text.substr(i);
    if (body.empty())
        return false;
    bool sawDigit = false;
    int dots = 0;
    for (char c : body) {
        if (c >= '0' && c <= '9')
            sawDigit = true;
        else if (c == '.')
            ++dots;
        else
            return false;
    }
    if (!sawDigit || dots > 1)
        return false;
    if (dots == 0) {
        uint64_t value = 0;
        const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
        if (ec == std::errc{} && end == body.data() + body.size() &&
            value <= static_cast<uint64_t>(INT64_MAX)) {
            isInteger = true;
            integer = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
            real = static_cast<double>(integer);
            return true;
        }
    }
    // Reals (and integers too long for 64 bits). from_chars wants a digit before the point.
    std::string normal;
    if (body.front() == '.')
        normal = "0";
    normal.append(body);
    if (normal.back() == '.')
        normal.push_back('0');
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc{} || !std::isfinite(value))
        return false;
    isInteger = false;
    real = negative ? -value : value;
    integer = 0;
    return true;
}
