#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TPDFStructure;

// Kinds of PDF values, for quick type tests without dynamic_cast.
enum class TPDFObjectKind { Boolean, Numeric, String, Name, Array, Dictionary, Stream, IndRef, Null };

// Base of every PDF value. Values are created and owned by a TPDFStructure (one per document); containers
// hold plain pointers to values of the same structure.
class TPDFObject {
public:
    virtual ~TPDFObject() = default;
    TPDFObject(const TPDFObject&) = delete;
    TPDFObject& operator=(const TPDFObject&) = delete;

    // Appends the PDF text of the value. `precision` is the number of decimals written for numbers;
    // `dictionaryPerLine` writes dictionaries one entry per line (always set in this system).
    virtual void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const = 0;
    virtual TPDFObjectKind Kind() const = 0;

    // The PDF text of the value as a new string.
    std::string ToText(int precision = 4, bool dictionaryPerLine = true) const;

protected:
    TPDFObject() = default;
};

class TPDFBoolean final : public TPDFObject {
public:
    explicit TPDFBoolean(bool v = false) : value(v) {}
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Boolean; }
    bool value;
};

class TPDFNumeric final : public TPDFObject {
public:
    explicit TPDFNumeric(double v = 0) : value(v) {}
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Numeric; }
    double value;
};

class TPDFString final : public TPDFObject {
public:
    static constexpr int LiteralMode = 0;
    static constexpr int HexMode = 1;
    explicit TPDFString(std::string b = {}, int m = LiteralMode) : bytes(std::move(b)), mode(m) {}
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::String; }
    std::string bytes;
    int mode;
};

class TPDFName final : public TPDFObject {
public:
    explicit TPDFName(std::string b = {}) : bytes(std::move(b)) {}
    // Names are copied as dictionary keys.
    TPDFName(const TPDFName& other) : TPDFObject(), bytes(other.bytes) {}
    TPDFName& operator=(const TPDFName& other) {
        bytes = other.bytes;
        return *this;
    }
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Name; }
    std::string bytes; // without the leading slash
};

class TPDFArray final : public TPDFObject {
public:
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Array; }
    void Add(TPDFObject* value) { items.push_back(value); }
    std::size_t Count() const { return items.size(); }
    TPDFObject* Item(std::size_t index) const { return index < items.size() ? items[index] : nullptr; }
    std::vector<TPDFObject*> items;
};

class TPDFDictionary final : public TPDFObject {
public:
    struct Entry {
        TPDFName key;
        TPDFObject* value;
        Entry(std::string_view k, TPDFObject* v) : key(std::string(k)), value(v) {}
    };

    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Dictionary; }

    // Replaces the value of an existing key in place, or appends a new entry at the end.
    void Set(std::string_view key, TPDFObject* value);
    // The value of a key (not following references), or nullptr.
    TPDFObject* Get(std::string_view key) const;
    bool Has(std::string_view key) const { return Get(key) != nullptr; }
    // Removes a key; later entries move up. False when the key was absent.
    bool Remove(std::string_view key);
    std::size_t Count() const { return entries.size(); }

    std::vector<Entry> entries;
};

class TPDFStream final : public TPDFObject {
public:
    // `owner` is the structure that creates the /Length value when the data is set.
    TPDFStream(TPDFStructure& owner, TPDFDictionary& dict) : structure(&owner), dictionary(&dict) {}
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Stream; }

    // Sets the data and the dictionary's /Length to its byte length (a numeric /Length is updated in
    // place, any other /Length value is replaced, a missing one is added).
    void SetData(std::string bytes);
    const std::string& Data() const { return data; }

    TPDFStructure* structure;
    TPDFDictionary* dictionary;
    std::string data; // as stored in the file (encoded when /Filter is present)
};

class TPDFIndRef final : public TPDFObject {
public:
    TPDFIndRef(int32_t n = 0, int32_t g = 0) : number(n), generation(g) {}
    // References are also passed around as plain values.
    TPDFIndRef(const TPDFIndRef& other) : TPDFObject(), number(other.number), generation(other.generation) {}
    TPDFIndRef& operator=(const TPDFIndRef& other) {
        number = other.number;
        generation = other.generation;
        return *this;
    }
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::IndRef; }
    int32_t number;
    int32_t generation;
};

class TPDFNull final : public TPDFObject {
public:
    void Serialize(std::string& out, int precision, bool dictionaryPerLine = true) const override;
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Null; }
};

// Typed views of a value: the value cast to the class, or nullptr when it is of another kind (or null).
TPDFBoolean* AsBoolean(TPDFObject* value);
TPDFNumeric* AsNumeric(TPDFObject* value);
TPDFString* AsString(TPDFObject* value);
TPDFName* AsName(TPDFObject* value);
TPDFArray* AsArray(TPDFObject* value);
TPDFDictionary* AsDictionary(TPDFObject* value);
TPDFStream* AsStream(TPDFObject* value);
TPDFIndRef* AsIndRef(TPDFObject* value);

// Text forms shared by the serialisers and the content builder.
void AppendPDFName(std::string& out, std::string_view bytes);          // "/" + escaped bytes
void AppendPDFLiteralString(std::string& out, std::string_view bytes); // "(" + escaped bytes + ")"
void AppendPDFHexString(std::string& out, std::string_view bytes);     // "<" + upper-case hex + ">"
