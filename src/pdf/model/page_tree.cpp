#include "pdf/model/page_tree.h"

#include <cmath>
#include <unordered_set>

#include "pdf/model/document.h"

namespace {

// Deeper page trees or longer parent chains than this are taken as malformed (and cycles stop there).
constexpr int kMaxTreeDepth = 64;
// A content stream is closed for appending once its data exceeds this many bytes.
constexpr std::size_t kContentStreamLimit = 500000;

bool IsOwnContentStream(const TPDFStream& stream) {
    TPDFName* marker = AsName(stream.dictionary->Get("LC"));
    return marker && marker->bytes == "Ruvo";
}

TPDFArray* NewBox(TPDFStructure& structure, double width, double height) {
    TPDFArray* box = structure.NewArray();
    box->Add(structure.NewNumeric(0));
    box->Add(structure.NewNumeric(0));
    box->Add(structure.NewNumeric(width));
    box->Add(structure.NewNumeric(height));
    return box;
}

} // namespace

TPDFDictionary* TPDFPageTree::Page(int number) const {
    if (number < 1 || number > PageCount())
        return nullptr;
    return pages[static_cast<std::size_t>(number - 1)];
}

TPDFIndRef TPDFPageTree::SelectedPageReference() const {
    if (selected < 1 || selected > PageCount())
        return {};
    return pageReferences[static_cast<std::size_t>(selected - 1)];
}

bool TPDFPageTree::Build() {
    pages.clear();
    pageReferences.clear();
    contentStreams.clear();
    selected = 0;
    rootNode = nullptr;
    TPDFDictionary* catalog = document.ResolveDictionary(document.trailer->Get("Root"));
    if (!catalog)
        return false;
    TPDFObject* pagesEntry = catalog->Get("Pages");
    if (TPDFIndRef* ref = AsIndRef(pagesEntry))
        rootReference = *ref;
    rootNode = document.ResolveDictionary(pagesEntry);
    if (!rootNode)
        return false;
    visitedNodes.clear();
    CollectKids(*rootNode, 0);
    visitedNodes.clear();
    if (pages.empty())
        return false;
    return SelectPage(1);
}

void TPDFPageTree::CollectKids(TPDFDictionary& node, int depth) {
    if (depth > kMaxTreeDepth || !visitedNodes.insert(&node).second)
        return;
    TPDFArray* kids = document.ResolveArray(node.Get("Kids"));
    if (!kids)
        return;
    for (TPDFObject* kid : kids->items) {
        TPDFDictionary* child = document.ResolveDictionary(kid);
        if (!child)
            continue;
        TPDFName* type = AsName(document.Resolve(child->Get("Type")));
        bool isNode = type ? type->bytes == "Pages" : child->Has("Kids");
        if (isNode) {
            CollectKids(*child, depth + 1);
        } else if (visitedNodes.insert(child).second) {
            pages.push_back(child);
            TPDFIndRef* ref = AsIndRef(kid);
            pageReferences.push_back(ref ? *ref : TPDFIndRef());
        }
    }
}

bool TPDFPageTree::SelectPage(int number) {
    TPDFDictionary* page = Page(number);
    if (!page)
        return false;
    selected = number;
    sizeKnown = false;
    contentStreams.clear();

    TPDFStructure& structure = document.structure;
    TPDFObject* contents = page->Get("Contents");
    TPDFArray* list = nullptr;
    if (TPDFArray* direct = AsArray(contents)) {
        list = direct;
    } else if (TPDFIndRef* ref = AsIndRef(contents)) {
        TPDFObject* target = document.Resolve(ref);
        if (AsArray(target)) {
            list = AsArray(target);
        } else if (AsStream(target)) {
            list = structure.NewArray();
            list->Add(ref);
            page->Set("Contents", list);
        }
    }
    if (!list) {
        list = structure.NewArray();
        page->Set("Contents", list);
    }

    for (TPDFObject* item : list->items)
        if (TPDFStream* stream = AsStream(document.Resolve(item)))
            contentStreams.push_back(stream);

    std::string existing;
    TPDFStream* last = list->Count() ? AsStream(document.Resolve(list->items.back())) : nullptr;
    bool usable = last && IsOwnContentStream(*last) && document.DecodedStreamData(*last, existing) &&
                  existing.size() <= kContentStreamLimit;
    if (!usable) {
        TPDFIndRef reference;
        TPDFStream* fresh = document.NewContentStream(reference);
        list->Add(structure.NewIndRef(reference.number, reference.generation));
        contentStreams.push_back(fresh);
        existing.clear();
    }
    // Operators are appended line by line: the text taken over must end a line.
    if (!existing.empty() && existing.back() != '\n' && existing.back() != '\r')
        existing += '\n';
    painter.Reset(structure.Precision());
    painter.Load(std::move(existing));
    return true;
}

int TPDFPageTree::AddPage() {
    if (!rootNode)
        return 0;
    TPDFStructure& structure = document.structure;
    double w = Width();
    double h = Height();
    TPDFDictionary* page = structure.NewDictionary();
    page->Set("Type", structure.NewName("Page"));
    page->Set("Parent", structure.NewIndRef(rootReference.number, rootReference.generation));
    page->Set("MediaBox", NewBox(structure, w, h));
    page->Set("CropBox", NewBox(structure, w, h));
    page->Set("Rotate", structure.NewNumeric(0));
    TPDFDictionary* resources = structure.NewDictionary();
    TPDFArray* procSet = structure.NewArray();
    for (const char* name : {"PDF", "Text", "ImageB", "ImageC", "ImageI"})
        procSet->Add(structure.NewName(name));
    resources->Set("ProcSet", procSet);
    page->Set("Resources", resources);
    TPDFIndRef reference = document.Register(page);

    TPDFArray* kids = document.ResolveArray(rootNode->Get("Kids"));
    if (!kids) {
        kids = structure.NewArray();
        rootNode->Set("Kids", kids);
    }
    kids->Add(structure.NewIndRef(reference.number, reference.generation));
    TPDFDictionary* node = rootNode;
    for (int depth = 0; node && depth <= kMaxTreeDepth; ++depth) {
        if (TPDFNumeric* count = AsNumeric(document.Resolve(node->Get("Count"))))
            count->value += 1;
        else
            node->Set("Count", structure.NewNumeric(depth == 0 ? static_cast<double>(pages.size() + 1) : 1));
        node = document.ResolveDictionary(node->Get("Parent"));
    }

    TPDFIndRef contentReference;
    document.NewContentStream(contentReference);
    TPDFArray* contents = structure.NewArray();
    contents->Add(structure.NewIndRef(contentReference.number, contentReference.generation));
    page->Set("Contents", contents);

    pages.push_back(page);
    pageReferences.push_back(reference);
    SelectPage(PageCount());
    return PageCount();
}

TPDFArray* TPDFPageTree::MediaBoxOf(TPDFDictionary& page) {
    TPDFDictionary* node = &page;
    for (int depth = 0; node && depth <= kMaxTreeDepth; ++depth) {
        if (TPDFArray* box = document.ResolveArray(node->Get("MediaBox")))
            return box;
        node = document.ResolveDictionary(node->Get("Parent"));
    }
    return nullptr;
}

void TPDFPageTree::MeasureSelectedPage() {
    sizeKnown = true;
    width = defaultWidth;
    height = defaultHeight;
    TPDFDictionary* page = SelectedPage();
    if (!page)
        return;
    TPDFArray* box = MediaBoxOf(*page);
    if (!box) {
        page->Set("MediaBox", NewBox(document.structure, defaultWidth, defaultHeight));
        return;
    }
    double v[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < 4; ++i) {
        TPDFNumeric* number = AsNumeric(document.Resolve(box->Item(i)));
        if (!number)
            return; // malformed box: keep the default size
        v[i] = number->value;
    }
    width = std::fabs(v[2] - v[0]);
    height = std::fabs(v[3] - v[1]);
}

double TPDFPageTree::Width() {
    if (!sizeKnown)
        MeasureSelectedPage();
    return width;
}

double TPDFPageTree::Height() {
    if (!sizeKnown)
        MeasureSelectedPage();
    return height;
}

void TPDFPageTree::SetSize(double newWidth, double newHeight) {
    TPDFDictionary* page = SelectedPage();
    if (!page)
        return;
    page->Set("MediaBox", NewBox(document.structure, newWidth, newHeight));
    page->Set("CropBox", NewBox(document.structure, newWidth, newHeight));
    width = newWidth;
    height = newHeight;
    sizeKnown = true;
}

void TPDFPageTree::StoreContent() {
    if (contentStreams.empty())
        return;
    TPDFStream* last = contentStreams.back();
    // Our streams are stored uncompressed.
    last->dictionary->Remove("Filter");
    last->dictionary->Remove("DecodeParms");
    last->SetData(painter.Content());
}
