#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "pdf/render/content_parser.h"
#include "pdf/render/graphics_state.h"
#include "pdf/render/render_limits.h"
#include "pdf/render/render_outcome.h"
#include "pdf/render/render_path.h"
#include "pdf/render/render_sink.h"

class TPDFDocument;
class TPDFDictionary;
class TPDFStream;

// Interprets content streams (a page's, then the form XObjects it draws) and draws them into a sink.
// Operators it cannot draw, operands of the wrong kind and resources that are missing are skipped; the
// work is bounded by RenderLimits. One interpreter draws one page; fonts, images and form contents read
// on the way are kept for the page's duration.
class ContentInterpreter {
public:
    ContentInterpreter(TPDFDocument& document, RenderSink& sink, const RenderLimits& limits);
    ContentInterpreter(const ContentInterpreter&) = delete;
    ContentInterpreter& operator=(const ContentInterpreter&) = delete;

    // Draws a content stream with its resources; `initialMatrix` is the CTM it starts from.
    void Draw(std::string_view content, TPDFDictionary* resources, const RenderMatrix& initialMatrix);

    // Marks the drawing partial (a part of the input could not be read).
    void MarkPartial() { partial = true; }
    RenderOutcome Outcome() const { return partial ? RenderOutcome::Partial : RenderOutcome::Complete; }

    // The decoded data of a stream within the page's decoding budget; false when it cannot be read.
    bool DecodeContent(const TPDFStream& stream, std::string& out);

private:
    using Operands = std::vector<ContentOperand>;
    using Handler = void (ContentInterpreter::*)(const Operands&);
    static const std::unordered_map<std::string_view, Handler>& Handlers();

    void Run(std::string_view content, TPDFDictionary* resources);
    void Execute(const std::string& op, const Operands& operands, const ContentParser& parser);

    // Work accounting: false (and the page marked partial and stopped) when a bound is passed.
    bool Spend(std::size_t& used, std::size_t amount, std::size_t limit);

    // Graphics state stack.
    bool PushState();
    void PopState();
    void SaveState(const Operands&);
    void RestoreState(const Operands&);
    void ConcatMatrix(const Operands&);
    void SetLineWidth(const Operands&);
    void SetLineCap(const Operands&);
    void SetLineJoin(const Operands&);
    void SetMiterLimit(const Operands&);
    void SetDash(const Operands&);
    void SetExtGState(const Operands&);
    void SetDashFrom(const ContentOperand& array, double phase);

    // Paths.
    void MoveTo(const Operands&);
    void LineTo(const Operands&);
    void CurveTo(const Operands&);
    void CurveToV(const Operands&);
    void CurveToY(const Operands&);
    void ClosePath(const Operands&);
    void Rectangle(const Operands&);
    void Stroke(const Operands&);
    void CloseStroke(const Operands&);
    void Fill(const Operands&);
    void FillEvenOdd(const Operands&);
    void FillStroke(const Operands&);
    void FillStrokeEvenOdd(const Operands&);
    void CloseFillStroke(const Operands&);
    void CloseFillStrokeEvenOdd(const Operands&);
    void EndPath(const Operands&);
    void Clip(const Operands&);
    void ClipEvenOdd(const Operands&);
    void PaintPath(bool fill, RenderFillRule rule, bool stroke);
    bool RoomForPoints(std::size_t points) const;

    // Colours.
    void SetFillGray(const Operands&);
    void SetStrokeGray(const Operands&);
    void SetFillRgb(const Operands&);
    void SetStrokeRgb(const Operands&);
    void SetFillCmyk(const Operands&);
    void SetStrokeCmyk(const Operands&);
    void SetFillSpace(const Operands&);
    void SetStrokeSpace(const Operands&);
    void SetFillColor(const Operands&);
    void SetStrokeColor(const Operands&);
    void SetDeviceColor(PaintState& paint, const Operands& operands, int components);
    void SetSpace(PaintState& paint, const Operands& operands);
    void SetColor(PaintState& paint, const Operands& operands);

    // Text.
    void BeginText(const Operands&);
    void EndText(const Operands&);
    void SetCharSpacing(const Operands&);
    void SetWordSpacing(const Operands&);
    void SetHorizontalScaling(const Operands&);
    void SetLeading(const Operands&);
    void SetFont(const Operands&);
    void SetRenderMode(const Operands&);
    void SetRise(const Operands&);
    void MoveText(const Operands&);
    void MoveTextSetLeading(const Operands&);
    void SetTextMatrix(const Operands&);
    void NextLine(const Operands&);
    void ShowText(const Operands&);
    void ShowTextArray(const Operands&);
    void NextLineShowText(const Operands&);
    void NextLineShowTextSpaced(const Operands&);
    void MoveTextBy(double tx, double ty);
    void ShowItems(const ContentOperand* items, std::size_t count);
    const RenderFont* FontResource(std::string_view name);
    void SelectFont(const RenderFont* font, double size);

    // XObjects and images.
    void DrawXObject(const Operands&);
    void DrawInlineImage(const Operands& operands, std::string_view data);
    void DrawForm(const TPDFStream& form);
    void PaintImage(const RenderImage& image);
    std::shared_ptr<const RenderImage> ImageOf(const TPDFStream& stream);
    void Ignore(const Operands&) {}

    // Resources of the content being run.
    TPDFObject* Resource(std::string_view category, std::string_view name);
    TPDFDictionary* ResourceCategory(std::string_view category);

    // The numbers of the last `count` operands; false when there are fewer or they are not all finite
    // numbers.
    static bool Numbers(const Operands& operands, std::size_t count, double* out);
    static bool DegenerateMatrix(const RenderMatrix& matrix);

    TPDFDocument& document;
    RenderSink& sink;
    const RenderLimits& limits;

    GraphicsState state;
    std::vector<GraphicsState> savedStates;
    std::size_t stateFloor = 0; // saved states that belong to enclosing contents
    int ignoredSaves = 0;       // q beyond the bound, whose Q are ignored too
    RenderPath path;
    std::optional<RenderFillRule> pendingClip;
    RenderMatrix textMatrix;
    RenderMatrix lineMatrix;
    TPDFDictionary* resources = nullptr;
    int formDepth = 0;
    std::unordered_set<const TPDFStream*> activeForms;

    std::size_t operatorsRun = 0;
    std::size_t pointsPainted = 0;
    std::size_t glyphsShown = 0;
    std::size_t imagePixelsDrawn = 0;
    std::size_t bytesDecoded = 0;
    std::size_t bytesCached = 0;
    bool stopped = false;
    bool partial = false;

    std::unordered_map<const TPDFDictionary*, std::unique_ptr<RenderFont>> fonts;
    std::unordered_map<const TPDFStream*, std::shared_ptr<const RenderImage>> images;
    std::unordered_map<const TPDFStream*, std::shared_ptr<const std::string>> formContents;
};
