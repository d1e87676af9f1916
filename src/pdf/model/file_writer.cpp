#include "pdf/model/file_writer.h"

#include <climits>
#include <cstdlib>
#include <stdexcept>

#include "pdf/model/document.h"
#include "pdf/model/number.h"
#include "platform/file_system.h"
#include "platform/mapped_file.h"
#include "platform/replacement_file.h"

namespace {

struct XrefEntry {
    int64_t offset = 0;
    int32_t generation = 0;
    bool inUse = false;
};

// Trailer keys that describe the loaded file's own cross-reference data; the file written has its own
// single table, so they would point into nothing.
bool IsCrossReferenceKey(const std::string& key) {
    return key == "Prev" || key == "XRefStm" || key == "Type" || key == "W" || key == "Index" ||
           key == "Filter" || key == "DecodeParms" || key == "Length";
}

// Where a never-parsed object of the loaded file stands there; empty when it has no text.
struct LoadedText {
    uint64_t offset = 0;
    uint64_t length = 0;
};

LoadedText LoadedObjectText(const TPDFDocument& document, const TPDFIndObj& record) {
    const uint64_t size = document.fileBytes.size();
    if (record.offset < 0 || static_cast<uint64_t>(record.offset) >= size || record.length <= 0)
        return {};
    const auto start = static_cast<uint64_t>(record.offset);
    return {start, std::min(static_cast<uint64_t>(record.length), size - start)};
}

void SerializeObject(std::string& out, const TPDFIndObj& record, const TPDFObject& value, int precision,
                     bool perLine) {
    out += std::to_string(record.number);
    out += ' ';
    out += std::to_string(record.generation < 0 ? 0 : record.generation);
    out += " obj\n";
    value.Serialize(out, precision, perLine);
    if (out.back() != '\n')
        out += '\n';
    out += "endobj\n";
}

// Puts objects out one at a time; texts of the loaded file that follow each other there are gathered
// into one range, copied when something else must be written.
class ObjectStream {
public:
    ObjectStream(const TPDFDocument& document, TPDFFileOutput& out) : document_(document), out_(out) {}

    uint64_t Position() const { return out_.Size() + runLength_; }
    bool Ok() const { return ok_; }

    void Write(std::string_view bytes) {
        FlushRun();
        ok_ = ok_ && out_.Write(bytes);
    }

    // The text as it stands, followed by a line feed unless it ends a line. The line feed that follows
    // it in the loaded file serves when there is one, so that neighbouring objects stay one range.
    void CopyLoaded(const LoadedText& text) {
        const std::string_view file = document_.fileBytes;
        if (document_.loadedFile)
            document_.loadedFile->Visited(MappedFile::kPlaceCost);
        const uint64_t end = text.offset + text.length;
        const char last = file[end - 1];
        uint64_t length = text.length;
        bool addLineFeed = false;
        if (last != '\n' && last != '\r') {
            if (end < file.size() && file[end] == '\n')
                ++length;
            else
                addLineFeed = true;
        }
        if (runLength_ > 0 && runStart_ + runLength_ == text.offset) {
            runLength_ += length;
        } else {
            FlushRun();
            runStart_ = text.offset;
            runLength_ = length;
        }
        if (addLineFeed)
            Write("\n");
    }

    void FlushRun() {
        if (runLength_ == 0)
            return;
        ok_ = ok_ && out_.CopyLoaded(runStart_, runLength_);
        runLength_ = 0;
    }

private:
    const TPDFDocument& document_;
    TPDFFileOutput& out_;
    uint64_t runStart_ = 0;
    uint64_t runLength_ = 0;
    bool ok_ = true;
};

class StringOutput final : public TPDFFileOutput {
public:
    explicit StringOutput(const TPDFDocument& document) : document_(document) {}
    bool Write(std::string_view bytes) override {
        text.append(bytes);
        return true;
    }
    bool CopyLoaded(uint64_t offset, uint64_t length) override {
        text.append(document_.fileBytes.substr(offset, length));
        return true;
    }
    uint64_t Size() const override { return text.size(); }

    std::string text;

private:
    const TPDFDocument& document_;
};

class FileOutput final : public TPDFFileOutput {
public:
    FileOutput(const TPDFDocument& document, ReplacementFile& file) : document_(document), file_(file) {}
    bool Write(std::string_view bytes) override { return file_.Write(bytes); }
    bool CopyLoaded(uint64_t offset, uint64_t length) override {
        if (document_.loadedFile)
            return file_.CopyFrom(*document_.loadedFile, offset, length);
        return file_.Write(document_.fileBytes.substr(offset, length));
    }
    uint64_t Size() const override { return file_.Size(); }

private:
    const TPDFDocument& document_;
    ReplacementFile& file_;
};

// The file a name stands for: a symbolic link is followed to the file it names. Empty when a link
// leads nowhere.
std::string WrittenFileName(const std::string& fileName) {
    return LinkedFileName(fileName);
}

} // namespace

bool WriteDocument(TPDFDocument& document, TPDFFileOutput& out) {
    const int precision = document.structure.Precision();
    const bool perLine = document.structure.dictionaryPerLine;
    ObjectStream objects(document, out);
    objects.Write("%PDF-" + document.version + "\n%\xE2\xE3\xCF\xD3\n");

    std::vector<XrefEntry> entries(static_cast<std::size_t>(document.HighestObjectNumber()) + 1);
    entries[0].generation = 65535;

    std::string text; // one object's text, its memory serving object after object
    // Index loop: parsing an object on demand may not add records, but stay safe if it does.
    for (std::size_t i = 0; i < document.objects.size() && objects.Ok(); ++i) {
        TPDFIndObj& record = *document.objects[i];
        if (record.number <= 0 || static_cast<std::size_t>(record.number) >= entries.size())
            continue;
        const uint64_t start = objects.Position();
        text.clear();
        const LoadedText loaded = LoadedObjectText(document, record);
        if (record.parsed && record.value) {
            SerializeObject(text, record, *record.value, precision, perLine);
        } else if (record.objectStreamNumber == 0 && loaded.length > 0) {
            objects.CopyLoaded(loaded);
        } else if (TPDFObject* value = document.ObjectValue(record.number)) {
            // Objects of an object stream are written out as ordinary objects.
            SerializeObject(text, record, *value, precision, perLine);
        }
        if (!text.empty())
            objects.Write(text);
        XrefEntry& entry = entries[static_cast<std::size_t>(record.number)];
        if (objects.Position() == start) {
            entry = XrefEntry{};
            continue;
        }
        entry.offset = static_cast<int64_t>(start);
        entry.generation = record.generation < 0 ? 0 : record.generation;
        entry.inUse = true;
    }
    if (document.loadedFile)
        document.loadedFile->ReleaseMemory();

    const uint64_t xrefOffset = objects.Position();
    text = "xref\n0 " + std::to_string(entries.size()) + "\n";
    for (const XrefEntry& entry : entries) {
        text += FormatPaddedInteger(entry.offset, 10);
        text += ' ';
        text += FormatPaddedInteger(entry.generation, 5);
        text += entry.inUse ? " n \n" : " f \n";
        if (text.size() >= (std::size_t{1} << 16)) {
            objects.Write(text);
            text.clear();
        }
    }

    TPDFDictionary trailer;
    TPDFNumeric size(static_cast<double>(entries.size()));
    for (const TPDFDictionary::Entry& entry : document.trailer->entries) {
        if (IsCrossReferenceKey(entry.key.bytes))
            continue;
        trailer.Set(entry.key.bytes, entry.value);
    }
    trailer.Set("Size", &size);
    text += "trailer\n";
    trailer.Serialize(text, precision, perLine);
    text += "startxref\n";
    text += std::to_string(xrefOffset);
    text += "\n%%EOF\n";
    objects.Write(text);
    return objects.Ok();
}

std::string SerializeDocument(TPDFDocument& document) {
    StringOutput out(document);
    if (!WriteDocument(document, out))
        throw std::runtime_error("document not written");
    return std::move(out.text);
}

bool SaveDocument(TPDFDocument& document, const std::string& fileName) {
    const std::string target = WrittenFileName(fileName);
    ReplacementFile file;
    if (target.empty() || !file.Create(target))
        return false;
    FileOutput out(document, file);
    return WriteDocument(document, out) && file.Commit();
}

bool WriteFileAtomically(const std::string& fileName, std::string_view bytes) {
    const std::string target = WrittenFileName(fileName);
    ReplacementFile file;
    return !target.empty() && file.Create(target) && file.Write(bytes) && file.Commit();
}
