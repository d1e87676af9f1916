#include "pdf/model/document.h"

#include <cstdint>
#include <ctime>
#include <random>
#include <stdexcept>

#include "pdf/model/date.h"
#include "pdf/model/doc_encoding.h"
#include "pdf/model/md5.h"

const char* const WriterIdString = "stampadoc PDF writer";

namespace {

// Reference chains longer than this are taken as broken (and stop reference cycles).
constexpr int kMaxReferenceChain = 32;

void SetNumber(TPDFStructure& structure, TPDFDictionary& dictionary, std::string_view key, double value) {
    if (TPDFNumeric* number = AsNumeric(dictionary.Get(key)))
        number->value = value;
    else
        dictionary.Set(key, structure.NewNumeric(value));
}

std::string RandomByteText() {
    std::random_device device;
    return std::to_string(device() & 0xFF);
}

} // namespace

TPDFDocument::TPDFDocument() : trailer(structure.NewDictionary()), pageTree(*this) {}

TPDFDocument::~TPDFDocument() = default;

void TPDFDocument::CreateNew() {
    version = "1.4";
    TPDFDictionary* info = structure.NewDictionary();
    TPDFDictionary* catalog = structure.NewDictionary();
    TPDFDictionary* pages = structure.NewDictionary();
    TPDFDictionary* page = structure.NewDictionary();
    TPDFDictionary* resources = structure.NewDictionary();

    TPDFIndRef pagesRef = Register(pages);

    auto box = [&] {
        TPDFArray* array = structure.NewArray();
        for (double v : {0.0, 0.0, 612.0, 792.0})
            array->Add(structure.NewNumeric(v));
        return array;
    };
    page->Set("Type", structure.NewName("Page"));
    page->Set("Parent", structure.NewIndRef(pagesRef.number));
    page->Set("MediaBox", box());
    page->Set("CropBox", box());
    TPDFArray* procSet = structure.NewArray();
    for (const char* name : {"PDF", "Text", "ImageB", "ImageC", "ImageI"})
        procSet->Add(structure.NewName(name));
    resources->Set("ProcSet", procSet);
    page->Set("Resources", resources);

    pages->Set("Type", structure.NewName("Pages"));
    pages->Set("Count", structure.NewNumeric(1));
    TPDFIndRef pageRef = Register(page);
    TPDFArray* kids = structure.NewArray();
    kids->Add(structure.NewIndRef(pageRef.number));
    pages->Set("Kids", kids);

    catalog->Set("Type", structure.NewName("Catalog"));
    catalog->Set("Pages", structure.NewIndRef(pagesRef.number));

    auto digest = MD5Digest(CurrentDayNumberText());
    TPDFString* id = structure.NewString(std::string(digest.begin(), digest.end()), TPDFString::HexMode);

    TPDFIndRef catalogRef = Register(catalog);
    trailer->Set("Root", structure.NewIndRef(catalogRef.number));
    TPDFIndRef infoRef = Register(info);
    trailer->Set("Info", structure.NewIndRef(infoRef.number));
    TPDFArray* ids = structure.NewArray();
    ids->Add(id);
    ids->Add(id);
    trailer->Set("ID", ids);

    if (!pageTree.Build())
        throw std::runtime_error("new document without pages");

    std::string now = FormatPDFDate(std::time(nullptr));
    info->Set("Producer", structure.NewString(AnsiToPDFText(WriterIdString)));
    info->Set("Creator", structure.NewString(AnsiToPDFText(WriterIdString)));
    info->Set("CreationDate", structure.NewString(now));
    info->Set("ModDate", structure.NewString(now));
}

TPDFIndRef TPDFDocument::Register(TPDFObject* value) {
    auto record = std::make_unique<TPDFIndObj>();
    record->number = highestNumber + 1;
    record->generation = 0;
    record->value = value;
    record->parsed = true;
    TPDFIndRef reference(record->number, 0);
    highestNumber = record->number;
    byNumber[record->number] = record.get();
    objects.push_back(std::move(record));
    SetNumber(structure, *trailer, "Size", highestNumber + 1.0);
    return reference;
}

TPDFIndObj& TPDFDocument::AddLoadedObject(const TPDFIndObj& record) {
    objects.push_back(std::make_unique<TPDFIndObj>(record));
    TPDFIndObj* added = objects.back().get();
    byNumber[added->number] = added;
    if (added->number > highestNumber)
        highestNumber = added->number;
    return *added;
}

TPDFIndObj* TPDFDocument::FindObject(int32_t number) {
    auto it = byNumber.find(number);
    return it == byNumber.end() ? nullptr : it->second;
}

TPDFObject* TPDFDocument::ObjectValue(int32_t number) {
    TPDFIndObj* record = FindObject(number);
    if (!record)
        return nullptr;
    if (!record->parsed && parseObject && !parsingNumbers.contains(number)) {
        parsingNumbers.insert(number);
        bool ok = false;
        try {
            ok = parseObject(*this, *record);
        } catch (...) {
            ok = false;
        }
        parsingNumbers.erase(number);
        if (!ok) {
            record->parsed = false;
            record->value = nullptr;
        }
    }
    return record->parsed ? record->value : nullptr;
}

TPDFObject* TPDFDocument::Resolve(TPDFObject* value) {
    for (int step = 0; step < kMaxReferenceChain; ++step) {
        TPDFIndRef* ref = AsIndRef(value);
        if (!ref)
            return value;
        value = ObjectValue(ref->number);
    }
    return nullptr;
}

bool TPDFDocument::DecodedStreamData(const TPDFStream& stream, std::string& out) {
    if (!stream.dictionary->Has("Filter")) {
        out = stream.data;
        return true;
    }
    if (!decodeStream)
        return false;
    try {
        return decodeStream(*this, stream, out);
    } catch (...) {
        return false;
    }
}

TPDFDictionary* TPDFDocument::InfoDictionary(bool create) {
    if (TPDFDictionary* info = ResolveDictionary(trailer->Get("Info")))
        return info;
    if (!create)
        return nullptr;
    TPDFDictionary* info = structure.NewDictionary();
    TPDFIndRef reference = Register(info);
    trailer->Set("Info", structure.NewIndRef(reference.number, reference.generation));
    return info;
}

std::string TPDFDocument::ResourceNameSuffix() {
    ++resourceCounter;
    std::string seed = CurrentDayNumberText();
    seed += RandomByteText();
    seed += std::to_string(resourceCounter);
    seed += std::to_string(reinterpret_cast<std::uintptr_t>(this));
    return MD5Hex(seed).substr(0, 8);
}

double TPDFDocument::ToPointsX(double x) {
    double points = x / scale;
    if (origin == 2 || origin == 3)
        points = pageTree.Width() - points;
    return points;
}

double TPDFDocument::ToPointsY(double y) {
    double points = y / scale;
    if (origin == 1 || origin == 2)
        points = pageTree.Height() - points;
    return points;
}

void TPDFDocument::AddPageResource(std::string_view category, std::string_view name,
                                   const TPDFIndRef& reference) {
    TPDFDictionary* page = pageTree.SelectedPage();
    if (!page)
        return;
    TPDFDictionary* resources = ResolveDictionary(page->Get("Resources"));
    if (!resources) {
        // A page that inherits its resources gets its own copy of them, so that nothing it uses is lost.
        resources = structure.NewDictionary();
        TPDFDictionary* node = ResolveDictionary(page->Get("Parent"));
        for (int depth = 0; node && depth < kMaxReferenceChain; ++depth) {
            if (TPDFDictionary* inherited = ResolveDictionary(node->Get("Resources"))) {
                resources->entries = inherited->entries;
                break;
            }
            node = ResolveDictionary(node->Get("Parent"));
        }
        page->Set("Resources", resources);
    }
    TPDFDictionary* group = ResolveDictionary(resources->Get(category));
    if (!group) {
        group = structure.NewDictionary();
        resources->Set(category, group);
    }
    if (TPDFIndRef* present = AsIndRef(group->Get(name)))
        if (present->number == reference.number && present->generation == reference.generation)
            return;
    group->Set(name, structure.NewIndRef(reference.number, reference.generation));
}

TPDFStream* TPDFDocument::NewContentStream(TPDFIndRef& reference) {
    TPDFStream* stream = structure.NewStream();
    stream->SetData({});
    stream->dictionary->Set("LC", structure.NewName("Ruvo"));
    reference = Register(stream);
    return stream;
}
