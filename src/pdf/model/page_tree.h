#pragma once

#include <unordered_set>
#include <vector>

#include "pdf/model/object.h"
#include "pdf/model/painter.h"

class TPDFDocument;

// The pages of a document in order, the selected page with its content streams and size, and the content
// builder of that page.
class TPDFPageTree {
public:
    explicit TPDFPageTree(TPDFDocument& owner) : document(owner) {}
    TPDFPageTree(const TPDFPageTree&) = delete;
    TPDFPageTree& operator=(const TPDFPageTree&) = delete;

    // Collects the pages from the catalog's /Pages node and selects page 1. False when there is no
    // page tree or no page.
    bool Build();

    int PageCount() const { return static_cast<int>(pages.size()); }
    int SelectedPageNumber() const { return selected; }
    // Page dictionary of a 1-based page number, or nullptr.
    TPDFDictionary* Page(int number) const;
    TPDFDictionary* SelectedPage() const { return Page(selected); }
    TPDFIndRef SelectedPageReference() const;

    // Selects a page: makes sure its /Contents ends in one of our own streams with room left, resets
    // the builder and loads it with that stream's data. A number outside 1..PageCount() does nothing
    // and gives false.
    bool SelectPage(int number);
    // Appends a page of the selected page's size at the end of the root node's /Kids and selects it.
    // Returns the new page number.
    int AddPage();

    // Size of the selected page in points (cached after the first query).
    double Width();
    double Height();
    // Replaces /MediaBox and /CropBox of the selected page by [ 0 0 width height ].
    void SetSize(double width, double height);

    TPDFPainter& Painter() { return painter; }
    // Stores the builder's text into the last content stream of the selected page.
    void StoreContent();

    // Size given to a page that has no /MediaBox anywhere in its parent chain.
    double defaultWidth = 612;
    double defaultHeight = 792;

    TPDFDictionary* rootNode = nullptr;
    TPDFIndRef rootReference;
    std::vector<TPDFDictionary*> pages;
    std::vector<TPDFIndRef> pageReferences;
    std::vector<TPDFStream*> contentStreams; // of the selected page, in /Contents order

private:
    void CollectKids(TPDFDictionary& node, int depth);
    void MeasureSelectedPage();
    TPDFArray* MediaBoxOf(TPDFDictionary& page);

    TPDFDocument& document;
    TPDFPainter painter;
    std::unordered_set<const TPDFDictionary*> visitedNodes; // while building: stops cycles
    int selected = 0;
    bool sizeKnown = false;
    double width = 0;
    double height = 0;
};
