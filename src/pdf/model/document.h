#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "pdf/model/indirect_object.h"
#include "pdf/model/object.h"
#include "pdf/model/page_tree.h"
#include "pdf/model/structure.h"
#include "pdf/text/font.h"
#include "platform/mapped_file.h"
#include "platform/sample_compressor.h"

class TPDFImage;

// Text written as /Producer and /Creator of a new document.
extern const char* const WriterIdString;

// One PDF document in memory: new (built here) or loaded (file bytes kept, objects parsed on demand).
class TPDFDocument {
public:
    TPDFDocument();
    ~TPDFDocument();
    TPDFDocument(const TPDFDocument&) = delete;
    TPDFDocument& operator=(const TPDFDocument&) = delete;

    // Builds the skeleton of a new document (objects 1 to 5) and selects page 1. Throws on failure.
    void CreateNew();

    // Registers a value as a new indirect object numbered after the highest one; sets /Size.
    TPDFIndRef Register(TPDFObject* value);
    // Appends a record of a loaded file as it is (number kept, /Size untouched).
    TPDFIndObj& AddLoadedObject(const TPDFIndObj& record);
    TPDFIndObj* FindObject(int32_t number);
    int32_t HighestObjectNumber() const { return highestNumber; }

    // The value of an indirect object, parsed on demand through `parseObject`; nullptr when unknown or
    // unreadable.
    TPDFObject* ObjectValue(int32_t number);
    // Follows references (a bounded chain) to the value; nullptr for a dangling reference.
    TPDFObject* Resolve(TPDFObject* value);
    TPDFDictionary* ResolveDictionary(TPDFObject* value) { return AsDictionary(Resolve(value)); }
    TPDFArray* ResolveArray(TPDFObject* value) { return AsArray(Resolve(value)); }
    // Decoded data of a stream: the bytes themselves without /Filter, else through `decodeStream`.
    bool DecodedStreamData(const TPDFStream& stream, std::string& out);

    // The trailer's /Info dictionary; registers a new one when missing and `create` is set.
    TPDFDictionary* InfoDictionary(bool create);

    // Eight hex digits that make resource names unique (counter, time, a random byte, this object).
    std::string ResourceNameSuffix();

    // User coordinates to points on the selected page (units and origin applied), and lengths.
    double ToPointsX(double x);
    double ToPointsY(double y);
    double ToPointsLength(double length) const { return length / scale; }

    // Adds `/name ref` to the /Resources sub-dictionary `category` ("Font", "XObject") of the selected
    // page unless that reference is there already.
    void AddPageResource(std::string_view category, std::string_view name, const TPDFIndRef& reference);
    // A registered empty content stream marked as ours (/Length 0, /LC /Ruvo).
    TPDFStream* NewContentStream(TPDFIndRef& reference);

    TPDFStructure structure;
    std::string version = "1.4";
    std::unique_ptr<MappedFile> loadedFile; // the loaded file (none for a new document)
    std::string_view fileBytes;             // its bytes
    TPDFDictionary* trailer = nullptr;      // /Size, /Root, /Info, /ID
    std::vector<std::unique_ptr<TPDFIndObj>> objects;
    TPDFPageTree pageTree;
    std::vector<std::unique_ptr<TPDFFont>> fonts;
    // Shared pointers so that the image type stays with the image code.
    std::vector<std::shared_ptr<TPDFImage>> images;
    double scale = 1.0; // user units per point
    int origin = 0;     // 0 bottom-left, 1 top-left, 2 top-right, 3 bottom-right
    int compressImages = 0;
    // Compresses image samples; kept with the document so that its memory serves image after image.
    SampleCompressor sampleCompressor;
    int resourceCounter = 0;
    bool encrypted = false;
    bool linearized = false;

    // Set by the loader: parses a record of the loaded file, sets its value and parsed flag; false when
    // the text cannot be read.
    std::function<bool(TPDFDocument&, TPDFIndObj&)> parseObject;
    // Set by the loader: applies the stream's /Filter chain to its data.
    std::function<bool(TPDFDocument&, const TPDFStream&, std::string&)> decodeStream;

private:
    std::unordered_map<int32_t, TPDFIndObj*> byNumber;
    std::unordered_set<int32_t> parsingNumbers; // objects being parsed now: stops reference loops
    int32_t highestNumber = 0;
};
