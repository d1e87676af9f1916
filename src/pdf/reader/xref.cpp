#include "pdf/reader/xref.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "pdf/reader/filter_chain.h"
#include "pdf/reader/lexer.h"

namespace {

constexpr std::size_t kEofSearchWindow = 1024;
constexpr std::size_t kStartXrefSearchWindow = 5000;
constexpr std::size_t kTrailerSearchWindow = 2048;
// Cross-reference streams are small; this bounds what a hostile one can make us allocate.
constexpr std::size_t kMaxXrefStreamBytes = std::size_t{64} << 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Largest integer an entry field may hold before it stops being a plausible offset or number.
constexpr int64_t kMaxField = int64_t{1} << 48;

bool numberValue(TPDFObject* value, int64_t& out) {
    auto* numeric = AsNumeric(value);
    if (!numeric || !std::isfinite(numeric->value) || numeric->value < 0 ||
        numeric->value > static_cast<double>(kMaxField) || numeric->value != std::floor(numeric->value))
        return false;
    out = static_cast<int64_t>(numeric->value);
    return true;
}

} // namespace

int64_t TPDFXrefReader::FindStartXref(std::string_view file) {
    const std::size_t tailStart = file.size() > kEofSearchWindow ? file.size() - kEofSearchWindow : 0;
    const std::size_t eof = file.rfind("%%EOF");
    if (eof == std::string_view::npos || eof < tailStart)
        return -1;
    // The number right before "%%EOF", after trailing white space is skipped.
    std::size_t p = eof;
    const std::size_t limit = eof > kStartXrefSearchWindow ? eof - kStartXrefSearchWindow : 0;
    while (p > limit && TPDFLexer::IsWhite(static_cast<unsigned char>(file[p - 1])))
        --p;
    std::size_t digitsEnd = p;
    while (p > limit && isDigit(file[p - 1]))
        --p;
    if (p < digitsEnd && digitsEnd - p <= 15) {
        int64_t value = 0;
        for (std::size_t i = p; i < digitsEnd; ++i)
            value = value * 10 + (file[i] - '0');
        return value;
    }
    // Otherwise the number after the last "startxref" before it.
    const std::string_view before = file.substr(limit, eof - limit);
    const std::size_t keyword = before.rfind("startxref");
    if (keyword == std::string_view::npos)
        return -1;
    TPDFLexer lexer(file, limit + keyword + 9);
    const TPDFToken token = lexer.Next();
    if (token.kind != TPDFTokenKind::Integer || token.integer < 0)
        return -1;
    return token.integer;
}

bool TPDFXrefReader::Read() {
    const int64_t start = FindStartXref(file_);
    if (start < 0)
        return false;
    int64_t offset = start;
    bool newest = true;
    while (offset >= 0) {
        if (visited_.count(offset))
            break; // a /Prev loop: every section in it has been read
        if (++sectionsRead_ > kMaxSections)
            return false;
        visited_.insert(offset);
        TPDFDictionary* sectionTrailer = nullptr;
        if (!readSection(offset, false, sectionTrailer))
            return false;
        if (newest)
            trailer_ = sectionTrailer;
        newest = false;
        int64_t hybrid = 0;
        if (numberValue(sectionTrailer->Get("XRefStm"), hybrid) && !visited_.count(hybrid)) {
            visited_.insert(hybrid);
            TPDFDictionary* ignored = nullptr;
            if (!readSection(hybrid, true, ignored))
                return false;
        }
        int64_t previous = -1;
        offset = numberValue(sectionTrailer->Get("Prev"), previous) ? previous : -1;
    }
    return trailer_ != nullptr;
}

bool TPDFXrefReader::readSection(int64_t offset, bool isXRefStm, TPDFDictionary*& sectionTrailer) {
    if (offset < 0 || static_cast<uint64_t>(offset) >= file_.size())
        return false;
    const auto at = static_cast<std::size_t>(offset);
    // Tolerate offsets a little off: look 10 bytes before and up to 40 bytes after.
    const std::size_t windowStart = at > 10 ? at - 10 : 0;
    const std::string_view window = file_.substr(windowStart, 50);
    if (!isXRefStm) {
        for (std::size_t p = window.find("xref"); p != std::string_view::npos;
             p = window.find("xref", p + 1)) {
            const std::size_t absolute = windowStart + p;
            if (absolute >= 5 && file_.substr(absolute - 5, 5) == "start")
                continue;
            return readClassicTable(absolute, sectionTrailer);
        }
    }
    const std::size_t obj = window.find(" obj");
    if (obj == std::string_view::npos)
        return false;
    const std::size_t objAbsolute = windowStart + obj;
    TPDFParser parser(structure_, file_);
    // The object header is the "n g" right before " obj".
    for (std::size_t p = windowStart; p < objAbsolute; ++p) {
        if (p > 0 && isDigit(file_[p - 1]))
            continue;
        int32_t number = 0;
        int32_t generation = 0;
        std::size_t bodyStart = 0;
        if (parser.ParseObjectHeader(p, number, generation, bodyStart) && bodyStart == objAbsolute + 4)
            return readXrefStream(p, sectionTrailer);
    }
    return false;
}

void TPDFXrefReader::addEntry(const TPDFXrefEntry& entry) {
    if (entry.number <= 0 || entry.number > kMaxObjectNumber)
        return;
    if (seen_.count(entry.number))
        return; // a newer section named it already
    seen_.emplace(entry.number, entries_.size());
    entries_.push_back(entry);
}

bool TPDFXrefReader::readClassicTable(std::size_t xrefPosition, TPDFDictionary*& sectionTrailer) {
    sectionOffsets_.push_back(static_cast<int64_t>(xrefPosition));
    TPDFLexer lexer(file_, xrefPosition + 4);
    for (;;) {
        const std::size_t subsectionStart = lexer.Position();
        const TPDFToken first = lexer.Next();
        const TPDFToken count = lexer.Next();
        if (first.kind != TPDFTokenKind::Integer || count.kind != TPDFTokenKind::Integer ||
            first.integer < 0 || count.integer < 0 || first.integer > kMaxObjectNumber) {
            lexer.Seek(subsectionStart);
            break;
        }
        bool complete = true;
        for (int64_t i = 0; i < count.integer; ++i) {
            const std::size_t entryStart = lexer.Position();
            const TPDFToken offset = lexer.Next();
            const TPDFToken generation = lexer.Next();
            const TPDFToken type = lexer.Next();
            if (offset.kind != TPDFTokenKind::Integer || generation.kind != TPDFTokenKind::Integer ||
                type.kind != TPDFTokenKind::Keyword || (type.text != "n" && type.text != "f")) {
                lexer.Seek(entryStart);
                complete = false;
                break;
            }
            // Some writers put remarks after an entry: the rest of its line is skipped when it holds no
            // digit.
            std::size_t lineEnd = lexer.Position();
            while (lineEnd < file_.size() && file_[lineEnd] != '\n' && file_[lineEnd] != '\r')
                ++lineEnd;
            const std::string_view rest = file_.substr(lexer.Position(), lineEnd - lexer.Position());
            if (std::none_of(rest.begin(), rest.end(), isDigit))
                lexer.Seek(lineEnd);
            const int64_t number = first.integer + i;
            if (type.text == "n" && number <= kMaxObjectNumber && offset.integer > 0 &&
                generation.integer >= 0 && generation.integer <= std::numeric_limits<int32_t>::max()) {
                TPDFXrefEntry entry;
                entry.number = static_cast<int32_t>(number);
                entry.generation = static_cast<int32_t>(generation.integer);
                entry.offset = offset.integer;
                addEntry(entry);
            }
        }
        if (!complete)
            break;
    }
    // The trailer follows within the next 2048 bytes.
    const std::size_t here = lexer.Position();
    const std::size_t trailer = file_.substr(here, kTrailerSearchWindow).find("trailer");
    if (trailer == std::string_view::npos)
        return false;
    TPDFLexer trailerLexer(file_, here + trailer + 7);
    TPDFParser parser(structure_, file_);
    sectionTrailer = AsDictionary(parser.ParseValue(trailerLexer));
    return sectionTrailer != nullptr;
}

bool TPDFXrefReader::readXrefStream(std::size_t objectPosition, TPDFDictionary*& sectionTrailer) {
    sectionOffsets_.push_back(static_cast<int64_t>(objectPosition));
    TPDFParser parser(structure_, file_);
    int32_t number = 0;
    int32_t generation = 0;
    auto* stream = AsStream(parser.ParseIndirectObject(objectPosition, number, generation, {}));
    if (!stream)
        return false;
    TPDFDictionary& dictionary = *stream->dictionary;
    auto* widths = AsArray(dictionary.Get("W"));
    if (!widths || widths->Count() < 3)
        return false;
    int64_t w[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        if (!numberValue(widths->Item(i), w[i]) || w[i] > 8)
            return false;
    const std::size_t rowSize = static_cast<std::size_t>(w[0] + w[1] + w[2]);
    if (rowSize == 0)
        return false;
    std::string data;
    if (!DecodeStreamFilters(dictionary, stream->Data(), data, {}, kMaxXrefStreamBytes))
        return false;
    TPDFLexer header(file_, objectPosition);
    header.SkipWhiteSpace(); // where the object's own text starts, as the loader records it
    xrefStreamPositions_.insert(static_cast<int64_t>(header.Position()));

    std::vector<std::pair<int64_t, int64_t>> ranges;
    if (auto* index = AsArray(dictionary.Get("Index"))) {
        for (std::size_t i = 0; i + 1 < index->Count(); i += 2) {
            int64_t first = 0;
            int64_t count = 0;
            if (!numberValue(index->Item(i), first) || !numberValue(index->Item(i + 1), count))
                return false;
            ranges.emplace_back(first, count);
        }
    } else {
        int64_t size = 0;
        if (!numberValue(dictionary.Get("Size"), size))
            return false;
        ranges.emplace_back(0, size);
    }

    auto field = [&](std::size_t at, int64_t width) {
        uint64_t value = 0;
        for (int64_t i = 0; i < width; ++i)
            value = (value << 8) | static_cast<unsigned char>(data[at + i]);
        return value;
    };
    std::size_t row = 0;
    for (const auto& [first, count] : ranges) {
        for (int64_t i = 0; i < count; ++i, row += rowSize) {
            if (row + rowSize > data.size())
                break;
            const uint64_t type = w[0] == 0 ? 1 : field(row, w[0]);
            const uint64_t second = field(row + w[0], w[1]);
            const uint64_t third = field(row + w[0] + w[1], w[2]);
            const int64_t objectNumber = first + i;
            if (objectNumber > kMaxObjectNumber)
                break;
            TPDFXrefEntry entry;
            entry.number = static_cast<int32_t>(objectNumber);
            if (type == 1 && second > 0 && second < static_cast<uint64_t>(kMaxField) &&
                third <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
                entry.offset = static_cast<int64_t>(second);
                entry.generation = static_cast<int32_t>(third);
                addEntry(entry);
            } else if (type == 2 && second > 0 && second <= static_cast<uint64_t>(kMaxObjectNumber) &&
                       third <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
                entry.streamNumber = static_cast<int32_t>(second);
                entry.streamIndex = static_cast<int32_t>(third);
                addEntry(entry);
            }
        }
    }
    sectionTrailer = &dictionary;
    return true;
}
