#include "layout/render_page_png.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "layout/stampa_documento_base.h"
#include "platform/rgb_page_image.h"

namespace {

constexpr int kMinDotsPerInch = 10;
constexpr int kMaxDotsPerInch = 2400;
// A4 in inches.
constexpr double kA4Width = 210.0 / 25.4;
constexpr double kA4Height = 297.0 / 25.4;

bool readDotsPerInch(const std::string& text, int& value) {
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed);
    if (result.ec != std::errc() || result.ptr != end || parsed < kMinDotsPerInch ||
        parsed > kMaxDotsPerInch) {
        return false;
    }
    value = parsed;
    return true;
}

std::string threeDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

// Restores the engine's output settings on every exit path.
class OutputSettingsGuard {
public:
    explicit OutputSettingsGuard(TStampaDocumentoBase& engine)
        : engine_(engine), pdfOutput_(engine.pdfOutput), printerCanvas_(engine.printerCanvas),
          logoFrame_(engine.logoFrame) {}
    ~OutputSettingsGuard() {
        engine_.pdfOutput = pdfOutput_;
        engine_.printerCanvas = printerCanvas_;
        engine_.logoFrame = logoFrame_;
    }
    OutputSettingsGuard(const OutputSettingsGuard&) = delete;
    OutputSettingsGuard& operator=(const OutputSettingsGuard&) = delete;

private:
    TStampaDocumentoBase& engine_;
    bool pdfOutput_;
    TPrinterCanvas printerCanvas_;
    TLogoFrame logoFrame_;
};

} // namespace

std::vector<std::string> TakePreviewPictureOptions(const std::vector<std::string>& arguments,
                                                   TPreviewPictures& pictures) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--png" && i + 1 < arguments.size()) {
            pictures.directory = arguments[++i];
        } else if (arguments[i] == "--dpi" && i + 1 < arguments.size()) {
            readDotsPerInch(arguments[++i], pictures.dotsPerInch);
        } else {
            rest.push_back(arguments[i]);
        }
    }
    return rest;
}

std::string PreviewPicturePath(const TPreviewPictures& pictures, int pageNumber) {
    return (std::filesystem::path(pictures.directory) / ("page-" + threeDigits(pageNumber) + ".png"))
        .string();
}

bool WritePreviewPicture(TStampaDocumentoBase& engine, int pageRows, int pageNumber,
                         const TPreviewPictures& pictures) {
    const int dpi = pictures.dotsPerInch;
    // The sizes a PDF run uses at 600 units per inch, at the picture's resolution.
    const int pageWidth = static_cast<int>(kA4Width * dpi);
    const int pageHeight = static_cast<int>(kA4Height * dpi);
    const int margin = static_cast<int>(static_cast<long>(engine.leftMargin) * dpi / 600);
    const int gap = 60 * dpi / 600;
    const int formWidth = pageWidth - gap - 2 * margin;
    // The form picture (2 x margin + formWidth wide) lies on the page 0.05 inch from its left edge.
    const int formLeft = dpi / 20;
    if (formWidth <= 0 || pageHeight <= 0) {
        return false;
    }

    std::error_code error;
    std::filesystem::create_directories(pictures.directory, error);

    RgbPageImage page(pageWidth, pageHeight);
    if (page.empty()) {
        return false;
    }
    {
        OutputSettingsGuard guard(engine);
        engine.pdfOutput = false;
        engine.printerCanvas = {&page, dpi, 0};
        engine.RenderPage(pageRows, formWidth, margin + formLeft, pageHeight);
    }
    return page.writePng(PreviewPicturePath(pictures, pageNumber));
}
