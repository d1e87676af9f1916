#include "pdf/reader/loader.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "pdf/model/document.h"
#include "pdf/reader/filter_chain.h"
#include "pdf/reader/lexer.h"
#include "pdf/reader/parser.h"
#include "pdf/reader/xref.h"

namespace {

constexpr std::size_t kHeaderWindow = 1024;
// Objects one object stream may hold at most (bounds the header a hostile stream can claim).
constexpr int64_t kMaxObjectsPerStream = 1 << 20;

// Trailer entries that describe the cross-reference data just read; they do not hold in a saved file.
constexpr std::string_view kSectionKeys[] = {"Prev",  "XRefStm", "Type",         "W",
                                             "Index", "Filter",  "DecodeParms",  "Length",
                                             "F",     "FFilter", "FDecodeParms", "DL"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decoded object stream: where each object's text starts.
struct ObjectStreamContents {
    bool valid = false;
    std::string data;
    std::vector<std::pair<int32_t, std::size_t>> objects; // number, offset in data
};

// What the on-demand hooks need after the load has finished.
struct LoaderState {
    std::unordered_map<int32_t, int64_t> objectStreamOffsets; // object streams by number
    std::unordered_map<int32_t, ObjectStreamContents> objectStreams;
    std::set<int32_t> inProgress; // objects being parsed (a /Length that refers back must not recurse)
};

class InProgressGuard {
public:
    InProgressGuard(std::set<int32_t>& set, int32_t number) : set_(set), number_(number) {
        inserted_ = set_.insert(number).second;
    }
    ~InProgressGuard() {
        if (inserted_)
            set_.erase(number_);
    }
    InProgressGuard(const InProgressGuard&) = delete;
    InProgressGuard& operator=(const InProgressGuard&) = delete;
    bool Entered() const { return inserted_; }

private:
    std::set<int32_t>& set_;
    int32_t number_;
    bool inserted_ = false;
};

TPDFParser::LengthResolver lengthResolver(TPDFDocument& document) {
    return [&document](int32_t number, int32_t) -> std::optional<int64_t> {
        auto* numeric = AsNumeric(document.ObjectValue(number));
        if (!numeric || numeric->value < 0 || numeric->value > 1e15)
            return std::nullopt;
        return static_cast<int64_t>(numeric->value);
    };
}

const ObjectStreamContents* objectStream(TPDFDocument& document, LoaderState& state, int32_t number) {
    auto cached = state.objectStreams.find(number);
    if (cached != state.objectStreams.end())
        return cached->second.valid ? &cached->second : nullptr;
    ObjectStreamContents& contents = state.objectStreams[number];
    auto located = state.objectStreamOffsets.find(number);
    if (located == state.objectStreamOffsets.end())
        return nullptr;
    InProgressGuard guard(state.inProgress, number);
    if (!guard.Entered())
        return nullptr;
    TPDFParser parser(document.structure, document.fileBytes);
    int32_t foundNumber = 0;
    int32_t generation = 0;
    auto* stream = AsStream(parser.ParseIndirectObject(static_cast<std::size_t>(located->second), foundNumber,
                                                       generation, lengthResolver(document)));
    if (!stream || foundNumber != number)
        return nullptr;
    auto resolve = [&document](TPDFObject* value) { return document.Resolve(value); };
    if (!DecodeStreamFilters(*stream->dictionary, stream->Data(), contents.data, resolve))
        return nullptr;
    auto* count = AsNumeric(document.Resolve(stream->dictionary->Get("N")));
    auto* first = AsNumeric(document.Resolve(stream->dictionary->Get("First")));
    if (!count || !first || count->value < 0 || count->value > kMaxObjectsPerStream || first->value < 0 ||
        first->value > static_cast<double>(contents.data.size()))
        return nullptr;
    const auto firstOffset = static_cast<std::size_t>(first->value);
    TPDFLexer lexer(std::string_view(contents.data).substr(0, firstOffset));
    for (int64_t i = 0; i < static_cast<int64_t>(count->value); ++i) {
        const TPDFToken objectNumber = lexer.Next();
        const TPDFToken offset = lexer.Next();
        if (objectNumber.kind != TPDFTokenKind::Integer || offset.kind != TPDFTokenKind::Integer ||
            objectNumber.integer <= 0 || objectNumber.integer > TPDFXrefReader::kMaxObjectNumber ||
            offset.integer < 0 || static_cast<uint64_t>(offset.integer) >= contents.data.size() - firstOffset)
            break;
        contents.objects.emplace_back(static_cast<int32_t>(objectNumber.integer),
                                      firstOffset + static_cast<std::size_t>(offset.integer));
    }
    contents.valid = true;
    return &contents;
}

bool parseCompressedObject(TPDFDocument& document, LoaderState& state, TPDFIndObj& record) {
    const ObjectStreamContents* contents = objectStream(document, state, record.objectStreamNumber);
    if (!contents)
        return false;
    std::size_t at = std::string::npos;
    const auto index = static_cast<std::size_t>(record.objectStreamIndex);
    if (index < contents->objects.size() && contents->objects[index].first == record.number) {
        at = contents->objects[index].second;
    } else {
        for (const auto& [number, offset] : contents->objects)
            if (number == record.number)
                at = offset;
    }
    if (at == std::string::npos)
        return false;
    TPDFParser parser(document.structure, contents->data);
    TPDFLexer lexer(contents->data, at);
    TPDFObject* value = parser.ParseValue(lexer);
    if (!value)
        return false;
    record.value = value;
    record.parsed = true;
    return true;
}

bool parseRecord(TPDFDocument& document, LoaderState& state, TPDFIndObj& record) {
    if (record.parsed && record.value)
        return true;
    InProgressGuard guard(state.inProgress, record.number);
    if (!guard.Entered())
        return false;
    if (record.objectStreamNumber != 0)
        return parseCompressedObject(document, state, record);
    if (record.offset < 0)
        return false;
    if (document.loadedFile)
        document.loadedFile->Visited(MappedFile::kPlaceCost + static_cast<std::size_t>(record.length));
    TPDFParser parser(document.structure, document.fileBytes);
    int32_t number = 0;
    int32_t generation = 0;
    TPDFObject* value = parser.ParseIndirectObject(static_cast<std::size_t>(record.offset), number,
                                                   generation, lengthResolver(document));
    if (!value || number != record.number)
        return false;
    record.value = value;
    record.parsed = true;
    return true;
}

// Where every "n g obj" of the file starts, by object number (the last one wins, as in an update).
std::unordered_map<int32_t, int64_t> scanObjectHeaders(std::string_view file, TPDFStructure& structure) {
    std::unordered_map<int32_t, int64_t> found;
    TPDFParser parser(structure, file);
    for (std::size_t p = file.find("obj"); p != std::string_view::npos; p = file.find("obj", p + 3)) {
        if (p < 4 || !TPDFLexer::IsWhite(static_cast<unsigned char>(file[p - 1])))
            continue;
        // Walk back over "number white generation white".
        std::size_t q = p;
        while (q > 0 && TPDFLexer::IsWhite(static_cast<unsigned char>(file[q - 1])))
            --q;
        const std::size_t generationEnd = q;
        while (q > 0 && isDigit(file[q - 1]))
            --q;
        if (q == generationEnd)
            continue;
        const std::size_t generationStart = q;
        while (q > 0 && TPDFLexer::IsWhite(static_cast<unsigned char>(file[q - 1])))
            --q;
        if (q == generationStart)
            continue;
        const std::size_t numberEnd = q;
        while (q > 0 && isDigit(file[q - 1]))
            --q;
        if (q == numberEnd || numberEnd - q > 10)
            continue;
        int32_t number = 0;
        int32_t generation = 0;
        std::size_t bodyStart = 0;
        if (parser.ParseObjectHeader(q, number, generation, bodyStart) && bodyStart == p + 3)
            found[number] = static_cast<int64_t>(q);
    }
    return found;
}

bool readLinearizedFlag(TPDFDocument& document) {
    const std::string_view head = std::string_view(document.fileBytes).substr(0, kHeaderWindow);
    if (head.find("/Linearized") == std::string_view::npos)
        return false;
    const std::size_t obj = head.find(" obj");
    if (obj == std::string_view::npos)
        return false;
    TPDFParser parser(document.structure, document.fileBytes);
    for (std::size_t p = obj > 24 ? obj - 24 : 0; p < obj; ++p) {
        if (p > 0 && isDigit(head[p - 1]))
            continue;
        int32_t number = 0;
        int32_t generation = 0;
        std::size_t bodyStart = 0;
        if (!parser.ParseObjectHeader(p, number, generation, bodyStart) || bodyStart != obj + 4)
            continue;
        TPDFLexer lexer(document.fileBytes, bodyStart);
        auto* dictionary = AsDictionary(parser.ParseValue(lexer));
        return dictionary && dictionary->Has("Linearized");
    }
    return false;
}

} // namespace

std::string TPDFLoader::ReadVersion(std::string_view fileBytes) {
    const std::string_view head = fileBytes.substr(0, kHeaderWindow);
    std::size_t start = std::string_view::npos;
    if (const std::size_t pdf = head.find("%PDF-"); pdf != std::string_view::npos) {
        start = pdf + 5;
    } else if (const std::size_t ps = head.find("%!PS-Adobe-"); ps != std::string_view::npos) {
        const std::size_t inner = fileBytes.substr(ps + 11, 20).find("PDF-");
        if (inner != std::string_view::npos)
            start = ps + 11 + inner + 4;
    }
    if (start == std::string_view::npos)
        return {};
    std::string version;
    for (std::size_t i = start; i < fileBytes.size() && i < start + 10; ++i) {
        const char c = fileBytes[i];
        if (!isDigit(c) && c != '.')
            break;
        version.push_back(c);
    }
    bool isInteger = false;
    int64_t integer = 0;
    double real = 0;
    if (version.empty() || !TPDFLexer::ParseNumber(version, isInteger, integer, real))
        return {};
    return version;
}

bool TPDFLoader::Load(TPDFDocument& document, std::string fileBytes) {
    return Load(document, MappedFile::FromBytes(std::move(fileBytes)));
}

bool TPDFLoader::Load(TPDFDocument& document, std::unique_ptr<MappedFile> loadedFile) {
    if (!loadedFile)
        return false;
    document.loadedFile = std::move(loadedFile);
    const MappedFile& mapped = *document.loadedFile;
    document.fileBytes = mapped.Bytes();
    const std::string_view file = document.fileBytes;
    document.version = ReadVersion(document.fileBytes);
    if (document.version.empty())
        return false;

    TPDFXrefReader xref(file, document.structure);
    if (!xref.Read())
        return false;

    auto state = std::make_shared<LoaderState>();
    TPDFParser parser(document.structure, file);

    // Check every offset: it must hold the header of the object it is given for. Entries that do not are
    // looked up in a scan of the whole file, made once and only when needed.
    std::unordered_map<int32_t, int64_t> scanned;
    bool scannedDone = false;
    std::set<int32_t> objectStreamNumbers;
    for (const TPDFXrefEntry& entry : xref.Entries())
        if (entry.streamNumber != 0)
            objectStreamNumbers.insert(entry.streamNumber);

    // Offset order, so that the pages of the file are read front to back.
    std::vector<TPDFXrefEntry> entries(xref.Entries());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TPDFXrefEntry& a, const TPDFXrefEntry& b) { return a.offset < b.offset; });
    std::vector<TPDFIndObj> records;
    std::vector<int64_t> boundaries(xref.SectionOffsets());
    for (const TPDFXrefEntry& entry : entries) {
        TPDFIndObj record;
        record.number = entry.number;
        record.generation = entry.generation;
        if (entry.streamNumber != 0) {
            record.objectStreamNumber = entry.streamNumber;
            record.objectStreamIndex = entry.streamIndex;
            records.push_back(record);
            continue;
        }
        int64_t offset = entry.offset;
        mapped.Visited(MappedFile::kPlaceCost);
        int32_t number = 0;
        int32_t generation = 0;
        std::size_t bodyStart = 0;
        bool ok = offset >= 0 && static_cast<uint64_t>(offset) < file.size() &&
                  parser.ParseObjectHeader(static_cast<std::size_t>(offset), number, generation, bodyStart) &&
                  number == entry.number;
        if (!ok) {
            if (!scannedDone) {
                scanned = scanObjectHeaders(file, document.structure);
                scannedDone = true;
                mapped.ReleaseMemory();
            }
            auto found = scanned.find(entry.number);
            if (found == scanned.end())
                continue; // the object is nowhere in the file
            offset = found->second;
            ok = parser.ParseObjectHeader(static_cast<std::size_t>(offset), number, generation, bodyStart);
            if (!ok)
                continue;
        }
        TPDFLexer lexer(file, static_cast<std::size_t>(offset));
        lexer.SkipWhiteSpace();
        record.offset = static_cast<int64_t>(lexer.Position());
        record.generation = generation;
        boundaries.push_back(record.offset);
        if (objectStreamNumbers.count(entry.number)) {
            state->objectStreamOffsets[entry.number] = record.offset;
            continue; // its objects are listed one by one instead
        }
        // A cross-reference stream is replaced by the fresh table of a save. Only the object that is one:
        // a newer revision may give its number to a live object.
        if (xref.XrefStreamPositions().count(record.offset))
            continue;
        records.push_back(record);
    }

    // Sort by offset; objects from object streams take the place of their stream.
    auto sortKey = [&](const TPDFIndObj& record) {
        if (record.objectStreamNumber == 0)
            return std::pair<int64_t, int32_t>(record.offset, -1);
        auto stream = state->objectStreamOffsets.find(record.objectStreamNumber);
        const int64_t at =
            stream == state->objectStreamOffsets.end() ? static_cast<int64_t>(file.size()) : stream->second;
        return std::pair<int64_t, int32_t>(at, record.objectStreamIndex);
    };
    std::stable_sort(records.begin(), records.end(),
                     [&](const TPDFIndObj& a, const TPDFIndObj& b) { return sortKey(a) < sortKey(b); });

    // Each object's text runs to the next known offset, cut after its "endobj" when there is one.
    boundaries.push_back(static_cast<int64_t>(file.size()));
    std::sort(boundaries.begin(), boundaries.end());
    for (TPDFIndObj& record : records) {
        if (record.objectStreamNumber != 0)
            continue;
        const auto next = std::upper_bound(boundaries.begin(), boundaries.end(), record.offset);
        const int64_t end = next == boundaries.end() ? static_cast<int64_t>(file.size()) : *next;
        const std::string_view text = file.substr(static_cast<std::size_t>(record.offset),
                                                  static_cast<std::size_t>(end - record.offset));
        mapped.Visited(MappedFile::kPlaceCost);
        const std::size_t endobj = text.rfind("endobj");
        record.length = endobj == std::string_view::npos ? static_cast<int64_t>(text.size())
                                                         : static_cast<int64_t>(endobj + 6);
    }

    for (const TPDFIndObj& record : records)
        document.AddLoadedObject(record);

    // The trailer without the entries that describe the sections just read.
    TPDFDictionary* trailer = document.structure.NewDictionary();
    for (const auto& entry : xref.Trailer()->entries) {
        if (std::find(std::begin(kSectionKeys), std::end(kSectionKeys), entry.key.bytes) ==
            std::end(kSectionKeys))
            trailer->Set(entry.key.bytes, entry.value);
    }
    trailer->Set("Size", document.structure.NewNumeric(document.HighestObjectNumber() + 1.0));
    document.trailer = trailer;
    document.encrypted = trailer->Has("Encrypt");
    document.linearized = readLinearizedFlag(document);

    document.parseObject = [state](TPDFDocument& doc, TPDFIndObj& record) {
        return parseRecord(doc, *state, record);
    };
    document.decodeStream = [](TPDFDocument& doc, const TPDFStream& stream, std::string& out) {
        auto resolve = [&doc](TPDFObject* value) { return doc.Resolve(value); };
        return DecodeStreamFilters(*stream.dictionary, stream.Data(), out, resolve);
    };

    // Objects inside object streams have no text of their own to copy: they are read now and saved
    // from memory.
    for (const auto& record : document.objects)
        if (record->objectStreamNumber != 0)
            document.ObjectValue(record->number);
    mapped.ReleaseMemory();
    return true;
}
