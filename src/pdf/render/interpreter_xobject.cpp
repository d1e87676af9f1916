#include "pdf/render/content_interpreter.h"

#include <cmath>

#include "pdf/model/document.h"
#include "pdf/render/image_xobject.h"

// Image and form XObjects, and inline images.

namespace {

// Decoded images kept for the page at most; others are read again when drawn again.
constexpr std::size_t kMaxCachedBytes = 256u << 20;

// Inline image keys and names in their short forms, with the full names they stand for.
constexpr std::pair<std::string_view, std::string_view> kInlineKeys[] = {
    {"W", "Width"},       {"H", "Height"},     {"BPC", "BitsPerComponent"},
    {"CS", "ColorSpace"}, {"D", "Decode"},     {"DP", "DecodeParms"},
    {"F", "Filter"},      {"IM", "ImageMask"}, {"I", "Interpolate"},
};
constexpr std::pair<std::string_view, std::string_view> kInlineNames[] = {
    {"G", "DeviceGray"},       {"RGB", "DeviceRGB"},      {"CMYK", "DeviceCMYK"}, {"I", "Indexed"},
    {"AHx", "ASCIIHexDecode"}, {"A85", "ASCII85Decode"},  {"LZW", "LZWDecode"},   {"Fl", "FlateDecode"},
    {"RL", "RunLengthDecode"}, {"CCF", "CCITTFaxDecode"}, {"DCT", "DCTDecode"},
};

std::string_view LongForm(std::string_view text, const std::pair<std::string_view, std::string_view>* table,
                          std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        if (table[i].first == text)
            return table[i].second;
    return text;
}

// An operand of an inline image dictionary as a PDF value of `structure`.
TPDFObject* ToValue(TPDFStructure& structure, const ContentOperand& operand) {
    switch (operand.kind) {
    case ContentOperand::Kind::Number:
        return structure.NewNumeric(operand.number);
    case ContentOperand::Kind::Boolean:
        return structure.NewBoolean(operand.number != 0);
    case ContentOperand::Kind::Name:
        return structure.NewName(std::string(LongForm(operand.text, kInlineNames, std::size(kInlineNames))));
    case ContentOperand::Kind::String:
        return structure.NewString(operand.text);
    case ContentOperand::Kind::Array: {
        TPDFArray* array = structure.NewArray();
        for (const ContentOperand& item : operand.items)
            array->Add(ToValue(structure, item));
        return array;
    }
    case ContentOperand::Kind::Dictionary: {
        TPDFDictionary* dictionary = structure.NewDictionary();
        for (std::size_t i = 0; i + 1 < operand.items.size(); i += 2)
            dictionary->Set(operand.items[i].text, ToValue(structure, operand.items[i + 1]));
        return dictionary;
    }
    default:
        return structure.NewNull();
    }
}

} // namespace

void ContentInterpreter::DrawXObject(const Operands& operands) {
    if (operands.empty() || operands.back().kind != ContentOperand::Kind::Name)
        return;
    TPDFStream* stream = AsStream(Resource("XObject", operands.back().text));
    if (!stream)
        return;
    TPDFName* subtype = AsName(document.Resolve(stream->dictionary->Get("Subtype")));
    if (!subtype)
        return;
    if (subtype->bytes == "Image") {
        if (std::shared_ptr<const RenderImage> image = ImageOf(*stream))
            PaintImage(*image);
    } else if (subtype->bytes == "Form") {
        DrawForm(*stream);
    }
}

std::shared_ptr<const RenderImage> ContentInterpreter::ImageOf(const TPDFStream& stream) {
    if (auto it = images.find(&stream); it != images.end())
        return it->second;
    if (stopped || bytesDecoded >= limits.maxDecodedBytes)
        return nullptr;
    auto image = std::make_shared<RenderImage>();
    ImageReadLimits bounds;
    bounds.maxPixels = limits.maxImagePixels;
    bounds.maxDecodedBytes = limits.maxDecodedBytes - bytesDecoded;
    std::size_t decoded = 0;
    const bool read =
        ReadImageXObject(document, stream, ResourceCategory("ColorSpace"), bounds, decoded, *image);
    bytesDecoded += std::min(decoded, limits.maxDecodedBytes - bytesDecoded);
    if (!read) {
        partial = true;
        image.reset();
    }
    if (!image || bytesCached + image->samples.size() <= kMaxCachedBytes) {
        images[&stream] = image;
        if (image)
            bytesCached += image->samples.size();
    }
    return image;
}

void ContentInterpreter::PaintImage(const RenderImage& image) {
    const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (!Spend(imagePixelsDrawn, pixels, limits.maxImagePixelsDrawn) || DegenerateMatrix(state.ctm))
        return;
    if (image.format == RenderImage::Format::Mask1 && !state.fill.drawable)
        return;
    sink.DrawImage(image, state.ctm, state.fill.color);
}

void ContentInterpreter::DrawInlineImage(const Operands& operands, std::string_view data) {
    if (operands.empty() || operands.back().kind != ContentOperand::Kind::Dictionary)
        return;
    // The inline dictionary, in full names, as the dictionary of a stream of its own.
    TPDFStructure structure;
    TPDFDictionary* dictionary = structure.NewDictionary();
    const ContentOperand& entries = operands.back();
    for (std::size_t i = 0; i + 1 < entries.items.size(); i += 2)
        dictionary->Set(LongForm(entries.items[i].text, kInlineKeys, std::size(kInlineKeys)),
                        ToValue(structure, entries.items[i + 1]));
    TPDFStream* stream = structure.NewStream(*dictionary);
    stream->data.assign(data);
    if (stopped || bytesDecoded >= limits.maxDecodedBytes)
        return;
    ImageReadLimits bounds;
    bounds.maxPixels = limits.maxImagePixels;
    bounds.maxDecodedBytes = limits.maxDecodedBytes - bytesDecoded;
    std::size_t decoded = 0;
    RenderImage image;
    const bool read =
        ReadImageXObject(document, *stream, ResourceCategory("ColorSpace"), bounds, decoded, image);
    bytesDecoded += std::min(decoded, limits.maxDecodedBytes - bytesDecoded);
    if (read)
        PaintImage(image);
    else
        partial = true;
}

void ContentInterpreter::DrawForm(const TPDFStream& form) {
    if (formDepth >= limits.maxFormDepth || activeForms.contains(&form)) {
        partial = true;
        return;
    }
    std::shared_ptr<const std::string> content;
    if (auto it = formContents.find(&form); it != formContents.end()) {
        content = it->second;
    } else {
        auto decoded = std::make_shared<std::string>();
        if (!DecodeContent(form, *decoded)) {
            partial = true;
            decoded.reset();
        }
        formContents[&form] = decoded;
        content = decoded;
    }
    if (!content || !PushState())
        return;

    const TPDFDictionary& dictionary = *form.dictionary;
    if (TPDFArray* matrix = document.ResolveArray(dictionary.Get("Matrix")); matrix && matrix->Count() == 6) {
        double v[6];
        bool numbers = true;
        for (std::size_t i = 0; i < 6; ++i) {
            TPDFNumeric* number = AsNumeric(document.Resolve(matrix->Item(i)));
            numbers = numbers && number && std::isfinite(number->value);
            v[i] = numbers ? number->value : 0;
        }
        if (numbers)
            state.ctm = RenderMatrix{v[0], v[1], v[2], v[3], v[4], v[5]}.Then(state.ctm);
    }
    if (TPDFArray* box = document.ResolveArray(dictionary.Get("BBox")); box && box->Count() == 4) {
        double v[4];
        bool numbers = true;
        for (std::size_t i = 0; i < 4; ++i) {
            TPDFNumeric* number = AsNumeric(document.Resolve(box->Item(i)));
            numbers = numbers && number && std::isfinite(number->value);
            v[i] = numbers ? number->value : 0;
        }
        if (numbers && !DegenerateMatrix(state.ctm)) {
            RenderPath clip;
            clip.Rectangle(std::min(v[0], v[2]), std::min(v[1], v[3]), std::fabs(v[2] - v[0]),
                           std::fabs(v[3] - v[1]));
            sink.ClipPath(clip, state.ctm, RenderFillRule::NonZero);
        }
    }
    TPDFDictionary* formResources = document.ResolveDictionary(dictionary.Get("Resources"));
    const RenderMatrix outerText = textMatrix;
    const RenderMatrix outerLine = lineMatrix;
    activeForms.insert(&form);
    ++formDepth;
    Run(*content, formResources ? formResources : resources);
    --formDepth;
    activeForms.erase(&form);
    textMatrix = outerText;
    lineMatrix = outerLine;
    PopState();
}
