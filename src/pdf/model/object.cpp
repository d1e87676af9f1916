#include "pdf/model/object.h"

#include <algorithm>

#include "pdf/model/number.h"
#include "pdf/model/structure.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Array text longer than this since the array began or since the last break gets a line feed.
constexpr std::size_t kArrayLineLength = 80;

bool NeedsNameEscape(unsigned char c) {
    if (c <= 0x20 || c >= 0x7F)
        return true;
    switch (c) {
    case '#':
    case '%':
    case '(':
    case ')':
    case '/':
    case '<':
    case '>':
    case '[':
    case ']':
    case '{':
    case '}':
        return true;
    default:
        return false;
    }
}

bool EndsWithLineFeed(const std::string& text, std::size_t from) {
    return text.size() > from && text.back() == '\n';
}

template <class T> T* As(TPDFObject* value, TPDFObjectKind kind) {
    return value && value->Kind() == kind ? static_cast<T*>(value) : nullptr;
}

} // namespace

std::string TPDFObject::ToText(int precision, bool dictionaryPerLine) const {
    std::string out;
    Serialize(out, precision, dictionaryPerLine);
    return out;
}

void AppendPDFName(std::string& out, std::string_view bytes) {
    out += '/';
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (NeedsNameEscape(c)) {
            out += '#';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 15];
        } else {
            out += ch;
        }
    }
}

void AppendPDFLiteralString(std::string& out, std::string_view bytes) {
    out += '(';
    for (char ch : bytes) {
        switch (ch) {
        case '\b':
            out += "\\b";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\r':
            out += "\\r";
            break;
        case '(':
        case ')':
        case '\\':
            out += '\\';
            out += ch;
            break;
        default:
            out += ch;
        }
    }
    out += ')';
}

void AppendPDFHexString(std::string& out, std::string_view bytes) {
    out += '<';
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 15];
    }
    out += '>';
}

void TPDFBoolean::Serialize(std::string& out, int, bool) const {
    out += value ? "true" : "false";
}

void TPDFNumeric::Serialize(std::string& out, int precision, bool) const {
    AppendPDFNumber(out, value, precision);
}

void TPDFString::Serialize(std::string& out, int, bool) const {
    if (mode == HexMode)
        AppendPDFHexString(out, bytes);
    else
        AppendPDFLiteralString(out, bytes);
}

void TPDFName::Serialize(std::string& out, int, bool) const {
    AppendPDFName(out, bytes);
}

void TPDFArray::Serialize(std::string& out, int precision, bool dictionaryPerLine) const {
    std::size_t lineStart = out.size();
    out += "[ ";
    for (const TPDFObject* item : items) {
        std::size_t itemStart = out.size();
        if (item)
            item->Serialize(out, precision, dictionaryPerLine);
        else
            out += "null";
        if (!EndsWithLineFeed(out, itemStart))
            out += ' ';
        if (out.size() - lineStart > kArrayLineLength) {
            out += '\n';
            lineStart = out.size();
        }
    }
    out += ']';
}

void TPDFDictionary::Set(std::string_view key, TPDFObject* value) {
    for (Entry& entry : entries) {
        if (entry.key.bytes == key) {
            entry.value = value;
            return;
        }
    }
    entries.emplace_back(key, value);
}

TPDFObject* TPDFDictionary::Get(std::string_view key) const {
    for (const Entry& entry : entries)
        if (entry.key.bytes == key)
            return entry.value;
    return nullptr;
}

bool TPDFDictionary::Remove(std::string_view key) {
    auto it =
        std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.key.bytes == key; });
    if (it == entries.end())
        return false;
    entries.erase(it);
    return true;
}

void TPDFDictionary::Serialize(std::string& out, int precision, bool dictionaryPerLine) const {
    if (!dictionaryPerLine && entries.size() <= 1) {
        out += "<< ";
        for (const Entry& entry : entries) {
            entry.key.Serialize(out, precision, dictionaryPerLine);
            out += ' ';
            if (entry.value)
                entry.value->Serialize(out, precision, dictionaryPerLine);
            else
                out += "null";
            out += ' ';
        }
        out += ">>\n";
        return;
    }
    out += "<<\n";
    for (const Entry& entry : entries) {
        std::string text;
        bool failed = entry.value == nullptr;
        if (!failed) {
            try {
                entry.key.Serialize(text, precision, dictionaryPerLine);
                text += ' ';
                entry.value->Serialize(text, precision, dictionaryPerLine);
            } catch (...) {
                failed = true;
            }
        }
        if (failed) {
            // One broken entry must not lose the whole file.
            out += "% bug \n";
            continue;
        }
        out += text;
        if (text.back() != '\n')
            out += '\n';
    }
    out += ">>\n";
}

void TPDFStream::SetData(std::string bytes) {
    data = std::move(bytes);
    auto length = static_cast<double>(data.size());
    if (TPDFNumeric* numeric = AsNumeric(dictionary->Get("Length")))
        numeric->value = length;
    else
        dictionary->Set("Length", structure->NewNumeric(length));
}

void TPDFStream::Serialize(std::string& out, int precision, bool dictionaryPerLine) const {
    dictionary->Serialize(out, precision, dictionaryPerLine);
    out += "stream\n";
    out += data;
    out += "\nendstream";
}

void TPDFIndRef::Serialize(std::string& out, int, bool) const {
    out += std::to_string(number);
    out += ' ';
    out += std::to_string(generation);
    out += " R";
}

void TPDFNull::Serialize(std::string& out, int, bool) const {
    out += "null";
}

TPDFBoolean* AsBoolean(TPDFObject* v) {
    return As<TPDFBoolean>(v, TPDFObjectKind::Boolean);
}
TPDFNumeric* AsNumeric(TPDFObject* v) {
    return As<TPDFNumeric>(v, TPDFObjectKind::Numeric);
}
TPDFString* AsString(TPDFObject* v) {
    return As<TPDFString>(v, TPDFObjectKind::String);
}
TPDFName* AsName(TPDFObject* v) {
    return As<TPDFName>(v, TPDFObjectKind::Name);
}
TPDFArray* AsArray(TPDFObject* v) {
    return As<TPDFArray>(v, TPDFObjectKind::Array);
}
TPDFDictionary* AsDictionary(TPDFObject* v) {
    return As<TPDFDictionary>(v, TPDFObjectKind::Dictionary);
}
TPDFStream* AsStream(TPDFObject* v) {
    return As<TPDFStream>(v, TPDFObjectKind::Stream);
}
TPDFIndRef* AsIndRef(TPDFObject* v) {
    return As<TPDFIndRef>(v, TPDFObjectKind::IndRef);
}
