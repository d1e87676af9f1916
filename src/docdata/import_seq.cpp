#include "docdata/document_reader.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "util/strings.h"

namespace {

bool LoadFile(const std::string& fileName, std::string& content) {
    try {
        std::ifstream file(fileName, std::ios::binary);
        if (!file)
            return false;
        content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        return !file.bad();
    } catch (...) {
        content.clear();
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
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = text.size();
    while (start < n) {
        size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.emplace_back(text, start, end - start);
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

TImportaSeq::TImportaSeq(const std::string& fileName, bool deleteAfterLoad) {
    std::string content;
    if (LoadFile(fileName, content)) {
        try {
            Lines = SplitDocumentLines(content);
        } catch (...) {
            Lines.clear();
        }
    }
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
