#pragma once

#include <string>
#include <string_view>

#include "pdf/render/render_paint.h"

class TPDFDocument;
class TPDFDictionary;
class TPDFObject;

// A colour space as the renderer draws it. Spaces it cannot reproduce exactly are drawn approximately:
// CIE-based spaces as the device space of as many components, Lab by its lightness, Separation and
// DeviceN as grey by the largest tint. Pattern spaces cannot be drawn (painting with them is skipped).
struct ColorSpace {
    enum class Kind { Gray, Rgb, Cmyk, Lab, Indexed, Separation, DeviceN, Pattern };

    Kind kind = Kind::Gray;
    int components = 1;
    // Indexed: the base space, the highest index and the table (components of the base per entry).
    Kind baseKind = Kind::Gray;
    int baseComponents = 1;
    int highValue = 0;
    std::string lookup;
    // A Separation named /None paints nothing.
    bool paintsNothing = false;

    bool Drawable() const { return kind != Kind::Pattern && !paintsNothing; }
    // The colour of `components` values of this space (values out of range are clamped).
    RenderColor ToColor(const double* values) const;
    // The initial colour of the space: black for the device spaces, index 0, full tint.
    void InitialValues(double* values) const;
    // Whether images in this space come out grey (one channel) rather than RGB.
    bool IsGrayOutput() const;
};

// Largest number of components of a colour (DeviceN may have more; its extra tints are ignored).
inline constexpr int kMaxColorComponents = 32;

// The colour space a value names: a device name ("DeviceRGB", or the short "RGB" of inline images), a
// name of the resources' /ColorSpace dictionary, or an array ([/ICCBased stream], [/Indexed base hival
// table], ...). False when it names nothing usable.
bool ResolveColorSpace(TPDFDocument& document, TPDFObject* value, TPDFDictionary* resourceSpaces,
                       ColorSpace& space);
bool ResolveColorSpaceName(TPDFDocument& document, std::string_view name, TPDFDictionary* resourceSpaces,
                           ColorSpace& space);
