#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How the inside of a path is told: the non-zero winding rule or the even-odd rule.
enum class RenderFillRule { NonZero, EvenOdd };

enum class PathVerb : std::uint8_t {
    MoveTo,  // one point
    LineTo,  // one point
    CurveTo, // three points: two control points and the end point of a cubic Bezier curve
    Close,   // no point: a line back to the start of the sub-path
};

struct RenderPoint {
    double x = 0;
    double y = 0;
};

// A path in user space, built as the path operators of a content stream describe it. Segments that need
// a current point are dropped when there is none, so every path starts with MoveTo.
class RenderPath {
public:
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void Close();
    // A closed rectangle: its corner (x, y), then along the width, then the height.
    void Rectangle(double x, double y, double width, double height);
    void Clear();

    bool Empty() const { return verbs.empty(); }
    bool HasCurrentPoint() const { return hasCurrentPoint; }
    RenderPoint CurrentPoint() const { return current; }
    std::size_t PointCount() const { return points.size(); }

    const std::vector<PathVerb>& Verbs() const { return verbs; }
    const std::vector<RenderPoint>& Points() const { return points; }

private:
    void ContinueAfterClose();

    std::vector<PathVerb> verbs;
    std::vector<RenderPoint> points;
    RenderPoint current;
    RenderPoint subPathStart;
    bool hasCurrentPoint = false;
};
