#pragma once

class TPDFDocument;
class TPDFDictionary;
class TPDFObject;

// The visible area of a page in default user space (points), normalised so that x1 <= x2, y1 <= y2.
struct PageBox {
    double x1 = 0, y1 = 0, x2 = 612, y2 = 792;

    double Width() const { return x2 - x1; }
    double Height() const { return y2 - y1; }
};

// The page's /CropBox, else its /MediaBox, each looked up through the page's parents; a box that is
// missing, malformed or without area counts as absent. Without either, a US Letter page.
PageBox ReadPageBox(TPDFDocument& document, TPDFDictionary& page);

// The page's /Rotate through its parents, as 0, 90, 180 or 270 (clockwise); 0 when it is no multiple of 90.
int ReadPageRotation(TPDFDocument& document, TPDFDictionary& page);

// An inherited page attribute: the value on the page or its nearest parent that has it; nullptr if none.
TPDFObject* InheritedPageAttribute(TPDFDocument& document, TPDFDictionary& page, const char* key);
