#pragma once

#include <cstddef>

#include "pdf/render/render_image.h"

class TPDFDocument;
class TPDFDictionary;
class TPDFStream;

// Bounds for reading one image.
struct ImageReadLimits {
    std::size_t maxPixels = 0;       // pixels of the image
    std::size_t maxDecodedBytes = 0; // bytes its filters may produce
};

// Reads an image XObject into sink samples: /Width, /Height, /BitsPerComponent, /ColorSpace (a named
// space is looked up in `resourceSpaces`), /Decode and /ImageMask, the data through the stream's
// filters, JPEG (DCTDecode) data through the platform's decoder. `decodedBytes` receives the number of
// bytes decoding produced. False for images it cannot read (unknown filters, JPEG 2000, JBIG2, fax,
// broken data, bounds exceeded).
bool ReadImageXObject(TPDFDocument& document, const TPDFStream& stream, TPDFDictionary* resourceSpaces,
                      const ImageReadLimits& limits, std::size_t& decodedBytes, RenderImage& out);
