#include "pdf/reader/parser.h"

#include <limits>

namespace {

constexpr std::string_view kEndStream = "endstream";

bool isIntegerToken(const TPDFToken& token, int64_t low, int64_t high) {
    return token.kind == TPDFTokenKind::Integer && token.integer >= low && token.integer <= high;
}

} // namespace

TPDFObject* TPDFParser::ParseValue(TPDFLexer& lexer, int depth) {
    if (depth > kMaxDepth)
        return nullptr;
    TPDFToken token = lexer.Next();
    switch (token.kind) {
    case TPDFTokenKind::Integer: {
        // "n g R" is a reference; anything else leaves the integer alone.
        if (token.integer >= 0 && token.integer <= std::numeric_limits<int32_t>::max()) {
            const std::size_t after = lexer.Position();
            const TPDFToken generation = lexer.Next();
            if (isIntegerToken(generation, 0, std::numeric_limits<int32_t>::max())) {
                const TPDFToken r = lexer.Next();
                if (r.kind == TPDFTokenKind::Keyword && r.text == "R")
                    return structure_.NewIndRef(static_cast<int32_t>(token.integer),
                                                static_cast<int32_t>(generation.integer));
            }
            lexer.Seek(after);
        }
        return structure_.NewNumeric(static_cast<double>(token.integer));
    }
    case TPDFTokenKind::Real:
        return structure_.NewNumeric(token.real);
    case TPDFTokenKind::Name:
        return structure_.NewName(std::move(token.text));
    case TPDFTokenKind::LiteralString:
        return structure_.NewString(std::move(token.text), TPDFString::LiteralMode);
    case TPDFTokenKind::HexString:
        return structure_.NewString(std::move(token.text), TPDFString::HexMode);
    case TPDFTokenKind::ArrayOpen:
        return parseArray(lexer, depth + 1);
    case TPDFTokenKind::DictOpen:
        return parseDictionary(lexer, depth + 1);
    case TPDFTokenKind::Keyword:
        if (token.text == "true")
            return structure_.NewBoolean(true);
        if (token.text == "false")
            return structure_.NewBoolean(false);
        if (token.text == "null")
            return structure_.NewNull();
        return nullptr;
    default:
        return nullptr;
    }
}

TPDFObject* TPDFParser::parseArray(TPDFLexer& lexer, int depth) {
    TPDFArray* array = structure_.NewArray();
    for (;;) {
        const TPDFToken next = lexer.Peek();
        if (next.kind == TPDFTokenKind::ArrayClose) {
            lexer.Next();
            return array;
        }
        if (next.kind == TPDFTokenKind::End)
            return nullptr;
        TPDFObject* item = ParseValue(lexer, depth);
        if (!item)
            return nullptr;
        array->Add(item);
    }
}

TPDFObject* TPDFParser::parseDictionary(TPDFLexer& lexer, int depth) {
    TPDFDictionary* dictionary = structure_.NewDictionary();
    for (;;) {
        TPDFToken key = lexer.Next();
        if (key.kind == TPDFTokenKind::DictClose)
            return dictionary;
        if (key.kind != TPDFTokenKind::Name)
            return nullptr;
        if (lexer.Peek().kind == TPDFTokenKind::DictClose)
            continue; // a key without a value is dropped
        TPDFObject* value = ParseValue(lexer, depth);
        if (!value)
            return nullptr;
        dictionary->Set(key.text, value);
    }
}

bool TPDFParser::ParseObjectHeader(std::size_t offset, int32_t& number, int32_t& generation,
                                   std::size_t& bodyStart) const {
    if (offset >= data_.size())
        return false;
    TPDFLexer lexer(data_, offset);
    const TPDFToken n = lexer.Next();
    const TPDFToken g = lexer.Next();
    const TPDFToken obj = lexer.Next();
    if (!isIntegerToken(n, 0, std::numeric_limits<int32_t>::max()) ||
        !isIntegerToken(g, 0, std::numeric_limits<int32_t>::max()) || obj.kind != TPDFTokenKind::Keyword ||
        obj.text != "obj")
        return false;
    number = static_cast<int32_t>(n.integer);
    generation = static_cast<int32_t>(g.integer);
    bodyStart = lexer.Position();
    return true;
}

TPDFObject* TPDFParser::ParseIndirectObject(std::size_t offset, int32_t& number, int32_t& generation,
                                            const LengthResolver& resolveLength, std::size_t* end) {
    std::size_t bodyStart = 0;
    if (!ParseObjectHeader(offset, number, generation, bodyStart))
        return nullptr;
    TPDFLexer lexer(data_, bodyStart);
    TPDFObject* value = ParseValue(lexer, 0);
    if (!value)
        return nullptr;
    const std::size_t afterValue = lexer.Position();
    TPDFToken next = lexer.Next();
    if (auto* dictionary = AsDictionary(value);
        dictionary && next.kind == TPDFTokenKind::Keyword && next.text == "stream") {
        lexer.Seek(next.start + 6);
        value = parseStreamData(lexer, *dictionary, resolveLength);
        if (!value)
            return nullptr;
        next = lexer.Next();
    }
    if (next.kind == TPDFTokenKind::Keyword && next.text == "endobj") {
        if (end)
            *end = lexer.Position();
    } else if (end) {
        *end = value->Kind() == TPDFObjectKind::Stream ? next.start : afterValue;
    }
    return value;
}

TPDFObject* TPDFParser::parseStreamData(TPDFLexer& lexer, TPDFDictionary& dictionary,
                                        const LengthResolver& resolveLength) {
    // The data starts after the end of line that follows "stream" (CR LF or LF; a lone CR is tolerated).
    std::size_t start = lexer.Position();
    if (start < data_.size() && data_[start] == '\r')
        ++start;
    if (start < data_.size() && data_[start] == '\n')
        ++start;

    std::optional<int64_t> length;
    TPDFObject* lengthValue = dictionary.Get("Length");
    if (auto* numeric = AsNumeric(lengthValue)) {
        if (numeric->value >= 0 && numeric->value <= static_cast<double>(data_.size()))
            length = static_cast<int64_t>(numeric->value);
    } else if (auto* reference = AsIndRef(lengthValue); reference && resolveLength) {
        length = resolveLength(reference->number, reference->generation);
    }

    // The declared length holds when "endstream" follows it, after an optional CR, space and LF.
    std::size_t dataEnd = std::string_view::npos;
    std::size_t afterData = 0;
    if (length && *length >= 0 && static_cast<uint64_t>(*length) <= data_.size() - start) {
        std::size_t p = start + static_cast<std::size_t>(*length);
        const std::size_t candidate = p;
        if (p < data_.size() && data_[p] == '\r')
            ++p;
        if (p < data_.size() && data_[p] == ' ')
            ++p;
        if (p < data_.size() && data_[p] == '\n')
            ++p;
        if (data_.substr(p, kEndStream.size()) == kEndStream) {
            dataEnd = candidate;
            afterData = p + kEndStream.size();
        }
    }
    if (dataEnd == std::string_view::npos) {
        // Otherwise the data runs up to "endstream", without the end of line that precedes it.
        const std::size_t found = data_.find(kEndStream, start);
        if (found == std::string_view::npos)
            return nullptr;
        dataEnd = found;
        if (dataEnd > start && data_[dataEnd - 1] == '\n')
            --dataEnd;
        if (dataEnd > start && data_[dataEnd - 1] == '\r')
            --dataEnd;
        afterData = found + kEndStream.size();
    }
    TPDFStream* stream = structure_.NewStream(dictionary);
    // Setting the data makes /Length the true byte count, also when it was a reference or wrong.
    stream->SetData(std::string(data_.substr(start, dataEnd - start)));
    lexer.Seek(afterData);
    return stream;
}
