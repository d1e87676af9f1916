#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/reader/lexer.h"
#include "pdf/render/render_limits.h"

// One operand of a content stream operator.
struct ContentOperand {
    enum class Kind { Number, Name, String, Array, Dictionary, Boolean, Null, Other };

    Kind kind = Kind::Null;
    double number = 0;                 // Number; Boolean as 0 or 1
    std::string text;                  // Name (without the slash), String (bytes), Other (the word)
    std::vector<ContentOperand> items; // Array items; Dictionary keys (Names) and values in turn

    bool IsNumber() const { return kind == Kind::Number; }
    // The value of a dictionary key, or nullptr.
    const ContentOperand* Find(std::string_view key) const;
};

// Splits a content stream into operators with their operands. Malformed input never stops it: stray
// delimiters are skipped, too many operands drop the oldest, and over-long or over-deep arrays keep what
// fits. An inline image (BI ... ID data EI) comes as the operator "BI" with its dictionary as the one
// operand and its data in InlineImageData().
class ContentParser {
public:
    ContentParser(std::string_view data, const RenderLimits& limits) : lexer(data), limits(limits) {}

    // The next operator and its operands; false at the end of the data.
    bool Next(std::string& op, std::vector<ContentOperand>& operands);

    // The data of the inline image just returned (between ID and EI).
    std::string_view InlineImageData() const { return inlineData; }

private:
    // Reads the value that starts with `token`; nested arrays and dictionaries are read to their end.
    ContentOperand ReadValue(const TPDFToken& token, int depth);
    void ReadItems(ContentOperand& container, TPDFTokenKind close, int depth);
    // Reads past an array or dictionary too deep to keep, without recursion.
    void SkipNested();
    // After "BI": the dictionary up to "ID", then the data up to "EI".
    void ReadInlineImage(std::vector<ContentOperand>& operands);

    TPDFLexer lexer;
    const RenderLimits& limits;
    std::string_view inlineData;
};
