#include "pdf/model/structure.h"

TPDFStream* TPDFStructure::NewStream() {
    return NewStream(*NewDictionary());
}

TPDFStream* TPDFStructure::NewStream(TPDFDictionary& dictionary) {
    return Adopt(std::make_unique<TPDFStream>(*this, dictionary));
}

void TPDFStructure::SetPrecision(int places) {
    if (places >= 2 && places <= 8)
        precision = places;
}
