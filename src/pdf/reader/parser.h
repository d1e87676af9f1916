#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "pdf/model/object.h"
#include "pdf/model/structure.h"
#include "pdf/reader/lexer.h"

// Builds PDF values from text into a document's structure. Malformed input gives nullptr / false; the
// nesting of arrays and dictionaries is bounded so that hostile files cannot exhaust the stack.
class TPDFParser {
public:
    static constexpr int kMaxDepth = 64;

    // Resolves the value of an indirect /Length; nullopt when it cannot be known.
    using LengthResolver = std::function<std::optional<int64_t>(int32_t number, int32_t generation)>;

    TPDFParser(TPDFStructure& structure, std::string_view data) : structure_(structure), data_(data) {}

    // Parses one direct value (with "n g R" references) from the lexer's position; nullptr on error.
    TPDFObject* ParseValue(TPDFLexer& lexer, int depth = 0);

    // Header "n g obj" at `offset` (white space before it allowed). On success `bodyStart` is the
    // position after "obj".
    bool ParseObjectHeader(std::size_t offset, int32_t& number, int32_t& generation,
                           std::size_t& bodyStart) const;

    // A whole indirect object at `offset`: its header, its value and, for a dictionary followed by
    // "stream", the stream with its data. `end` receives the position after the object's text.
    TPDFObject* ParseIndirectObject(std::size_t offset, int32_t& number, int32_t& generation,
                                    const LengthResolver& resolveLength, std::size_t* end = nullptr);

private:
    TPDFObject* parseArray(TPDFLexer& lexer, int depth);
    TPDFObject* parseDictionary(TPDFLexer& lexer, int depth);
    // Reads the stream data following a dictionary; the lexer stands right after the word "stream".
    TPDFObject* parseStreamData(TPDFLexer& lexer, TPDFDictionary& dictionary,
                                const LengthResolver& resolveLength);

    TPDFStructure& structure_;
    std::string_view data_;
};
