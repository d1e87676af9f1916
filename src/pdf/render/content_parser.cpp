#include "pdf/render/content_parser.h"

#include <cmath>

namespace {

bool IsWhite(char c) {
    return TPDFLexer::IsWhite(static_cast<unsigned char>(c));
}

bool EndsWord(std::string_view data, std::size_t at) {
    return at >= data.size() || IsWhite(data[at]) ||
           TPDFLexer::IsDelimiter(static_cast<unsigned char>(data[at]));
}

// "EI" standing alone at `at` (white space before it, white space, a delimiter or the end after it).
bool IsEndMarker(std::string_view data, std::size_t at) {
    return at + 2 <= data.size() && data[at] == 'E' && data[at + 1] == 'I' && at > 0 &&
           IsWhite(data[at - 1]) && EndsWord(data, at + 2);
}

// Number of data bytes of an unfiltered inline image, or 0 when the dictionary does not tell.
std::size_t InlineImageLength(const ContentOperand& dictionary) {
    auto entry = [&](std::string_view shortKey, std::string_view longKey) {
        const ContentOperand* value = dictionary.Find(shortKey);
        return value ? value : dictionary.Find(longKey);
    };
    if (entry("F", "Filter"))
        return 0;
    const ContentOperand* width = entry("W", "Width");
    const ContentOperand* height = entry("H", "Height");
    if (!width || !height || !width->IsNumber() || !height->IsNumber())
        return 0;
    double bits = 8;
    double components = 1;
    const ContentOperand* mask = entry("IM", "ImageMask");
    if (mask && mask->kind == ContentOperand::Kind::Boolean && mask->number != 0) {
        bits = 1;
    } else {
        if (const ContentOperand* bpc = entry("BPC", "BitsPerComponent"); bpc && bpc->IsNumber())
            bits = bpc->number;
        const ContentOperand* space = entry("CS", "ColorSpace");
        if (!space)
            return 0;
        if (space->kind == ContentOperand::Kind::Name) {
            const std::string& n = space->text;
            if (n == "RGB" || n == "DeviceRGB")
                components = 3;
            else if (n == "CMYK" || n == "DeviceCMYK")
                components = 4;
            else if (n != "G" && n != "DeviceGray")
                return 0; // a named space of the resources
        } else if (space->kind != ContentOperand::Kind::Array) {
            return 0;
        } // an array: indexed, one component
    }
    const double rowBytes = std::ceil(width->number * components * bits / 8);
    const double total = rowBytes * height->number;
    if (!(total > 0) || total > 1e9)
        return 0;
    return static_cast<std::size_t>(total);
}

} // namespace

const ContentOperand* ContentOperand::Find(std::string_view key) const {
    if (kind != Kind::Dictionary)
        return nullptr;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2)
        if (items[i].text == key)
            return &items[i + 1];
    return nullptr;
}

bool ContentParser::Next(std::string& op, std::vector<ContentOperand>& operands) {
    operands.clear();
    while (true) {
        TPDFToken token = lexer.Next();
        switch (token.kind) {
        case TPDFTokenKind::End:
            return false;
        case TPDFTokenKind::Keyword:
            if (token.text == "true" || token.text == "false" || token.text == "null")
                break;
            op = std::move(token.text);
            if (op == "BI")
                ReadInlineImage(operands);
            return true;
        case TPDFTokenKind::ArrayClose:
        case TPDFTokenKind::DictClose:
        case TPDFTokenKind::Error:
            continue; // stray delimiter
        default:
            break;
        }
        if (operands.size() >= limits.maxOperands)
            operands.erase(operands.begin());
        operands.push_back(ReadValue(token, 0));
    }
}

ContentOperand ContentParser::ReadValue(const TPDFToken& token, int depth) {
    ContentOperand value;
    switch (token.kind) {
    case TPDFTokenKind::Integer:
    case TPDFTokenKind::Real:
        value.kind = ContentOperand::Kind::Number;
        value.number = token.kind == TPDFTokenKind::Integer ? static_cast<double>(token.integer) : token.real;
        break;
    case TPDFTokenKind::Name:
        value.kind = ContentOperand::Kind::Name;
        value.text = token.text;
        break;
    case TPDFTokenKind::LiteralString:
    case TPDFTokenKind::HexString:
        value.kind = ContentOperand::Kind::String;
        value.text = token.text;
        break;
    case TPDFTokenKind::ArrayOpen:
        value.kind = ContentOperand::Kind::Array;
        ReadItems(value, TPDFTokenKind::ArrayClose, depth + 1);
        break;
    case TPDFTokenKind::DictOpen:
        value.kind = ContentOperand::Kind::Dictionary;
        ReadItems(value, TPDFTokenKind::DictClose, depth + 1);
        if (value.items.size() % 2 != 0)
            value.items.pop_back();
        break;
    case TPDFTokenKind::Keyword:
        if (token.text == "true" || token.text == "false") {
            value.kind = ContentOperand::Kind::Boolean;
            value.number = token.text == "true" ? 1 : 0;
        } else if (token.text == "null") {
            value.kind = ContentOperand::Kind::Null;
        } else {
            value.kind = ContentOperand::Kind::Other;
            value.text = token.text;
        }
        break;
    default:
        value.kind = ContentOperand::Kind::Other;
        break;
    }
    return value;
}

void ContentParser::ReadItems(ContentOperand& container, TPDFTokenKind close, int depth) {
    while (true) {
        const std::size_t before = lexer.Position();
        TPDFToken token = lexer.Next();
        if (token.kind == TPDFTokenKind::End || token.kind == close)
            return;
        if (token.kind == TPDFTokenKind::ArrayClose || token.kind == TPDFTokenKind::DictClose)
            continue; // the other kind of closing delimiter
        if (token.kind == TPDFTokenKind::Keyword && token.text != "true" && token.text != "false" &&
            token.text != "null") {
            // An operator inside an array: the array was never closed. Leave the operator to the caller.
            lexer.Seek(before);
            return;
        }
        const bool nested = token.kind == TPDFTokenKind::ArrayOpen || token.kind == TPDFTokenKind::DictOpen;
        if (nested && depth >= limits.maxOperandNesting) {
            SkipNested();
            continue;
        }
        ContentOperand item = ReadValue(token, depth);
        if (container.items.size() < limits.maxArrayItems)
            container.items.push_back(std::move(item));
    }
}

void ContentParser::SkipNested() {
    int level = 1;
    while (level > 0) {
        const std::size_t before = lexer.Position();
        TPDFToken token = lexer.Next();
        switch (token.kind) {
        case TPDFTokenKind::End:
            return;
        case TPDFTokenKind::ArrayOpen:
        case TPDFTokenKind::DictOpen:
            ++level;
            break;
        case TPDFTokenKind::ArrayClose:
        case TPDFTokenKind::DictClose:
            --level;
            break;
        case TPDFTokenKind::Keyword:
            if (token.text != "true" && token.text != "false" && token.text != "null") {
                lexer.Seek(before);
                return;
            }
            break;
        default:
            break;
        }
    }
}

void ContentParser::ReadInlineImage(std::vector<ContentOperand>& operands) {
    operands.clear();
    inlineData = {};
    ContentOperand dictionary;
    dictionary.kind = ContentOperand::Kind::Dictionary;
    std::string_view data = lexer.Data();
    while (true) {
        TPDFToken token = lexer.Next();
        if (token.kind == TPDFTokenKind::End)
            return;
        if (token.kind == TPDFTokenKind::Keyword && token.text == "ID")
            break;
        if (token.kind == TPDFTokenKind::Keyword && token.text == "EI")
            return; // no data at all
        if (dictionary.items.size() < 2 * 64)
            dictionary.items.push_back(ReadValue(token, 1));
    }
    if (dictionary.items.size() % 2 != 0)
        dictionary.items.pop_back();

    // One white-space byte separates ID from the data.
    std::size_t start = lexer.Position();
    if (start < data.size() && IsWhite(data[start]))
        ++start;
    std::size_t end = std::string_view::npos;
    if (const std::size_t length = InlineImageLength(dictionary);
        length > 0 && length <= data.size() - start) {
        std::size_t after = start + length;
        while (after < data.size() && IsWhite(data[after]))
            ++after;
        if (IsEndMarker(data, after) || (after == start + length && after + 2 <= data.size() &&
                                         data.compare(after, 2, "EI") == 0 && EndsWord(data, after + 2))) {
            inlineData = data.substr(start, length);
            lexer.Seek(after + 2);
            operands.push_back(std::move(dictionary));
            return;
        }
    }
    for (std::size_t at = start; at + 2 <= data.size(); ++at) {
        if (IsEndMarker(data, at)) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos) {
        lexer.Seek(data.size()); // the rest of the stream is the image's
        return;
    }
    // The white-space byte before EI ends the data.
    inlineData = data.substr(start, end > start ? end - 1 - start : 0);
    lexer.Seek(end + 2);
    operands.push_back(std::move(dictionary));
}
