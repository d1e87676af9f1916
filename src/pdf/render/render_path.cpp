#include "pdf/render/render_path.h"

void RenderPath::MoveTo(double x, double y) {
    // A move right after a move replaces it: an empty sub-path draws nothing.
    if (!verbs.empty() && verbs.back() == PathVerb::MoveTo) {
        points.back() = {x, y};
    } else {
        verbs.push_back(PathVerb::MoveTo);
        points.push_back({x, y});
    }
    current = subPathStart = {x, y};
    hasCurrentPoint = true;
}

void RenderPath::ContinueAfterClose() {
    // A segment after a closed sub-path starts a new one at the point the close returned to.
    if (verbs.back() == PathVerb::Close) {
        verbs.push_back(PathVerb::MoveTo);
        points.push_back(current);
    }
}

void RenderPath::LineTo(double x, double y) {
    if (!hasCurrentPoint)
        return;
    ContinueAfterClose();
    verbs.push_back(PathVerb::LineTo);
    points.push_back({x, y});
    current = {x, y};
}

void RenderPath::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
    if (!hasCurrentPoint)
        return;
    ContinueAfterClose();
    verbs.push_back(PathVerb::CurveTo);
    points.push_back({x1, y1});
    points.push_back({x2, y2});
    points.push_back({x3, y3});
    current = {x3, y3};
}

void RenderPath::Close() {
    if (!hasCurrentPoint || verbs.back() == PathVerb::Close)
        return;
    verbs.push_back(PathVerb::Close);
    current = subPathStart;
}

void RenderPath::Rectangle(double x, double y, double width, double height) {
    MoveTo(x, y);
    LineTo(x + width, y);
    LineTo(x + width, y + height);
    LineTo(x, y + height);
    Close();
}

void RenderPath::Clear() {
    verbs.clear();
    points.clear();
    hasCurrentPoint = false;
}
