#include "docdata/document_record.h"

TListaRigheDoc::TListaRigheDoc(const TListaRigheDoc& other) {
    Assign(other);
}

TListaRigheDoc& TListaRigheDoc::operator=(const TListaRigheDoc& other) {
    Assign(other);
    return *this;
}

namespace {

const TRecRigaDocObject& ClearedLine() {
    static const TRecRigaDocObject cleared;
    return cleared;
}

} // namespace

int TListaRigheDoc::Add(const std::string& s) {
    entries.push_back(Entry{s, nullptr});
    return Count() - 1;
}

void TListaRigheDoc::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        return;
    entries.insert(entries.begin() + index, Entry{s, nullptr});
}

void TListaRigheDoc::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    entries.erase(entries.begin() + index);
}

void TListaRigheDoc::Clear() {
    for (Entry& entry : entries)
        entry.Object.reset();
    entries.clear();
}

void TListaRigheDoc::Assign(const TListaRigheDoc& source) {
    if (&source == this)
        return;
    Clear();
    entries.reserve(source.entries.size());
    for (const Entry& entry : source.entries) {
        const int index = Add(entry.Text);
        if (entry.Object)
            entries[static_cast<size_t>(index)].Object = std::make_unique<TRecRigaDocObject>(*entry.Object);
    }
}

std::string TListaRigheDoc::Strings(int index) const {
    return (index >= 0 && index < Count()) ? entries[static_cast<size_t>(index)].Text : std::string();
}

TRecRigaDocObject* TListaRigheDoc::Line(int index) {
    if (index < 0 || index >= Count())
        return nullptr;
    std::unique_ptr<TRecRigaDocObject>& object = entries[static_cast<size_t>(index)].Object;
    if (!object)
        object = std::make_unique<TRecRigaDocObject>();
    return object.get();
}

const TRecRigaDocObject* TListaRigheDoc::Line(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    const TRecRigaDocObject* object = entries[static_cast<size_t>(index)].Object.get();
    return object != nullptr ? object : &ClearedLine();
}

std::string GetLineText(const TListaRigheDoc& list, int index, std::string TRecRigaDocObject::*column) {
    const TRecRigaDocObject* line = list.Line(index);
    return line != nullptr ? line->*column : std::string();
}

void SetLineText(TListaRigheDoc& list, int index, std::string TRecRigaDocObject::*column,
                 const std::string& value) {
    if (TRecRigaDocObject* line = list.Line(index))
        line->*column = value;
}

double GetLineAmount(const TListaRigheDoc& list, int index, double TRecRigaDocObject::*column) {
    const TRecRigaDocObject* line = list.Line(index);
    return line != nullptr ? line->*column : 0.0;
}

void SetLineAmount(TListaRigheDoc& list, int index, double TRecRigaDocObject::*column, double value) {
    if (TRecRigaDocObject* line = list.Line(index))
        line->*column = value;
}
