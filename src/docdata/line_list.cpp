#include "docdata/document_record.h"

TListaRigheDoc::TListaRigheDoc(const TListaRigheDoc& other) {
    Assign(other);
}

TListaRigheDoc& TListaRigheDoc::operator=(const TListaRigheDoc& other) {
    Assign(other);
    return *this;
}

int TListaRigheDoc::Add(const std::string& s) {
    entries.push_back(Entry{s, std::make_unique<TRecRigaDocObject>()});
    return Count() - 1;
}

void TListaRigheDoc::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        return;
    entries.insert(entries.begin() + index, Entry{s, std::make_unique<TRecRigaDocObject>()});
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
            *entries[static_cast<size_t>(index)].Object = *entry.Object;
    }
}

std::string TListaRigheDoc::Strings(int index) const {
    return (index >= 0 && index < Count()) ? entries[static_cast<size_t>(index)].Text : std::string();
}

TRecRigaDocObject* TListaRigheDoc::Line(int index) {
    return (index >= 0 && index < Count()) ? entries[static_cast<size_t>(index)].Object.get() : nullptr;
}

const TRecRigaDocObject* TListaRigheDoc::Line(int index) const {
    return (index >= 0 && index < Count()) ? entries[static_cast<size_t>(index)].Object.get() : nullptr;
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
