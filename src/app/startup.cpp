#include "app/startup.h"

#include "app/command_line.h"
#include "app/ini_settings.h"
#include "app/kept_document.h"
#include "app/print_run_job.h"
#include "app/printer_selection.h"
#include "app/printer_utilities.h"
#include "app/run_mode.h"
#include "app/startup_paths.h"
#include "app/window_utilities.h"
#include "layout/stampa_documento_base.h"
#include "platform/file_exists.h"
#include "platform/ini_file.h"
#include "platform/path_case.h"
#include "platform/printer.h"
#include "platform/system_currency.h"
#include "util/dates.h"
#include "platform/number_locale.h"
#include "util/numbers.h"
#include "util/strings.h"

#include <exception>
#include <optional>
#include <ostream>

namespace {

// The INI file, when it exists. Without one every setting keeps its value at start.
std::optional<TIniFile> OpenIniFile(const StartupEnvironment& environment) {
    if (!IsExistingFile(environment.iniFileName))
        return std::nullopt;
    return TIniFile(environment.iniFileName);
}

// A path from the switches or the document file, named as on disk (see ResolvePathCase); empty stays empty.
std::string ResolveDocumentPath(const std::string& path) {
    return path.empty() ? path : ResolvePathCase(path);
}

} // namespace

void ResolveInputFile(RunSettings& settings) {
    settings.inputFile = ResolveDocumentPath(settings.inputFile);
}

StartupEnvironment StartupEnvironmentFor(const std::string& executablePath) {
    StartupEnvironment environment;
    environment.executablePath = executablePath;
    environment.iniFileName = IniFileNameForExecutable(executablePath);
    environment.halftoneBitmapPath = HalftoneBitmapPathForExecutable(executablePath);
    return environment;
}

std::string TransportDateText(const TRecDocObjectBase& document, const RunParameters& fileParameters) {
    if (fileParameters.LayoutSwitches[0])
        return "GG.MM.AA";
    if (document.TransportDate == NullDate)
        return {};
    return FormatDateShort(document.TransportDate);
}

DocumentPrintJob LoadDocumentFile(RunSettings& settings) {
    DocumentPrintJob job;
    job.documentFile = settings.inputFile;
    ReadDocumentFile(job.documentFile, *job.document, job.fileParameters);
    // The paths of the document file are written for a file system that ignores case.
    job.fileParameters.LogoFile = ResolveDocumentPath(job.fileParameters.LogoFile);
    job.fileParameters.OutputPdfPath = ResolveDocumentPath(job.fileParameters.OutputPdfPath);
    settings.LogoFile = job.fileParameters.LogoFile;
    job.ColumnHeadings = job.fileParameters.ColumnHeadings;
    return job;
}

void CompleteDocumentSettings(DocumentPrintJob& job, RunSettings& settings,
                              const StartupEnvironment& environment) {
    job.transportDateText = TransportDateText(*job.document, job.fileParameters);
    if (const std::optional<TIniFile> ini = OpenIniFile(environment)) {
        ReadDocumentIniSettings(*ini, job.document->DocTypeCode, settings);
        settings.LogoFile = ResolveDocumentPath(settings.LogoFile);
    }
    job.halftoneBitmapPath = environment.halftoneBitmapPath;
    job.engine = MakeEngineSettings(settings, job.fileParameters);
    job.copies = settings.copies;
    job.rowsPerPage = settings.rowsPerPage;
}

ReprintJob PrepareReprint(RunSettings& settings, const StartupEnvironment& environment) {
    if (const std::optional<TIniFile> ini = OpenIniFile(environment))
        ReadReprintIniSettings(*ini, settings.reprintKind, settings);
    ReprintJob job;
    job.pdfFile = settings.inputFile;
    // Without "/C=" and without an INI value one copy is printed; an explicit 0 prints none.
    job.copies = settings.copies == -1 ? 1 : settings.copies;
    job.halftoneBitmapPath = environment.halftoneBitmapPath;
    return job;
}

namespace {

// Steps 2 to 12 of printing a document file.
void PrintDocumentFileSteps(RunSettings& settings, const StartupEnvironment& environment) {
    // 2-3. The document record, filled from the document file with its run parameters.
    DocumentPrintJob job = LoadDocumentFile(settings);

    // A document beyond the line limit is refused before anything is composed.
    if (job.fileParameters.DocumentLineCount > MaxDocumentLines) {
        ReportKeptDocument(job.documentFile,
                           "line 98 asks for " + std::to_string(job.fileParameters.DocumentLineCount) +
                               " document lines, more than " + std::to_string(MaxDocumentLines));
        return;
    }

    // 4. Direct printing (no PDF file named): select the printer and open the print job. A printer that
    // is not installed, or a spooler that refuses the job: nothing is printed and the file stays.
    const bool direct = job.fileParameters.OutputPdfPath.empty();
    int printerIndex = -1;
    if (direct) {
        printerIndex = OpenDirectPrintJob(settings.printerName);
        if (printerIndex < 0) {
            ReportKeptDocument(job.documentFile, "no printer " + settings.printerName + " takes a print job");
            return;
        }
    }

    // 5-6. Transport date text and the INI settings of the document's code.
    CompleteDocumentSettings(job, settings, environment);

    // 9. Rows per page: those of the printer's page when printing directly. PDF output takes "/R=", or
    // when it gives no positive value and a printer is named, the rows of that printer's page, so that
    // the pages fit the sheet the file is printed on.
    if (direct) {
        job.rowsPerPage = printableRows(printerIndex);
    } else if (job.rowsPerPage <= 0 && !TrimControl(settings.printerName).empty()) {
        const int index = SelectPrinterIndex(settings.printerName);
        job.rowsPerPage = index >= 0 ? printableRows(index) : 0;
    }

    // Without a positive row count the page buffer would have no rows, and a count beyond any sheet
    // would make it allocate without bound: the run ends here, before any engine exists, and the
    // document file stays. PDF output writes the usage message (no "/R="); an open job is cancelled.
    if (job.rowsPerPage <= 0 || job.rowsPerPage > MaxRowsPerPage) {
        if (direct) {
            Printer().abortDoc();
            ReportKeptDocument(job.documentFile,
                               "the page of the printer " + settings.printerName + " holds no text rows");
        } else {
            settings.usageFlag = true;
            ReportKeptDocument(job.documentFile, "PDF output needs rows per page (/R=) from 1 to " +
                                                     std::to_string(MaxRowsPerPage));
        }
        return;
    }

    // 7-11. The print engine receives the job and runs the print run, and an open print job is ended;
    // only a successful run deletes the document file.
    RunDocumentPrintJob(job, settings.printerName);
}

} // namespace

void printDocumentFile(RunSettings& settings, const StartupEnvironment& environment) {
    // 1. This mode's preconditions hold.
    settings.usageFlag = false;
    try {
        PrintDocumentFileSteps(settings, environment);
    } catch (const std::exception& error) {
        // An error that passes through ends the run; the document file stays.
        ReportKeptDocument(settings.inputFile, error.what());
    }
}

void reprintPdf(RunSettings& settings, const StartupEnvironment& environment) {
    // 1. This mode's preconditions hold.
    settings.usageFlag = false;

    // 2. The copies of the INI file for the "/T=" code.
    const ReprintJob job = PrepareReprint(settings, environment);

    // 3-6. The engine carries the PDF file name to the delivery, which prints it `copies` times.
    // The PDF file is never deleted.
    TStampaDocumentoBase engine(job.halftoneBitmapPath, std::string(), true);
    engine.pdfFile = job.pdfFile;
    engine.printerName = settings.printerName;
    engine.deliver(job.copies);
}

int RunStampadoc(const std::vector<std::string>& arguments, const std::string& executablePath,
                 std::ostream& out) {
    // 1. Process-wide settings: the two-digit-year base follows the clock, so that current dates keep
    // their short form; the number separators and the currency sign come from the user's locale.
    InitPivotYearFromClock();
    InitNumberSeparatorsFromLocale();
    InitCurrencySymbolFromLocale();
    RunSettings settings;

    // 2. The console window, which the delivery brings back to the front after starting a PDF viewer.
    ConsoleWindow() = {};
    findConsoleWindow(ConsoleWindow());

    // 3. The INI file and the halftone bitmap sit beside the executable.
    const StartupEnvironment environment = StartupEnvironmentFor(executablePath);

    // 4. The switches. The input file arrives upper-cased: name it as on disk.
    ApplySwitches(arguments, settings);
    ResolveInputFile(settings);

    // 5-6. Choose and run the mode.
    switch (ChooseRunMode(settings, IsExistingFile(settings.inputFile))) {
    case RunMode::ReprintPdf:
        reprintPdf(settings, environment);
        break;
    case RunMode::PrintDocumentFile:
        printDocumentFile(settings, environment);
        break;
    case RunMode::None:
        break;
    }

    // 7. The usage message when no mode ran to its end.
    if (settings.usageFlag)
        out << UsageMessage << '\n';
    out.flush();

    // 8. The exit status is 0 in every case.
    return 0;
}
