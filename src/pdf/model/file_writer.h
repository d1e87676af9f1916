#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TPDFDocument;

// Where the file writer puts a file's bytes: text appended, and ranges of the loaded file copied as they
// stand there.
class TPDFFileOutput {
public:
    virtual ~TPDFFileOutput() = default;
    virtual bool Write(std::string_view bytes) = 0;
    // The loaded file's bytes from `offset`, `length` of them.
    virtual bool CopyLoaded(uint64_t offset, uint64_t length) = 0;
    // Bytes put out so far.
    virtual uint64_t Size() const = 0;
};

// Writes the whole file of a document: header, objects one at a time, one cross-reference table built
// from the offsets as written, trailer. Objects of the loaded file that were never parsed are copied,
// adjacent ones in one range. False when the output failed; throws when a value cannot be serialised.
bool WriteDocument(TPDFDocument& document, TPDFFileOutput& out);

// The whole file text of a document, as WriteDocument writes it. Throws on failure.
std::string SerializeDocument(TPDFDocument& document);

// Saves the document into a file (a symbolic link is written through to the file it names) through a
// temporary file that replaces the file only when complete and on disk. False on any failure.
bool SaveDocument(TPDFDocument& document, const std::string& fileName);

// Writes bytes into a file in the same way. False on any failure.
bool WriteFileAtomically(const std::string& fileName, std::string_view bytes);
