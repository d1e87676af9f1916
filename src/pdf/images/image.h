#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "pdf/images/jpeg_marker_scan.h"
#include "pdf/model/object.h"

class TPDFDocument;

// One image resource of a document: an image XObject stream registered as an indirect object.
class TPDFImage {
public:
    static constexpr int JpegKind = 1;   // JPEG file taken over unchanged
    static constexpr int BitmapKind = 2; // Windows bitmap converted to samples

    std::string resourceName; // "RuvoIm" + resource-name suffix
    int kind = BitmapKind;
    std::uint32_t width = 0; // pixels
    std::uint32_t height = 0;
    double xResolution = 0; // as read from the file; 0 when it gives none
    double yResolution = 0;
    ImageResolutionUnit resolutionUnit = ImageResolutionUnit::None;
    int compress = 0;             // the document's compress-images flag when the image was made
    TPDFStream* stream = nullptr; // the image XObject
    TPDFIndRef reference;         // the indirect object that holds the stream
};

// Builds an image resource from the bytes of an image file (Windows bitmap or JPEG, recognised from the
// first bytes) and registers its stream in the document. nullptr, with nothing registered, when the format
// is not recognised or not read, or when the file cannot be decoded. The caller adds the image to the
// document's list.
std::unique_ptr<TPDFImage> CreateImage(TPDFDocument& document, std::string_view data);
