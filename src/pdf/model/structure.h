#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pdf/model/object.h"

// Owns every value of one document: creates them, keeps them alive and frees them with the document.
// Values are never freed one by one; a replaced value simply stays in the pool until the document goes.
class TPDFStructure {
public:
    TPDFStructure() = default;
    TPDFStructure(const TPDFStructure&) = delete;
    TPDFStructure& operator=(const TPDFStructure&) = delete;

    TPDFBoolean* NewBoolean(bool value) { return Adopt(std::make_unique<TPDFBoolean>(value)); }
    TPDFNumeric* NewNumeric(double value) { return Adopt(std::make_unique<TPDFNumeric>(value)); }
    TPDFString* NewString(std::string bytes, int mode = TPDFString::LiteralMode) {
        return Adopt(std::make_unique<TPDFString>(std::move(bytes), mode));
    }
    TPDFName* NewName(std::string bytes) { return Adopt(std::make_unique<TPDFName>(std::move(bytes))); }
    TPDFArray* NewArray() { return Adopt(std::make_unique<TPDFArray>()); }
    TPDFDictionary* NewDictionary() { return Adopt(std::make_unique<TPDFDictionary>()); }
    // A stream with a new empty dictionary, or with the given dictionary of this structure.
    TPDFStream* NewStream();
    TPDFStream* NewStream(TPDFDictionary& dictionary);
    TPDFIndRef* NewIndRef(int32_t number, int32_t generation = 0) {
        return Adopt(std::make_unique<TPDFIndRef>(number, generation));
    }
    TPDFNull* NewNull() { return Adopt(std::make_unique<TPDFNull>()); }

    // Decimal places written for numbers; SetPrecision accepts 2 to 8 and ignores other values.
    int Precision() const { return precision; }
    void SetPrecision(int places);

    // Dictionaries one entry per line; always set in this system.
    bool dictionaryPerLine = true;

private:
    template <class T> T* Adopt(std::unique_ptr<T> value) {
        T* raw = value.get();
        values.push_back(std::move(value));
        return raw;
    }

    std::vector<std::unique_ptr<TPDFObject>> values;
    int precision = 4;
};
