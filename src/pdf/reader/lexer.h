#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class TPDFTokenKind {
    End,
    Integer,
    Real,
    Name,
    LiteralString,
    HexString,
    ArrayOpen,
    ArrayClose,
    DictOpen,
    DictClose,
    Keyword, // true, false, null, obj, endobj, stream, R and any other bare word
    Error,
};

struct TPDFToken {
    TPDFTokenKind kind = TPDFTokenKind::End;
    std::string text; // decoded bytes of names and strings, the word of keywords
    int64_t integer = 0;
    double real = 0;
    std::size_t start = 0; // offset of the token's first byte
};

// Splits PDF text into tokens. Never reads outside the data it was given; malformed input gives Error
// tokens or lenient readings, never an exception.
class TPDFLexer {
public:
    explicit TPDFLexer(std::string_view data, std::size_t position = 0) : data_(data), pos_(position) {}

    TPDFToken Next();
    // The next token without consuming it.
    TPDFToken Peek();

    std::size_t Position() const { return pos_; }
    void Seek(std::size_t position) { pos_ = position < data_.size() ? position : data_.size(); }
    std::string_view Data() const { return data_; }

    // Skips white space and comments.
    void SkipWhiteSpace();

    static bool IsWhite(unsigned char c) {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
    }
    static bool IsDelimiter(unsigned char c) {
        return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
               c == '/' || c == '%';
    }
    // Reads a number's text leniently ("+5", "-.5", "4."), without regard to the C locale.
    static bool ParseNumber(std::string_view text, bool& isInteger, int64_t& integer, double& real);

private:
    TPDFToken readLiteralString(std::size_t start);
    TPDFToken readHexString(std::size_t start);
    TPDFToken readName(std::size_t start);
    TPDFToken readWord(std::size_t start);

    std::string_view data_;
    std::size_t pos_;
};
