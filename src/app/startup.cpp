#include "app/startup.h"

#include "app/command_line.h"
#include "app/ini_settings.h"
#include "app/kept_document.h"
#include "app/print_run_job.h"
#include "app/run_mode.h"
#include "app/startup_paths.h"
#include "platform/file_exists.h"
#include "platform/ini_file.h"
#include "platform/path_case.h"
#include "platform/system_currency.h"
#include "util/dates.h"
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
    job.copies = settings.copies;
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

    // 4. Direct printing (no PDF file named) needs the printer selected and a print job open. Printer
    // selection is not part of the program yet, so it fails: nothing is printed and the file stays.
    if (job.fileParameters.OutputPdfPath.empty()) {
        ReportKeptDocument(job.documentFile, "no printer can be selected");
        return;
    }

    // 5-6. Transport date text and the INI settings of the document's code.
    CompleteDocumentSettings(job, settings, environment);

    // PDF output takes its rows per page from "/R=". Without a positive value the page buffer would have
    // no rows, and a value beyond any sheet would make it allocate without bound: the run ends here,
    // before any engine exists, with the usage message, and the document file stays.
    if (!job.engine.pdfFile.empty() && (job.rowsPerPage <= 0 || job.rowsPerPage > MaxRowsPerPage)) {
        settings.usageFlag = true;
        ReportKeptDocument(job.documentFile, "PDF output needs rows per page (/R=) from 1 to " +
                                                 std::to_string(MaxRowsPerPage));
        return;
    }

    // 7-11. The print engine receives the job and runs the print run; only a successful run deletes the
    // document file.
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
    // The PDF file is never deleted. Until the delivery is part of the program nothing is printed.
    static_cast<void>(job);
}

int RunStampadoc(const std::vector<std::string>& arguments, const std::string& executablePath,
                 std::ostream& out) {
    // 1. Process-wide settings: the two-digit-year base follows the clock, so that current dates keep
    // their short form; the number separators and the currency sign come from the user's locale.
    InitPivotYearFromClock();
    InitNumberSeparatorsFromLocale();
    InitCurrencySymbolFromLocale();
    RunSettings settings;

    // 2. The console window record serves the delivery through the PDF viewer and is filled there.

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
