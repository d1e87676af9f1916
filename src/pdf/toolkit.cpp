#include "pdf/toolkit.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "pdf/model/date.h"
#include "pdf/model/doc_encoding.h"
#include "pdf/model/file_writer.h"
#include "pdf/model/page_sizes.h"
#include "platform/file_system.h"

namespace {

// Keys of the information entries 1 to 6.
constexpr const char* kInformationKeys[] = {"Author", "Title", "Subject", "Keywords", "Creator", "Producer"};
// Custom keys may not be any part of this text.
constexpr std::string_view kStandardInformationKeys = "/Author/Title/Subject/Keywords/Creator/Producer/";
constexpr const char* kAcceptedVersions[] = {"1.0", "1.1", "1.2", "1.3", "1.4", "1.5"};

std::string SystemTempDirectory() {
    return TemporaryFolder();
}

bool IsCustomKeyAllowed(const std::string& key) {
    return kStandardInformationKeys.find("/" + key) == std::string_view::npos;
}

// Stores an information entry: PDFDocEncoding, an existing string updated in place, empty removes.
void StoreInformation(TPDFDocument& document, const std::string& key, const std::string& text) {
    if (text.empty()) {
        if (TPDFDictionary* info = document.InfoDictionary(false))
            info->Remove(key);
        return;
    }
    TPDFDictionary* info = document.InfoDictionary(true);
    std::string stored = AnsiToPDFText(text);
    if (TPDFString* existing = AsString(document.Resolve(info->Get(key)))) {
        existing->bytes = std::move(stored);
        existing->mode = TPDFString::LiteralMode;
    } else {
        info->Set(key, document.structure.NewString(std::move(stored)));
    }
}

std::string ReadInformation(TPDFDocument& document, const std::string& key) {
    TPDFDictionary* info = document.InfoDictionary(false);
    if (!info)
        return {};
    TPDFString* value = AsString(document.Resolve(info->Get(key)));
    return value ? PDFTextToAnsi(value->bytes) : std::string();
}

} // namespace

TPDFToolkit::TPDFToolkit() : tempDirectory(SystemTempDirectory()) {
    auto document = std::make_unique<TPDFDocument>();
    document->CreateNew();
    AdoptDocument(std::move(document));
}

TPDFToolkit::~TPDFToolkit() = default;

void TPDFToolkit::AdoptDocument(std::unique_ptr<TPDFDocument> document) {
    TPDFDocument* raw = document.get();
    documents.push_back(std::move(document));
    MakeSelected(raw);
}

void TPDFToolkit::MakeSelected(TPDFDocument* document) {
    selectedDocument = document;
    selectedImage = document->images.empty() ? nullptr : document->images.front().get();
    selectedFont = document->fonts.empty() ? nullptr : document->fonts.front().get();
}

bool TPDFToolkit::Owns(const TPDFDocument* document) const {
    return std::any_of(documents.begin(), documents.end(),
                       [&](const std::unique_ptr<TPDFDocument>& d) { return d.get() == document; });
}

TPDFDocument* TPDFToolkit::NewDocument() {
    try {
        auto document = std::make_unique<TPDFDocument>();
        document->CreateNew();
        TPDFDocument* raw = document.get();
        AdoptDocument(std::move(document));
        return raw;
    } catch (...) {
        return nullptr;
    }
}

int TPDFToolkit::SelectDocument(TPDFDocument* document) {
    if (!document || !Owns(document))
        return 0;
    MakeSelected(document);
    return 1;
}

int TPDFToolkit::RemoveDocument(TPDFDocument* document) {
    if (!document || !Owns(document) || documents.size() < 2)
        return 0;
    auto it = std::find_if(documents.begin(), documents.end(),
                           [&](const std::unique_ptr<TPDFDocument>& d) { return d.get() == document; });
    if (document == selectedDocument) {
        auto index = static_cast<std::size_t>(it - documents.begin());
        MakeSelected(index > 0 ? documents[index - 1].get() : documents[1].get());
    }
    documents.erase(it);
    return 1;
}

int TPDFToolkit::PageCount() {
    return selectedDocument->pageTree.PageCount();
}

int TPDFToolkit::NewPage() {
    try {
        TPDFPageTree& tree = selectedDocument->pageTree;
        int number = tree.AddPage();
        if (number == 0)
            return 0;
        ApplySelectedFont();
        return tree.PageCount() == number ? number : 0;
    } catch (...) {
        return 0;
    }
}

void TPDFToolkit::SelectPage(int pageNumber) {
    try {
        TPDFPageTree& tree = selectedDocument->pageTree;
        double size = tree.Painter().Size();
        tree.SelectPage(pageNumber);
        ApplySelectedFont();
        tree.Painter().SetSize(size);
    } catch (...) {
    }
}

int TPDFToolkit::SetPageSize(const std::string& name) {
    auto size = LookupPageSize(name);
    if (!size)
        return 0;
    selectedDocument->pageTree.SetSize(size->width, size->height);
    return 1;
}

double TPDFToolkit::PageWidth() {
    return selectedDocument->pageTree.Width() * selectedDocument->scale;
}

double TPDFToolkit::PageHeight() {
    return selectedDocument->pageTree.Height() * selectedDocument->scale;
}

int TPDFToolkit::SetMeasurementUnits(int units) {
    switch (units) {
    case 1:
        selectedDocument->scale = 25.4 / 72;
        break;
    case 2:
        selectedDocument->scale = 1.0 / 72;
        break;
    default:
        selectedDocument->scale = 1.0;
    }
    return 1;
}

int TPDFToolkit::SetOrigin(int origin) {
    selectedDocument->origin = origin >= 0 && origin <= 3 ? origin : 0;
    return 1;
}

int TPDFToolkit::SetInformation(int index, const std::string& text) {
    if (selectedDocument->encrypted) {
        lastError = ErrorEncrypted;
        return 0;
    }
    if (index < 0 || index > 6) {
        lastError = ErrorIndexOutOfRange;
        return 0;
    }
    try {
        if (index == 0) {
            if (std::find(std::begin(kAcceptedVersions), std::end(kAcceptedVersions), text) !=
                std::end(kAcceptedVersions))
                selectedDocument->version = text;
        } else {
            StoreInformation(*selectedDocument, kInformationKeys[index - 1], text);
        }
        return GetInformation(index) == text ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

std::string TPDFToolkit::GetInformation(int index) {
    if (index == 0)
        return selectedDocument->version;
    if (index < 1 || index > 6)
        return {};
    try {
        return ReadInformation(*selectedDocument, kInformationKeys[index - 1]);
    } catch (...) {
        return {};
    }
}

int TPDFToolkit::SetCustomInformation(const std::string& key, const std::string& text) {
    if (!IsCustomKeyAllowed(key))
        return 0;
    if (selectedDocument->encrypted) {
        lastError = ErrorEncrypted;
        return 0;
    }
    try {
        StoreInformation(*selectedDocument, key, text);
        return 1;
    } catch (...) {
        return 0;
    }
}

std::string TPDFToolkit::GetCustomInformation(const std::string& key) {
    if (!IsCustomKeyAllowed(key))
        return {};
    try {
        return ReadInformation(*selectedDocument, key);
    } catch (...) {
        return {};
    }
}

int TPDFToolkit::CompressImages(int flag) {
    if (flag != 0 && flag != 1)
        return 0;
    selectedDocument->compressImages = flag;
    return 1;
}

int TPDFToolkit::SaveToFile(const std::string& fileName) {
    try {
        StoreInformation(*selectedDocument, "ModDate", FormatPDFDate(std::time(nullptr)));
        return SaveDocument(*selectedDocument, fileName) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
