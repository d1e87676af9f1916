#include "docdata/document_reader.h"

#include <filesystem>
#include <fstream>
#include <limits>

#include "util/strings.h"

namespace {

// Collects lines from text fed in pieces: a line ends at CR LF, CR or LF, also when the pair is split
// between two pieces. Lines beyond maxLines are not kept.
class LineCollector {
public:
    explicit LineCollector(size_t maxLines) : maxLines(maxLines) {}

    bool full() const { return lines.size() >= maxLines; }

    void feed(const char* text, size_t size) {
        for (size_t i = 0; i < size && !full(); ++i) {
            const char c = text[i];
            if (afterCarriageReturn) {
                afterCarriageReturn = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\r' || c == '\n') {
                lines.push_back(std::move(current));
                current.clear();
                afterCarriageReturn = c == '\r';
            } else {
                current += c;
            }
        }
    }

    // The lines; a last line without a line end counts too.
    std::vector<std::string> finish() {
        if (!current.empty() && !full())
            lines.push_back(std::move(current));
        return std::move(lines);
    }

private:
    size_t maxLines;
    std::vector<std::string> lines;
    std::string current;
    bool afterCarriageReturn = false;
};

// Reads the file piece by piece up to its maxLines-th line, so that what is kept is only what is read.
bool LoadLines(const std::string& fileName, size_t maxLines, std::vector<std::string>& lines) {
    try {
        std::ifstream file(fileName, std::ios::binary);
        if (!file)
            return false;
        LineCollector collector(maxLines);
        std::vector<char> buffer(1 << 16);
        while (!collector.full() && file.read(buffer.data(), static_cast<std::streamsize>(buffer.size())))
            collector.feed(buffer.data(), buffer.size());
        if (file.bad())
            return false;
        collector.feed(buffer.data(), static_cast<size_t>(file.gcount()));
        lines = collector.finish();
        return true;
    } catch (...) {
        lines.clear();
        return false;
    }
}

// Position (0-based) where field fieldNo (1-based) of the line starts, or npos when the line has fewer
// fields. A separator counts only outside quotes and when it is not the line's last character.
size_t FieldStart(const std::string& line, char quote, char separator, int fieldNo) {
    if (fieldNo == 1)
        return 0;
    const size_t n = line.size();
    bool quoted = false;
    int separators = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = line[i];
        if (c == quote) {
            if (!quoted) {
                quoted = true;
            } else if (i + 1 < n) {
                if (line[i + 1] == quote)
                    ++i; // an escaped quote: both characters pass, still inside quotes
                else
                    quoted = false;
            }
        } else if (c == separator && !quoted && i + 1 < n) {
            if (++separators == fieldNo - 1)
                return i + 1;
        }
    }
    return std::string::npos;
}

// The separator of a line: the character right after the closing quote of its first field, "," when
// there is none.
char LineSeparator(const std::string& line, char quote) {
    const size_t n = line.size();
    for (size_t i = 1; i < n; ++i) {
        if (line[i] != quote)
            continue;
        if (i + 1 >= n)
            return ',';
        if (line[i + 1] == quote) {
            ++i;
            continue;
        }
        return line[i + 1];
    }
    return ',';
}

} // namespace

std::vector<std::string> SplitDocumentLines(const std::string& text) {
    LineCollector collector(std::numeric_limits<size_t>::max());
    collector.feed(text.data(), text.size());
    return collector.finish();
}

TImportaSeq::TImportaSeq(const std::string& fileName, bool deleteAfterLoad, int maxLines) {
    if (!LoadLines(fileName,
                   maxLines < 0 ? std::numeric_limits<size_t>::max() : static_cast<size_t>(maxLines), Lines))
        Lines.clear();
    if (deleteAfterLoad) {
        std::error_code ignored;
        std::filesystem::remove(fileName, ignored);
    }
}

TImportaSeq TImportaSeq::FromText(const std::string& text) {
    TImportaSeq reader;
    reader.Lines = SplitDocumentLines(text);
    return reader;
}

std::string TImportaSeq::GetField(int lineNo, int fieldNo, int maxLen) const {
    if (lineNo < 1 || lineNo > Count() || fieldNo < 1)
        return {};
    const std::string& line = Lines[static_cast<size_t>(lineNo - 1)];
    if (line.empty())
        return {};
    const char quote = line[0];
    const char separator = LineSeparator(line, quote);
    const size_t start = FieldStart(line, quote, separator, fieldNo);
    if (start == std::string::npos)
        return {};
    // The field's first character is its opening quote; the value runs to the next lone quote.
    std::string value;
    for (size_t i = start + 1; i < line.size(); ++i) {
        if (line[i] != quote) {
            value += line[i];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == quote) {
            value += quote;
            ++i;
            continue;
        }
        break;
    }
    value = UpperAscii(TrimControl(value));
    if (maxLen > 0 && value.size() > static_cast<size_t>(maxLen))
        value.resize(static_cast<size_t>(maxLen));
    return value;
}
