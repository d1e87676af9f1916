#include "pdf/images/image.h"

#include "pdf/images/bmp_decoder.h"
#include "pdf/images/image_format.h"
#include "pdf/model/document.h"
#include "platform/sample_compressor.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

TPDFArray* NumberArray(TPDFStructure& structure, std::initializer_list<double> values) {
    TPDFArray* array = structure.NewArray();
    for (double v : values)
        array->Add(structure.NewNumeric(v));
    return array;
}

// The entries every image XObject starts with, /Length first so that it stays in front.
TPDFDictionary* NewImageDictionary(TPDFStructure& structure, std::uint32_t width, std::uint32_t height,
                                   const char* colourSpace) {
    TPDFDictionary* dictionary = structure.NewDictionary();
    dictionary->Set("Length", structure.NewNumeric(0));
    dictionary->Set("Type", structure.NewName("XObject"));
    dictionary->Set("Subtype", structure.NewName("Image"));
    dictionary->Set("Width", structure.NewNumeric(width));
    dictionary->Set("Height", structure.NewNumeric(height));
    dictionary->Set("ColorSpace", structure.NewName(colourSpace));
    return dictionary;
}

// JPEG: the file itself is the stream data, with the DCT filter; the compress flag does not apply.
std::unique_ptr<TPDFImage> MakeJpegImage(TPDFDocument& document, std::string_view data) {
    JpegInfo info;
    if (!ScanJpegMarkers(data, info))
        return nullptr;
    TPDFStructure& structure = document.structure;
    const char* colourSpace = info.components == 1   ? "DeviceGray"
                              : info.components == 4 ? "DeviceCMYK"
                                                     : "DeviceRGB";
    TPDFDictionary* dictionary = NewImageDictionary(structure, info.width, info.height, colourSpace);
    if (info.components == 4)
        dictionary->Set("Decode", NumberArray(structure, {1, 0, 1, 0, 1, 0, 1, 0}));
    dictionary->Set("BitsPerComponent", structure.NewNumeric(8));
    dictionary->Set("Filter", structure.NewName("DCTDecode"));
    auto image = std::make_unique<TPDFImage>();
    image->kind = TPDFImage::JpegKind;
    image->width = info.width;
    image->height = info.height;
    image->xResolution = info.xResolution;
    image->yResolution = info.yResolution;
    image->resolutionUnit = info.resolutionUnit;
    image->stream = structure.NewStream(*dictionary);
    image->stream->SetData(std::string(data));
    return image;
}

// Windows bitmap: decoded samples, Flate-compressed when the document asks for it.
std::unique_ptr<TPDFImage> MakeBitmapImage(TPDFDocument& document, std::string_view data) {
    BmpImage bitmap;
    if (!DecodeBmp(data, bitmap, true))
        return nullptr;
    const bool compress = document.compressImages != 0;
    // One-bit rows stay in the file data; they are copied only into the stream data itself.
    const bool inPlace = !bitmap.rowsInPlace.empty();
    std::vector<std::string_view> pieces = std::move(bitmap.rowsInPlace);
    if (!inPlace)
        pieces.push_back(bitmap.samples);
    std::string streamData;
    if (compress) {
        if (!document.sampleCompressor.compress(pieces, streamData))
            return nullptr;
    } else if (inPlace) {
        streamData.reserve(pieces.size() * pieces.front().size());
        for (std::string_view row : pieces)
            streamData.append(row);
    } else {
        streamData = std::move(bitmap.samples);
    }
    TPDFStructure& structure = document.structure;
    const bool bilevel = bitmap.kind == BmpSampleKind::Bilevel;
    TPDFDictionary* dictionary =
        NewImageDictionary(structure, bitmap.width, bitmap.height,
                           bitmap.kind == BmpSampleKind::Rgb ? "DeviceRGB" : "DeviceGray");
    dictionary->Set("BitsPerComponent", structure.NewNumeric(bilevel ? 1 : 8));
    if (compress)
        dictionary->Set("Filter", structure.NewName("FlateDecode"));
    if (bilevel)
        dictionary->Set("Decode",
                        bitmap.zeroIsBlack ? NumberArray(structure, {0, 1}) : NumberArray(structure, {1, 0}));
    auto image = std::make_unique<TPDFImage>();
    image->kind = TPDFImage::BitmapKind;
    image->width = bitmap.width;
    image->height = bitmap.height;
    image->xResolution = bitmap.xPelsPerMeter;
    image->yResolution = bitmap.yPelsPerMeter;
    image->resolutionUnit = ImageResolutionUnit::PerMetre;
    image->stream = structure.NewStream(*dictionary);
    image->stream->SetData(std::move(streamData));
    return image;
}

} // namespace

std::unique_ptr<TPDFImage> CreateImage(TPDFDocument& document, std::string_view data) {
    std::unique_ptr<TPDFImage> image;
    switch (RecogniseImageFormat(data)) {
    case ImageFormat::Bitmap:
        image = MakeBitmapImage(document, data);
        break;
    case ImageFormat::Jpeg:
        image = MakeJpegImage(document, data);
        break;
    default:
        // Metafiles, TIFF, PNG and GIF are recognised but not read.
        return nullptr;
    }
    if (!image)
        return nullptr;
    image->compress = document.compressImages != 0 ? 1 : 0;
    image->resourceName = "RuvoIm" + document.ResourceNameSuffix();
    image->reference = document.Register(image->stream);
    return image;
}
