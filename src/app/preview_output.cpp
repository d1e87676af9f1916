#include "app/preview_output.h"

#include <ostream>

#include "app/command_line.h"
#include "app/engine_settings.h"
#include "app/startup.h"
#include "layout/composition_error.h"
#include "layout/render_page_png.h"
#include "platform/file_exists.h"
#include "platform/path_case.h"
#include "platform/system_currency.h"
#include "util/dates.h"
#include "platform/number_locale.h"
#include "util/numbers.h"

namespace {

std::string ThreeDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

std::string WithoutTrailingBlanks(const std::string& text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The stampadoc program beside the preview: its INI file and halftone bitmap are the ones used.
std::string MainProgramPath(const std::string& executablePath) {
    const size_t slash = executablePath.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    return folder + "stampadoc";
}

} // namespace

std::string FormatPreviewPage(const TStampaDocumentoBase& engine, int pageNumber, int pages) {
    std::string text = "=== page " + std::to_string(pageNumber) + "/" + std::to_string(pages) + "\n";
    const TPagina& page = *engine.page;
    for (int row = 0; row < page.lineCount(); ++row) {
        text += ThreeDigits(row) + " " + (page.rowSecondPitch(row) ? "C" : "N") + "|" +
                WithoutTrailingBlanks(page.rowText(row)) + "\n";
    }
    text += "--- slots: ";
    for (size_t slot = 0; slot < engine.TotalsCaptions.size(); ++slot)
        text += (slot > 0 ? "|" : "") + engine.TotalsCaptions[slot];
    text += "\n--- mark: " + std::to_string(engine.pageBodyMark) + "\n";
    return text;
}

int RunPreview(const std::vector<std::string>& arguments, const std::string& executablePath,
               std::ostream& out) {
    InitPivotYearFromClock();
    InitNumberSeparatorsFromLocale();
    InitCurrencySymbolFromLocale();
    RunSettings settings;
    // "--png DIR [--dpi N]": a picture of each page besides the page text.
    TPreviewPictures pictures;
    ApplySwitches(TakePreviewPictureOptions(arguments, pictures), settings);
    if (!settings.inputFile.empty())
        settings.inputFile = ResolvePathCase(settings.inputFile);
    if (settings.inputFile.empty() || !IsExistingFile(settings.inputFile)) {
        out << UsageMessage << '\n';
        out.flush();
        return 0;
    }

    const StartupEnvironment environment = StartupEnvironmentFor(MainProgramPath(executablePath));
    DocumentPrintJob job = LoadDocumentFile(settings);
    CompleteDocumentSettings(job, settings, environment);

    // The preview never writes a PDF file, so the engine needs no PDF toolkit.
    TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText, false);
    HandSettingsToEngine(engine, job.engine, *job.document);
    const int rows = settings.rowsPerPage > 0 ? settings.rowsPerPage : PreviewDefaultRows;

    // Pages are collected first: a document that cannot be composed shows only the error line.
    std::string pagesText;
    try {
        engine.ComposePages(rows, job.ColumnHeadings, [&] {
            pagesText += FormatPreviewPage(engine, engine.currentPage, engine.pageCount);
            if (pictures.wanted())
                WritePreviewPicture(engine, rows, engine.currentPage, pictures);
            return true;
        });
    } catch (const ECompositionError& error) {
        out << "=== error " << error.what() << '\n';
        out.flush();
        return 0;
    }
    out << pagesText;
    out.flush();
    return 0;
}
