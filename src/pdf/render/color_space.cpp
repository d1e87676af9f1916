#include "pdf/render/color_space.h"

#include <algorithm>
#include <cmath>

#include "pdf/model/document.h"
#include "pdf/reader/filter_chain.h"

namespace {

// Colour spaces naming colour spaces (through resources and arrays) deeper than this are broken.
constexpr int kMaxSpaceDepth = 4;
// An indexed table has at most 256 entries of 4 bytes; a longer decoded stream is no table.
constexpr std::size_t kMaxLookupBytes = 4096;

double Unit(double v) {
    return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0;
}

RenderColor DeviceColor(ColorSpace::Kind kind, const double* v) {
    switch (kind) {
    case ColorSpace::Kind::Rgb:
        return RenderColor::Rgb(Unit(v[0]), Unit(v[1]), Unit(v[2]));
    case ColorSpace::Kind::Cmyk: {
        const double k = 1 - Unit(v[3]);
        return RenderColor::Rgb((1 - Unit(v[0])) * k, (1 - Unit(v[1])) * k, (1 - Unit(v[2])) * k);
    }
    case ColorSpace::Kind::Lab:
        return RenderColor::Gray(Unit(v[0] / 100));
    default:
        return RenderColor::Gray(Unit(v[0]));
    }
}

bool DeviceSpaceOfName(std::string_view name, ColorSpace& space) {
    using Kind = ColorSpace::Kind;
    if (name == "DeviceGray" || name == "G" || name == "CalGray") {
        space.kind = Kind::Gray;
        space.components = 1;
    } else if (name == "DeviceRGB" || name == "RGB" || name == "CalRGB") {
        space.kind = Kind::Rgb;
        space.components = 3;
    } else if (name == "DeviceCMYK" || name == "CMYK") {
        space.kind = Kind::Cmyk;
        space.components = 4;
    } else if (name == "Pattern") {
        space.kind = Kind::Pattern;
        space.components = 0;
    } else {
        return false;
    }
    return true;
}

int IntegerOf(TPDFDocument& document, TPDFObject* value, int fallback) {
    TPDFNumeric* number = AsNumeric(document.Resolve(value));
    if (!number || !std::isfinite(number->value) || std::fabs(number->value) > 1e6)
        return fallback;
    return static_cast<int>(number->value);
}

bool Resolve(TPDFDocument& document, TPDFObject* value, TPDFDictionary* resources, ColorSpace& space,
             int depth);

bool ResolveName(TPDFDocument& document, std::string_view name, TPDFDictionary* resources, ColorSpace& space,
                 int depth) {
    if (DeviceSpaceOfName(name, space))
        return true;
    if (!resources || depth >= kMaxSpaceDepth)
        return false;
    return Resolve(document, resources->Get(name), resources, space, depth + 1);
}

bool ResolveArray(TPDFDocument& document, TPDFArray& array, TPDFDictionary* resources, ColorSpace& space,
                  int depth) {
    using Kind = ColorSpace::Kind;
    TPDFName* family = AsName(document.Resolve(array.Item(0)));
    if (!family)
        return false;
    const std::string_view name = family->bytes;
    if (name == "ICCBased") {
        TPDFStream* profile = AsStream(document.Resolve(array.Item(1)));
        if (!profile)
            return false;
        switch (IntegerOf(document, profile->dictionary->Get("N"), 0)) {
        case 1:
            return DeviceSpaceOfName("DeviceGray", space);
        case 3:
            return DeviceSpaceOfName("DeviceRGB", space);
        case 4:
            return DeviceSpaceOfName("DeviceCMYK", space);
        default:
            return Resolve(document, profile->dictionary->Get("Alternate"), resources, space, depth + 1);
        }
    }
    if (name == "Lab") {
        space.kind = Kind::Lab;
        space.components = 3;
        return true;
    }
    if (name == "Indexed" || name == "I") {
        ColorSpace base;
        if (!Resolve(document, array.Item(1), resources, base, depth + 1) || base.kind == Kind::Indexed ||
            base.kind == Kind::Pattern || base.kind == Kind::Separation || base.kind == Kind::DeviceN)
            return false;
        space.kind = Kind::Indexed;
        space.components = 1;
        space.baseKind = base.kind;
        space.baseComponents = base.components;
        space.highValue = std::clamp(IntegerOf(document, array.Item(2), 0), 0, 255);
        TPDFObject* table = document.Resolve(array.Item(3));
        if (TPDFString* text = AsString(table))
            space.lookup = text->bytes;
        else if (TPDFStream* stream = AsStream(table);
                 !stream || !DecodeStreamFilters(
                                *stream->dictionary, stream->data, space.lookup,
                                [&document](TPDFObject* v) { return document.Resolve(v); }, kMaxLookupBytes))
            space.lookup.clear();
        space.lookup.resize(static_cast<std::size_t>(space.highValue + 1) * space.baseComponents, '\0');
        return true;
    }
    if (name == "Separation") {
        space.kind = Kind::Separation;
        space.components = 1;
        TPDFName* colorant = AsName(document.Resolve(array.Item(1)));
        space.paintsNothing = colorant && colorant->bytes == "None";
        return true;
    }
    if (name == "DeviceN") {
        TPDFArray* colorants = document.ResolveArray(array.Item(1));
        if (!colorants || colorants->Count() == 0 || colorants->Count() > kMaxColorComponents)
            return false;
        space.kind = Kind::DeviceN;
        space.components = static_cast<int>(colorants->Count());
        return true;
    }
    if (name == "Pattern")
        return DeviceSpaceOfName("Pattern", space);
    // [/DeviceRGB], [/CalRGB dictionary], ...
    return DeviceSpaceOfName(name, space);
}

bool Resolve(TPDFDocument& document, TPDFObject* value, TPDFDictionary* resources, ColorSpace& space,
             int depth) {
    if (depth > kMaxSpaceDepth)
        return false;
    value = document.Resolve(value);
    if (TPDFName* name = AsName(value))
        return ResolveName(document, name->bytes, resources, space, depth);
    if (TPDFArray* array = AsArray(value))
        return ResolveArray(document, *array, resources, space, depth);
    return false;
}

} // namespace

RenderColor ColorSpace::ToColor(const double* values) const {
    switch (kind) {
    case Kind::Indexed: {
        const double index =
            std::isfinite(values[0]) ? std::clamp(std::round(values[0]), 0.0, double(highValue)) : 0;
        const std::size_t at = static_cast<std::size_t>(index) * static_cast<std::size_t>(baseComponents);
        double base[4] = {0, 0, 0, 0};
        for (int c = 0; c < baseComponents && c < 4; ++c)
            base[c] = static_cast<unsigned char>(lookup[at + static_cast<std::size_t>(c)]) / 255.0;
        if (baseKind == Kind::Lab)
            base[0] *= 100;
        return DeviceColor(baseKind, base);
    }
    case Kind::Separation:
    case Kind::DeviceN: {
        double tint = 0;
        for (int c = 0; c < components; ++c)
            tint = std::max(tint, Unit(values[c]));
        return RenderColor::Gray(1 - tint);
    }
    case Kind::Pattern:
        return RenderColor::Gray(0);
    default:
        return DeviceColor(kind, values);
    }
}

void ColorSpace::InitialValues(double* values) const {
    for (int c = 0; c < kMaxColorComponents; ++c)
        values[c] = 0;
    if (kind == Kind::Cmyk)
        values[3] = 1;
    if (kind == Kind::Separation || kind == Kind::DeviceN)
        for (int c = 0; c < components; ++c)
            values[c] = 1;
}

bool ColorSpace::IsGrayOutput() const {
    const Kind k = kind == Kind::Indexed ? baseKind : kind;
    return k == Kind::Gray || k == Kind::Lab || k == Kind::Separation || k == Kind::DeviceN;
}

bool ResolveColorSpace(TPDFDocument& document, TPDFObject* value, TPDFDictionary* resourceSpaces,
                       ColorSpace& space) {
    space = ColorSpace();
    return Resolve(document, value, resourceSpaces, space, 0);
}

bool ResolveColorSpaceName(TPDFDocument& document, std::string_view name, TPDFDictionary* resourceSpaces,
                           ColorSpace& space) {
    space = ColorSpace();
    return ResolveName(document, name, resourceSpaces, space, 0);
}
