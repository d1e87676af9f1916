#include "pdf/render/content_interpreter.h"

#include <cmath>

#include "pdf/model/document.h"

// Text objects, text state and text showing.

namespace {

// Text state values beyond this are taken as broken.
constexpr double kMaxTextValue = 1e6;

bool Usable(double value) {
    return std::isfinite(value) && std::fabs(value) <= kMaxTextValue;
}

} // namespace

void ContentInterpreter::BeginText(const Operands&) {
    textMatrix = lineMatrix = RenderMatrix();
}

void ContentInterpreter::EndText(const Operands&) {}

void ContentInterpreter::SetCharSpacing(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && Usable(v))
        state.text.charSpacing = v;
}

void ContentInterpreter::SetWordSpacing(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && Usable(v))
        state.text.wordSpacing = v;
}

void ContentInterpreter::SetHorizontalScaling(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && Usable(v))
        state.text.horizontalScaling = v / 100;
}

void ContentInterpreter::SetLeading(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && Usable(v))
        state.text.leading = v;
}

void ContentInterpreter::SetRenderMode(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && v >= 0 && v <= 7)
        state.text.renderMode = static_cast<int>(v);
}

void ContentInterpreter::SetRise(const Operands& operands) {
    double v;
    if (Numbers(operands, 1, &v) && Usable(v))
        state.text.rise = v;
}

const RenderFont* ContentInterpreter::FontResource(std::string_view name) {
    TPDFDictionary* dictionary = AsDictionary(Resource("Font", name));
    if (!dictionary)
        return nullptr;
    auto& cached = fonts[dictionary];
    if (!cached)
        cached = std::make_unique<RenderFont>(LoadRenderFont(document, dictionary));
    return cached.get();
}

void ContentInterpreter::SelectFont(const RenderFont* font, double size) {
    state.text.font = font;
    if (Usable(size))
        state.text.fontSize = size;
}

void ContentInterpreter::SetFont(const Operands& operands) {
    double size;
    if (operands.size() < 2 || operands[operands.size() - 2].kind != ContentOperand::Kind::Name ||
        !Numbers(operands, 1, &size))
        return;
    SelectFont(FontResource(operands[operands.size() - 2].text), size);
}

void ContentInterpreter::MoveTextBy(double tx, double ty) {
    lineMatrix = RenderMatrix::Translation(tx, ty).Then(lineMatrix);
    textMatrix = lineMatrix;
}

void ContentInterpreter::MoveText(const Operands& operands) {
    double v[2];
    if (Numbers(operands, 2, v) && Usable(v[0]) && Usable(v[1]))
        MoveTextBy(v[0], v[1]);
}

void ContentInterpreter::MoveTextSetLeading(const Operands& operands) {
    double v[2];
    if (Numbers(operands, 2, v) && Usable(v[0]) && Usable(v[1])) {
        state.text.leading = -v[1];
        MoveTextBy(v[0], v[1]);
    }
}

void ContentInterpreter::SetTextMatrix(const Operands& operands) {
    double v[6];
    if (Numbers(operands, 6, v))
        textMatrix = lineMatrix = RenderMatrix{v[0], v[1], v[2], v[3], v[4], v[5]};
}

void ContentInterpreter::NextLine(const Operands&) {
    MoveTextBy(0, -state.text.leading);
}

void ContentInterpreter::ShowText(const Operands& operands) {
    if (!operands.empty() && operands.back().kind == ContentOperand::Kind::String)
        ShowItems(&operands.back(), 1);
}

void ContentInterpreter::ShowTextArray(const Operands& operands) {
    if (!operands.empty() && operands.back().kind == ContentOperand::Kind::Array)
        ShowItems(operands.back().items.data(), operands.back().items.size());
}

void ContentInterpreter::NextLineShowText(const Operands& operands) {
    NextLine(operands);
    ShowText(operands);
}

void ContentInterpreter::NextLineShowTextSpaced(const Operands& operands) {
    double v[2];
    if (operands.size() < 3 || operands.back().kind != ContentOperand::Kind::String)
        return;
    const Operands spacings(operands.end() - 3, operands.end() - 1);
    if (!Numbers(spacings, 2, v) || !Usable(v[0]) || !Usable(v[1]))
        return;
    state.text.wordSpacing = v[0];
    state.text.charSpacing = v[1];
    NextLine(operands);
    ShowItems(&operands.back(), 1);
}

void ContentInterpreter::ShowItems(const ContentOperand* items, std::size_t count) {
    const RenderFont* font = state.text.font;
    if (!font)
        return;
    const TextState& text = state.text;
    const double size = text.fontSize;
    const double scaling = text.horizontalScaling;
    // Glyph space in em, as the run's matrix maps it.
    const double emToText = size * scaling;

    static constexpr TextPaint kPaints[] = {TextPaint::Fill,       TextPaint::Stroke,   TextPaint::FillStroke,
                                            TextPaint::Invisible,  TextPaint::Fill,     TextPaint::Stroke,
                                            TextPaint::FillStroke, TextPaint::Invisible};
    TextPaint paint = kPaints[text.renderMode];
    const bool fills = paint == TextPaint::Fill || paint == TextPaint::FillStroke;
    const bool strokes = paint == TextPaint::Stroke || paint == TextPaint::FillStroke;
    if (fills && !state.fill.drawable)
        paint = strokes && state.stroke.drawable ? TextPaint::Stroke : TextPaint::Invisible;
    else if (strokes && !state.stroke.drawable)
        paint = fills ? TextPaint::Fill : TextPaint::Invisible;

    RenderGlyphRun run;
    run.matrix = RenderMatrix{emToText, 0, 0, size, 0, text.rise}.Then(textMatrix).Then(state.ctm);
    const bool visible = font->drawable && paint != TextPaint::Invisible && emToText != 0 && size != 0 &&
                         !DegenerateMatrix(run.matrix);

    double advance = 0; // text space, along the baseline
    for (std::size_t i = 0; i < count && !stopped; ++i) {
        const ContentOperand& item = items[i];
        if (item.IsNumber()) {
            if (Usable(item.number))
                advance -= item.number / 1000 * emToText;
            continue;
        }
        if (item.kind != ContentOperand::Kind::String)
            continue;
        if (!Spend(glyphsShown, item.text.size(), limits.maxGlyphs))
            break;
        for (char byte : item.text) {
            const auto code = static_cast<std::uint8_t>(byte);
            const double width = font->widths[code];
            if (visible) {
                RenderGlyph glyph;
                glyph.code = code;
                glyph.unicode = font->unicode[code];
                glyph.ansi = font->ansi[code];
                glyph.x = advance / emToText;
                glyph.width = width;
                run.glyphs.push_back(glyph);
            }
            advance += (width * size + text.charSpacing + (code == 32 ? text.wordSpacing : 0)) * scaling;
        }
    }
    if (visible && !run.glyphs.empty() && std::isfinite(advance) && std::fabs(advance) < 1e12) {
        run.fontName = font->standardName;
        run.userMatrix = state.ctm;
        run.paint = paint;
        run.fillColor = state.fill.color;
        run.strokeColor = state.stroke.color;
        run.stroke = state.line;
        sink.ShowGlyphs(run);
    }
    if (std::isfinite(advance))
        textMatrix = RenderMatrix::Translation(advance, 0).Then(textMatrix);
}
