#include "pdf/render/content_interpreter.h"

// Path construction and painting.

bool ContentInterpreter::RoomForPoints(std::size_t points) const {
    // One path may hold at most all the points the page may paint.
    return path.PointCount() + points <= limits.maxPathPoints;
}

void ContentInterpreter::MoveTo(const Operands& operands) {
    double v[2];
    if (Numbers(operands, 2, v) && RoomForPoints(1))
        path.MoveTo(v[0], v[1]);
}

void ContentInterpreter::LineTo(const Operands& operands) {
    double v[2];
    if (Numbers(operands, 2, v) && RoomForPoints(2))
        path.LineTo(v[0], v[1]);
}

void ContentInterpreter::CurveTo(const Operands& operands) {
    double v[6];
    if (Numbers(operands, 6, v) && RoomForPoints(4))
        path.CurveTo(v[0], v[1], v[2], v[3], v[4], v[5]);
}

void ContentInterpreter::CurveToV(const Operands& operands) {
    double v[4];
    if (Numbers(operands, 4, v) && RoomForPoints(4) && path.HasCurrentPoint()) {
        const RenderPoint current = path.CurrentPoint();
        path.CurveTo(current.x, current.y, v[0], v[1], v[2], v[3]);
    }
}

void ContentInterpreter::CurveToY(const Operands& operands) {
    double v[4];
    if (Numbers(operands, 4, v) && RoomForPoints(4))
        path.CurveTo(v[0], v[1], v[2], v[3], v[2], v[3]);
}

void ContentInterpreter::ClosePath(const Operands&) {
    path.Close();
}

void ContentInterpreter::Rectangle(const Operands& operands) {
    double v[4];
    if (Numbers(operands, 4, v) && RoomForPoints(5))
        path.Rectangle(v[0], v[1], v[2], v[3]);
}

void ContentInterpreter::PaintPath(bool fill, RenderFillRule rule, bool stroke) {
    if (!path.Empty() && Spend(pointsPainted, path.PointCount(), limits.maxPathPoints) &&
        !DegenerateMatrix(state.ctm)) {
        if (fill && state.fill.drawable)
            sink.FillPath(path, state.ctm, rule, state.fill.color);
        if (stroke && state.stroke.drawable)
            sink.StrokePath(path, state.ctm, state.line, state.stroke.color);
        if (pendingClip)
            sink.ClipPath(path, state.ctm, *pendingClip);
    }
    pendingClip.reset();
    path.Clear();
}

void ContentInterpreter::Stroke(const Operands&) {
    PaintPath(false, RenderFillRule::NonZero, true);
}

void ContentInterpreter::CloseStroke(const Operands&) {
    path.Close();
    PaintPath(false, RenderFillRule::NonZero, true);
}

void ContentInterpreter::Fill(const Operands&) {
    PaintPath(true, RenderFillRule::NonZero, false);
}

void ContentInterpreter::FillEvenOdd(const Operands&) {
    PaintPath(true, RenderFillRule::EvenOdd, false);
}

void ContentInterpreter::FillStroke(const Operands&) {
    PaintPath(true, RenderFillRule::NonZero, true);
}

void ContentInterpreter::FillStrokeEvenOdd(const Operands&) {
    PaintPath(true, RenderFillRule::EvenOdd, true);
}

void ContentInterpreter::CloseFillStroke(const Operands&) {
    path.Close();
    PaintPath(true, RenderFillRule::NonZero, true);
}

void ContentInterpreter::CloseFillStrokeEvenOdd(const Operands&) {
    path.Close();
    PaintPath(true, RenderFillRule::EvenOdd, true);
}

void ContentInterpreter::EndPath(const Operands&) {
    PaintPath(false, RenderFillRule::NonZero, false);
}

void ContentInterpreter::Clip(const Operands&) {
    pendingClip = RenderFillRule::NonZero;
}

void ContentInterpreter::ClipEvenOdd(const Operands&) {
    pendingClip = RenderFillRule::EvenOdd;
}
