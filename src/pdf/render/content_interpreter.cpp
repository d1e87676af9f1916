#include "pdf/render/content_interpreter.h"

#include <algorithm>
#include <cmath>

#include "pdf/model/document.h"
#include "pdf/render/stream_decoding.h"

namespace {

// Matrices with larger numbers than this are taken as broken (their products would overflow).
constexpr double kMaxMatrixValue = 1e15;

} // namespace

ContentInterpreter::ContentInterpreter(TPDFDocument& document, RenderSink& sink, const RenderLimits& limits)
    : document(document), sink(sink), limits(limits) {}

const std::unordered_map<std::string_view, ContentInterpreter::Handler>& ContentInterpreter::Handlers() {
    using C = ContentInterpreter;
    static const std::unordered_map<std::string_view, Handler> handlers = {
        {"q", &C::SaveState},
        {"Q", &C::RestoreState},
        {"cm", &C::ConcatMatrix},
        {"w", &C::SetLineWidth},
        {"J", &C::SetLineCap},
        {"j", &C::SetLineJoin},
        {"M", &C::SetMiterLimit},
        {"d", &C::SetDash},
        {"gs", &C::SetExtGState},
        {"m", &C::MoveTo},
        {"l", &C::LineTo},
        {"c", &C::CurveTo},
        {"v", &C::CurveToV},
        {"y", &C::CurveToY},
        {"h", &C::ClosePath},
        {"re", &C::Rectangle},
        {"S", &C::Stroke},
        {"s", &C::CloseStroke},
        {"f", &C::Fill},
        {"F", &C::Fill},
        {"f*", &C::FillEvenOdd},
        {"B", &C::FillStroke},
        {"B*", &C::FillStrokeEvenOdd},
        {"b", &C::CloseFillStroke},
        {"b*", &C::CloseFillStrokeEvenOdd},
        {"n", &C::EndPath},
        {"W", &C::Clip},
        {"W*", &C::ClipEvenOdd},
        {"g", &C::SetFillGray},
        {"G", &C::SetStrokeGray},
        {"rg", &C::SetFillRgb},
        {"RG", &C::SetStrokeRgb},
        {"k", &C::SetFillCmyk},
        {"K", &C::SetStrokeCmyk},
        {"cs", &C::SetFillSpace},
        {"CS", &C::SetStrokeSpace},
        {"sc", &C::SetFillColor},
        {"scn", &C::SetFillColor},
        {"SC", &C::SetStrokeColor},
        {"SCN", &C::SetStrokeColor},
        {"BT", &C::BeginText},
        {"ET", &C::EndText},
        {"Tc", &C::SetCharSpacing},
        {"Tw", &C::SetWordSpacing},
        {"Tz", &C::SetHorizontalScaling},
        {"TL", &C::SetLeading},
        {"Tf", &C::SetFont},
        {"Tr", &C::SetRenderMode},
        {"Ts", &C::SetRise},
        {"Td", &C::MoveText},
        {"TD", &C::MoveTextSetLeading},
        {"Tm", &C::SetTextMatrix},
        {"T*", &C::NextLine},
        {"Tj", &C::ShowText},
        {"TJ", &C::ShowTextArray},
        {"'", &C::NextLineShowText},
        {"\"", &C::NextLineShowTextSpaced},
        {"Do", &C::DrawXObject},
    };
    return handlers;
}

void ContentInterpreter::Draw(std::string_view content, TPDFDictionary* contentResources,
                              const RenderMatrix& initialMatrix) {
    state = GraphicsState();
    state.ctm = initialMatrix;
    savedStates.clear();
    stateFloor = 0;
    ignoredSaves = 0;
    Run(content, contentResources);
}

void ContentInterpreter::Run(std::string_view content, TPDFDictionary* contentResources) {
    TPDFDictionary* outerResources = resources;
    const std::size_t outerFloor = stateFloor;
    const int outerIgnoredSaves = ignoredSaves;
    RenderPath outerPath;
    std::swap(outerPath, path);
    const std::optional<RenderFillRule> outerClip = pendingClip;
    resources = contentResources;
    stateFloor = savedStates.size();
    ignoredSaves = 0;
    pendingClip.reset();

    ContentParser parser(content, limits);
    std::string op;
    Operands operands;
    while (!stopped && parser.Next(op, operands)) {
        if (!Spend(operatorsRun, 1, limits.maxOperators))
            break;
        Execute(op, operands, parser);
    }
    // What the content left saved is restored, so that the sink's saves and restores pair up.
    while (savedStates.size() > stateFloor)
        PopState();

    resources = outerResources;
    stateFloor = outerFloor;
    ignoredSaves = outerIgnoredSaves;
    std::swap(outerPath, path);
    pendingClip = outerClip;
}

void ContentInterpreter::Execute(const std::string& op, const Operands& operands,
                                 const ContentParser& parser) {
    if (op == "BI") {
        DrawInlineImage(operands, parser.InlineImageData());
        return;
    }
    const auto& handlers = Handlers();
    auto it = handlers.find(op);
    if (it != handlers.end())
        (this->*(it->second))(operands);
    // Anything else (shadings, marked content, Type 3 glyph metrics, unknown words) draws nothing here.
}

bool ContentInterpreter::Spend(std::size_t& used, std::size_t amount, std::size_t limit) {
    if (stopped)
        return false;
    if (amount > limit || used > limit - amount) {
        stopped = true;
        partial = true;
        return false;
    }
    used += amount;
    return true;
}

bool ContentInterpreter::DecodeContent(const TPDFStream& stream, std::string& out) {
    if (stopped || bytesDecoded >= limits.maxDecodedBytes)
        return false;
    bool jpeg = false;
    if (!DecodeStreamForRendering(document, stream, limits.maxDecodedBytes - bytesDecoded, out, jpeg) ||
        jpeg) {
        out.clear();
        return false;
    }
    bytesDecoded += out.size();
    return true;
}

bool ContentInterpreter::Numbers(const Operands& operands, std::size_t count, double* out) {
    if (operands.size() < count)
        return false;
    const std::size_t first = operands.size() - count;
    for (std::size_t i = 0; i < count; ++i) {
        const ContentOperand& operand = operands[first + i];
        if (!operand.IsNumber() || !std::isfinite(operand.number))
            return false;
        out[i] = operand.number;
    }
    return true;
}

bool ContentInterpreter::DegenerateMatrix(const RenderMatrix& m) {
    const double determinant = m.a * m.d - m.b * m.c;
    return !m.IsBounded(kMaxMatrixValue) || !std::isfinite(determinant) || std::fabs(determinant) < 1e-12;
}

TPDFDictionary* ContentInterpreter::ResourceCategory(std::string_view category) {
    return resources ? document.ResolveDictionary(resources->Get(category)) : nullptr;
}

TPDFObject* ContentInterpreter::Resource(std::string_view category, std::string_view name) {
    TPDFDictionary* entries = ResourceCategory(category);
    return entries ? document.Resolve(entries->Get(name)) : nullptr;
}

// Graphics state.

bool ContentInterpreter::PushState() {
    if (savedStates.size() >= static_cast<std::size_t>(limits.maxSavedStates))
        return false;
    savedStates.push_back(state);
    sink.SaveState();
    return true;
}

void ContentInterpreter::PopState() {
    state = savedStates.back();
    savedStates.pop_back();
    sink.RestoreState();
}

void ContentInterpreter::SaveState(const Operands&) {
    if (!PushState())
        ++ignoredSaves;
}

void ContentInterpreter::RestoreState(const Operands&) {
    if (ignoredSaves > 0)
        --ignoredSaves;
    else if (savedStates.size() > stateFloor)
        PopState();
}

void ContentInterpreter::ConcatMatrix(const Operands& operands) {
    double v[6];
    if (!Numbers(operands, 6, v))
        return;
    const RenderMatrix product = RenderMatrix{v[0], v[1], v[2], v[3], v[4], v[5]}.Then(state.ctm);
    if (product.IsBounded(kMaxMatrixValue))
        state.ctm = product;
}

void ContentInterpreter::SetLineWidth(const Operands& operands) {
    double width;
    if (Numbers(operands, 1, &width))
        state.line.width = std::clamp(std::fabs(width), 0.0, 1e6);
}

void ContentInterpreter::SetLineCap(const Operands& operands) {
    double cap;
    if (Numbers(operands, 1, &cap) && cap >= 0 && cap <= 2)
        state.line.cap = static_cast<RenderLineCap>(static_cast<int>(cap));
}

void ContentInterpreter::SetLineJoin(const Operands& operands) {
    double join;
    if (Numbers(operands, 1, &join) && join >= 0 && join <= 2)
        state.line.join = static_cast<RenderLineJoin>(static_cast<int>(join));
}

void ContentInterpreter::SetMiterLimit(const Operands& operands) {
    double limit;
    if (Numbers(operands, 1, &limit))
        state.line.miterLimit = std::clamp(limit, 1.0, 1e6);
}

void ContentInterpreter::SetDashFrom(const ContentOperand& array, double phase) {
    std::vector<double> dashes;
    double total = 0;
    for (const ContentOperand& item : array.items) {
        if (!item.IsNumber() || !std::isfinite(item.number) || item.number < 0 || item.number > 1e6)
            return; // a malformed pattern changes nothing
        dashes.push_back(item.number);
        total += item.number;
    }
    if (dashes.size() > 64)
        return;
    // An empty pattern, or one of zero length, draws a solid line.
    if (total <= 0)
        dashes.clear();
    state.line.dashes = std::move(dashes);
    state.line.dashPhase = std::isfinite(phase) ? std::clamp(phase, -1e6, 1e6) : 0;
}

void ContentInterpreter::SetDash(const Operands& operands) {
    double phase;
    if (operands.size() < 2 || operands[operands.size() - 2].kind != ContentOperand::Kind::Array ||
        !Numbers(operands, 1, &phase))
        return;
    SetDashFrom(operands[operands.size() - 2], phase);
}

void ContentInterpreter::SetExtGState(const Operands& operands) {
    if (operands.empty() || operands.back().kind != ContentOperand::Kind::Name)
        return;
    TPDFDictionary* parameters = AsDictionary(Resource("ExtGState", operands.back().text));
    if (!parameters)
        return;
    auto number = [&](std::string_view key, double& out) {
        TPDFNumeric* value = AsNumeric(document.Resolve(parameters->Get(key)));
        if (!value || !std::isfinite(value->value))
            return false;
        out = value->value;
        return true;
    };
    double value;
    if (number("LW", value))
        state.line.width = std::clamp(std::fabs(value), 0.0, 1e6);
    if (number("LC", value) && value >= 0 && value <= 2)
        state.line.cap = static_cast<RenderLineCap>(static_cast<int>(value));
    if (number("LJ", value) && value >= 0 && value <= 2)
        state.line.join = static_cast<RenderLineJoin>(static_cast<int>(value));
    if (number("ML", value))
        state.line.miterLimit = std::clamp(value, 1.0, 1e6);
    if (TPDFArray* dash = document.ResolveArray(parameters->Get("D"))) {
        TPDFArray* pattern = document.ResolveArray(dash->Item(0));
        TPDFNumeric* phase = AsNumeric(document.Resolve(dash->Item(1)));
        if (pattern && phase) {
            ContentOperand array;
            array.kind = ContentOperand::Kind::Array;
            for (TPDFObject* item : pattern->items) {
                ContentOperand entry;
                TPDFNumeric* length = AsNumeric(document.Resolve(item));
                entry.kind = length ? ContentOperand::Kind::Number : ContentOperand::Kind::Null;
                entry.number = length ? length->value : 0;
                array.items.push_back(entry);
            }
            SetDashFrom(array, phase->value);
        }
    }
    if (TPDFArray* font = document.ResolveArray(parameters->Get("Font"))) {
        TPDFDictionary* dictionary = document.ResolveDictionary(font->Item(0));
        TPDFNumeric* size = AsNumeric(document.Resolve(font->Item(1)));
        if (dictionary && size && std::isfinite(size->value)) {
            auto& cached = fonts[dictionary];
            if (!cached)
                cached = std::make_unique<RenderFont>(LoadRenderFont(document, dictionary));
            SelectFont(cached.get(), size->value);
        }
    }
}
