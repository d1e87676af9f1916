#pragma once

#include <vector>

// A colour as the sink receives it: grey or RGB, components from 0 (none) to 1 (full). Colours of other
// spaces (CMYK, indexed, ICC-based, ...) reach the sink converted to one of these two.
struct RenderColor {
    enum class Space { Gray, Rgb };
    Space space = Space::Gray;
    double red = 0, green = 0, blue = 0; // a grey colour has the same value in all three

    static RenderColor Gray(double level) { return {Space::Gray, level, level, level}; }
    static RenderColor Rgb(double r, double g, double b) { return {Space::Rgb, r, g, b}; }
    bool operator==(const RenderColor&) const = default;
};

enum class RenderLineCap { Butt, Round, ProjectingSquare };
enum class RenderLineJoin { Miter, Round, Bevel };

// How a path is stroked. Lengths are in user space (the matrix the path is drawn under applies).
struct StrokeStyle {
    double width = 1; // 0 means the thinnest line the device can draw
    RenderLineCap cap = RenderLineCap::Butt;
    RenderLineJoin join = RenderLineJoin::Miter;
    double miterLimit = 10;
    std::vector<double> dashes; // on, off, on, ... lengths; empty for a solid line
    double dashPhase = 0;
};
