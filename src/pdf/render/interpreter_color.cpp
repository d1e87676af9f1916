#include "pdf/render/content_interpreter.h"

#include "pdf/model/document.h"

// Colour operators.

void ContentInterpreter::SetDeviceColor(PaintState& paint, const Operands& operands, int components) {
    double values[4];
    if (!Numbers(operands, static_cast<std::size_t>(components), values))
        return;
    ColorSpace space;
    space.kind = components == 1 ? ColorSpace::Kind::Gray
                                 : (components == 3 ? ColorSpace::Kind::Rgb : ColorSpace::Kind::Cmyk);
    space.components = components;
    paint.space = space;
    paint.values.fill(0);
    for (int c = 0; c < components; ++c)
        paint.values[static_cast<std::size_t>(c)] = values[c];
    paint.Update();
}

void ContentInterpreter::SetFillGray(const Operands& operands) {
    SetDeviceColor(state.fill, operands, 1);
}

void ContentInterpreter::SetStrokeGray(const Operands& operands) {
    SetDeviceColor(state.stroke, operands, 1);
}

void ContentInterpreter::SetFillRgb(const Operands& operands) {
    SetDeviceColor(state.fill, operands, 3);
}

void ContentInterpreter::SetStrokeRgb(const Operands& operands) {
    SetDeviceColor(state.stroke, operands, 3);
}

void ContentInterpreter::SetFillCmyk(const Operands& operands) {
    SetDeviceColor(state.fill, operands, 4);
}

void ContentInterpreter::SetStrokeCmyk(const Operands& operands) {
    SetDeviceColor(state.stroke, operands, 4);
}

void ContentInterpreter::SetSpace(PaintState& paint, const Operands& operands) {
    if (operands.empty() || operands.back().kind != ContentOperand::Kind::Name)
        return;
    ColorSpace space;
    if (ResolveColorSpaceName(document, operands.back().text, ResourceCategory("ColorSpace"), space)) {
        paint.SetSpace(space);
    } else {
        // A space that cannot be read: its colours are guessed from their number of values (sc).
        space = ColorSpace();
        space.components = 0;
        paint.space = space;
        paint.values.fill(0);
        paint.color = RenderColor::Gray(0);
        paint.drawable = true;
    }
}

void ContentInterpreter::SetFillSpace(const Operands& operands) {
    SetSpace(state.fill, operands);
}

void ContentInterpreter::SetStrokeSpace(const Operands& operands) {
    SetSpace(state.stroke, operands);
}

void ContentInterpreter::SetColor(PaintState& paint, const Operands& operands) {
    if (paint.space.kind == ColorSpace::Kind::Pattern ||
        (!operands.empty() && operands.back().kind == ContentOperand::Kind::Name)) {
        // A pattern: not drawn.
        paint.drawable = false;
        return;
    }
    if (paint.space.components == 0) {
        const std::size_t count = operands.size();
        if (count == 1 || count == 3 || count == 4)
            SetDeviceColor(paint, operands, static_cast<int>(count));
        // The guess holds only for this colour; the space stays unknown.
        paint.space.kind = ColorSpace::Kind::Gray;
        paint.space.components = 0;
        return;
    }
    const auto components = static_cast<std::size_t>(paint.space.components);
    double values[kMaxColorComponents];
    if (!Numbers(operands, components, values))
        return;
    for (std::size_t c = 0; c < components; ++c)
        paint.values[c] = values[c];
    paint.Update();
}

void ContentInterpreter::SetFillColor(const Operands& operands) {
    SetColor(state.fill, operands);
}

void ContentInterpreter::SetStrokeColor(const Operands& operands) {
    SetColor(state.stroke, operands);
}
