#pragma once

#include <array>

#include "pdf/render/color_space.h"
#include "pdf/render/render_font.h"
#include "pdf/render/render_matrix.h"
#include "pdf/render/render_paint.h"

// The colour used for filling or for stroking: its space, the values last set and the resulting colour.
struct PaintState {
    ColorSpace space;
    std::array<double, kMaxColorComponents> values{};
    RenderColor color = RenderColor::Gray(0);
    bool drawable = true; // false for patterns and the /None separation

    void SetSpace(const ColorSpace& newSpace) {
        space = newSpace;
        space.InitialValues(values.data());
        Update();
    }
    void Update() {
        color = space.ToColor(values.data());
        drawable = space.Drawable();
    }
};

// Text parameters that the graphics state carries (the text matrices are not part of it).
struct TextState {
    double charSpacing = 0;
    double wordSpacing = 0;
    double horizontalScaling = 1; // Tz / 100
    double leading = 0;
    double fontSize = 0;
    double rise = 0;
    int renderMode = 0;
    const RenderFont* font = nullptr;
};

struct GraphicsState {
    RenderMatrix ctm;
    PaintState fill;
    PaintState stroke;
    StrokeStyle line;
    TextState text;
};
