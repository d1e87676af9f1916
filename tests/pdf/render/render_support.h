#pragma once

// Helpers of the renderer tests: one-page PDF files assembled by hand and loaded as the program loads
// them, and a sink that writes down every call in a compact text form.

#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "pdf/model/document.h"
#include "pdf/reader/load_support.h"
#include "pdf/reader/loader.h"
#include "pdf/render/page_renderer.h"
#include "pdf/render/render_sink.h"

namespace rendertest {

// A number with at most four decimals, trailing zeros removed ("0.6670" gives "0.667", "-0" gives "0").
inline std::string Num(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

inline std::string Text(const RenderMatrix& m) {
    return "[" + Num(m.a) + " " + Num(m.b) + " " + Num(m.c) + " " + Num(m.d) + " " + Num(m.e) + " " +
           Num(m.f) + "]";
}

inline std::string Text(const RenderColor& c) {
    if (c.space == RenderColor::Space::Gray)
        return "gray(" + Num(c.red) + ")";
    return "rgb(" + Num(c.red) + "," + Num(c.green) + "," + Num(c.blue) + ")";
}

inline std::string Text(const RenderPath& path) {
    std::string out;
    std::size_t p = 0;
    const auto& points = path.Points();
    auto point = [&] {
        const RenderPoint& at = points[p++];
        out += " " + Num(at.x) + " " + Num(at.y);
    };
    for (PathVerb verb : path.Verbs()) {
        switch (verb) {
        case PathVerb::MoveTo:
            out += " M";
            point();
            break;
        case PathVerb::LineTo:
            out += " L";
            point();
            break;
        case PathVerb::CurveTo:
            out += " C";
            point();
            point();
            point();
            break;
        case PathVerb::Close:
            out += " Z";
            break;
        }
    }
    return out;
}

// Every call as one line: "save", "fill nonzero rgb(1,0,0) [1 0 0 1 0 0] M 0 0 L 10 0 Z", ...
class RecordingSink : public RenderSink {
public:
    void SaveState() override { records.push_back("save"); }
    void RestoreState() override { records.push_back("restore"); }
    void FillPath(const RenderPath& path, const RenderMatrix& m, RenderFillRule rule,
                  const RenderColor& c) override {
        records.push_back(std::string("fill ") + (rule == RenderFillRule::EvenOdd ? "evenodd " : "nonzero ") +
                          Text(c) + " " + Text(m) + Text(path));
    }
    void StrokePath(const RenderPath& path, const RenderMatrix& m, const StrokeStyle& s,
                    const RenderColor& c) override {
        std::string dash;
        for (double d : s.dashes)
            dash += (dash.empty() ? "" : " ") + Num(d);
        records.push_back("stroke " + Text(c) + " w=" + Num(s.width) + " cap=" + std::to_string(int(s.cap)) +
                          " join=" + std::to_string(int(s.join)) + " miter=" + Num(s.miterLimit) + " dash=[" +
                          dash + "] " + Num(s.dashPhase) + " " + Text(m) + Text(path));
    }
    void ClipPath(const RenderPath& path, const RenderMatrix& m, RenderFillRule rule) override {
        records.push_back(std::string("clip ") + (rule == RenderFillRule::EvenOdd ? "evenodd " : "nonzero ") +
                          Text(m) + Text(path));
    }
    void DrawImage(const RenderImage& image, const RenderMatrix& m, const RenderColor& c) override {
        static const char* const kFormats[] = {"gray1", "gray8", "rgb24", "mask1"};
        records.push_back(std::string("image ") + kFormats[int(image.format)] + " " +
                          std::to_string(image.width) + "x" + std::to_string(image.height) + " " + Text(m) +
                          (image.format == RenderImage::Format::Mask1 ? " " + Text(c) : ""));
        imageSamples.push_back(image.samples);
        imageMatrices.push_back(m);
    }
    void ShowGlyphs(const RenderGlyphRun& run) override {
        static const char* const kPaints[] = {"fill", "stroke", "fillstroke", "invisible"};
        std::string glyphs;
        for (const RenderGlyph& g : run.glyphs)
            glyphs += " " + std::string(1, g.ansi ? char(g.ansi) : '?') + "@" + Num(g.x);
        records.push_back("text " + run.fontName + " " + kPaints[int(run.paint)] + " " + Text(run.fillColor) +
                          " " + Text(run.matrix) + glyphs);
        runs.push_back(run);
    }

    std::vector<std::string> records;
    std::vector<std::vector<std::uint8_t>> imageSamples;
    std::vector<RenderMatrix> imageMatrices;
    std::vector<RenderGlyphRun> runs;
};

// A one-page PDF file: catalog 1, pages 2, page 3 (595 x 842 points, with the given resources
// dictionary entries), content stream 4, then `extra` objects from number 5 (each a complete object
// body; streams as returned by StreamBody).
inline std::string OnePagePdf(const std::string& content, const std::string& resources = "",
                              const std::vector<std::string>& extra = {}) {
    loadtest::PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 595 842 ] /Contents 4 0 R /Resources << " +
                      resources + " >> >>");
    pdf.Stream(4, "", content);
    int number = 5;
    for (const std::string& body : extra)
        pdf.Object(number++, body);
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    return pdf.text;
}

// The body of a stream object with the given dictionary entries and data.
inline std::string StreamBody(const std::string& entries, const std::string& data) {
    return "<< " + entries + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
           "\nendstream";
}

// A document loaded from PDF bytes as the toolkit loads files; nullptr when loading fails.
inline std::unique_ptr<TPDFDocument> Load(const std::string& bytes) {
    auto document = std::make_unique<TPDFDocument>();
    if (!TPDFLoader::Load(*document, bytes) || !document->pageTree.Build())
        return nullptr;
    return document;
}

// The records of page 1 drawn with the identity matrix, without the page's own save, clip and restore.
inline std::vector<std::string> Render(const std::string& content, const std::string& resources = "",
                                       const std::vector<std::string>& extra = {},
                                       RecordingSink* keep = nullptr) {
    auto document = Load(OnePagePdf(content, resources, extra));
    if (!document) {
        ADD_FAILURE() << "the test file does not load";
        return {};
    }
    RecordingSink local;
    RecordingSink& sink = keep ? *keep : local;
    RenderPdfPage(*document, 1, sink, RenderMatrix());
    std::vector<std::string> records = sink.records;
    if (records.size() >= 3 && records.front() == "save" && records.back() == "restore") {
        records.erase(records.begin(), records.begin() + 2);
        records.pop_back();
    } else {
        ADD_FAILURE() << "the page is not drawn inside its own saved state and clip";
    }
    return records;
}

} // namespace rendertest
