#include "pdf/render/page_box.h"

#include <algorithm>
#include <cmath>

#include "pdf/model/document.h"

namespace {

// Parent chains longer than this are broken (or loops).
constexpr int kMaxParentChain = 64;

bool ReadBox(TPDFDocument& document, TPDFObject* value, PageBox& box) {
    TPDFArray* array = document.ResolveArray(value);
    if (!array || array->Count() != 4)
        return false;
    double v[4];
    for (std::size_t i = 0; i < 4; ++i) {
        TPDFNumeric* number = AsNumeric(document.Resolve(array->Item(i)));
        if (!number || !std::isfinite(number->value) || std::fabs(number->value) > 1e7)
            return false;
        v[i] = number->value;
    }
    const PageBox read{std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]),
                       std::max(v[1], v[3])};
    if (read.Width() < 1e-3 || read.Height() < 1e-3)
        return false;
    box = read;
    return true;
}

} // namespace

TPDFObject* InheritedPageAttribute(TPDFDocument& document, TPDFDictionary& page, const char* key) {
    TPDFDictionary* node = &page;
    for (int depth = 0; node && depth < kMaxParentChain; ++depth) {
        if (TPDFObject* value = node->Get(key))
            return value;
        node = document.ResolveDictionary(node->Get("Parent"));
    }
    return nullptr;
}

PageBox ReadPageBox(TPDFDocument& document, TPDFDictionary& page) {
    PageBox box;
    if (!ReadBox(document, InheritedPageAttribute(document, page, "CropBox"), box))
        ReadBox(document, InheritedPageAttribute(document, page, "MediaBox"), box);
    return box;
}

int ReadPageRotation(TPDFDocument& document, TPDFDictionary& page) {
    TPDFNumeric* number = AsNumeric(document.Resolve(InheritedPageAttribute(document, page, "Rotate")));
    if (!number || !std::isfinite(number->value) || std::fabs(number->value) > 1e6)
        return 0;
    const long degrees = std::lround(number->value);
    if (degrees % 90 != 0)
        return 0;
    return static_cast<int>(((degrees % 360) + 360) % 360);
}
