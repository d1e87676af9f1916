#pragma once

// Reader of the line-positional document file exported by Marvendo.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "docdata/document_record.h"

// The lines of one document file and the extraction of quoted fields from them.
class TImportaSeq {
public:
    // Loads every line of the file (lines end at CR LF, CR or LF). A file that cannot be loaded gives no
    // lines; nothing is raised. With deleteAfterLoad the file is deleted afterwards, loaded or not.
    // With maxLines >= 0 only the first maxLines lines are read and kept.
    TImportaSeq(const std::string& fileName, bool deleteAfterLoad, int maxLines = -1);

    // Builds the reader on text already in memory.
    static TImportaSeq FromText(const std::string& text);

    int Count() const { return static_cast<int>(Lines.size()); }

    // Field fieldNo of line lineNo, both counted from 1 (field 1 is the file's field 0): trimmed of codes
    // 0 to 32, letters a-z upper-cased, cut to maxLen characters when maxLen > 0. Empty when the line or
    // the field does not exist.
    std::string GetField(int lineNo, int fieldNo, int maxLen) const;

    std::vector<std::string> Lines;

private:
    TImportaSeq() = default;
};

// Splits text into lines at CR LF, CR or LF; a line end at the very end adds no empty line.
std::vector<std::string> SplitDocumentLines(const std::string& text);

// The run parameters the document file gives besides the record.
struct RunParameters {
    std::array<std::string, 8> ColumnHeadings;
    std::string LogoFile;
    std::string OutputPdfPath;
    int32_t ReservedTopLines = 0;
    int32_t ReservedBottomLines = 0;
    std::array<bool, 5> LayoutSwitches{};
    // The number of document lines line 98 asks for; above MaxDocumentLines no line is read.
    int32_t DocumentLineCount = 0;
};

// Reads the document file into Doc (a cleared record), IssuerData and the run parameters, and sets the
// process-wide number separators from line 79. A file without lines leaves everything as it was.
void ReadDocumentFile(const std::string& fileName, TRecDocObjectBase& doc, RunParameters& params);

// ReadDocumentFile on the lines of a reader already loaded.
void ReadDocument(const TImportaSeq& file, TRecDocObjectBase& doc, RunParameters& params);
