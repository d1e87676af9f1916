#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pdf/model/object.h"
#include "pdf/model/structure.h"
#include "pdf/reader/parser.h"

// One in-use object named by the cross-reference data: either at a byte offset of the file, or as the
// `streamIndex`-th object of the object stream `streamNumber`.
struct TPDFXrefEntry {
    int32_t number = 0;
    int32_t generation = 0;
    int64_t offset = -1;
    int32_t streamNumber = 0;
    int32_t streamIndex = 0;
};

// Reads the cross-reference data of a loaded file: the "startxref" offset before the last "%%EOF",
// classic tables with subsections, cross-reference streams, /XRefStm and /Prev chains (each section is
// read once, so loops end). For every object number the first in-use entry met counts; the newest
// section is read first.
class TPDFXrefReader {
public:
    // Object numbers above this are ignored (the format's own limit).
    static constexpr int32_t kMaxObjectNumber = 8388607;
    // Older sections followed at most.
    static constexpr int kMaxSections = 4096;

    TPDFXrefReader(std::string_view file, TPDFStructure& structure) : file_(file), structure_(structure) {}

    // False when the newest cross-reference data cannot be found or a section of the chain cannot be read.
    bool Read();

    // The trailer of the newest section (a cross-reference stream's dictionary when that is the newest).
    TPDFDictionary* Trailer() const { return trailer_; }
    // In-use entries in the order met, one per object number.
    const std::vector<TPDFXrefEntry>& Entries() const { return entries_; }
    // Offsets where cross-reference sections begin ("xref" keywords and cross-reference stream objects).
    const std::vector<int64_t>& SectionOffsets() const { return sectionOffsets_; }
    // Where the cross-reference streams read begin (their object headers).
    const std::set<int64_t>& XrefStreamPositions() const { return xrefStreamPositions_; }

    // Offset given by the last "startxref" of the file, or -1.
    static int64_t FindStartXref(std::string_view file);

private:
    bool readSection(int64_t offset, bool isXRefStm, TPDFDictionary*& sectionTrailer);
    bool readClassicTable(std::size_t xrefPosition, TPDFDictionary*& sectionTrailer);
    bool readXrefStream(std::size_t objectPosition, TPDFDictionary*& sectionTrailer);
    void addEntry(const TPDFXrefEntry& entry);

    std::string_view file_;
    TPDFStructure& structure_;
    TPDFDictionary* trailer_ = nullptr;
    std::vector<TPDFXrefEntry> entries_;
    std::unordered_map<int32_t, std::size_t> seen_; // numbers with an in-use entry -> index in entries_
    std::vector<int64_t> sectionOffsets_;
    std::set<int64_t> visited_;
    std::set<int64_t> xrefStreamPositions_;
    int sectionsRead_ = 0;
};
