#pragma once

#include "app/engine_settings.h"
#include "app/run_settings.h"
#include "docdata/document_limits.h"
#include "docdata/document_reader.h"
#include "docdata/document_record.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// The usage message, written to standard output when the switches fit neither mode.
inline constexpr const char* UsageMessage = "Esecuzione non consentita";

// The most rows per page "/R=" may ask for. A sheet holds six rows per inch, so this is far beyond any
// paper; larger values would only make the page buffer allocate without bound.
inline constexpr int32_t MaxRowsPerPage = MaxPageRows;

// Paths start-up works out from the executable's own path.
struct StartupEnvironment {
    std::string executablePath;
    std::string iniFileName;        // beside the executable; may not exist
    std::string halftoneBitmapPath; // "retino.bmp" beside the executable
};

StartupEnvironment StartupEnvironmentFor(const std::string& executablePath);

// Everything printing one document file hands to the print engine and the print run.
struct DocumentPrintJob {
    std::string documentFile; // the document file, deleted only after a successful print run
    std::unique_ptr<TRecDocObjectBase> document = std::make_unique<TRecDocObjectBase>();
    RunParameters fileParameters; // column headings, logo, reserved rows, layout switches, PDF file
    std::string transportDateText;
    std::string halftoneBitmapPath;
    EngineSettings engine; // filled once the INI settings of the document's code are read
    int32_t copies = -1;
    int32_t rowsPerPage = -1; // the "/R=" value; a print job measures its printer's page instead
    std::array<std::string, 8> ColumnHeadings;
};

// The input file arrives upper-cased and may use "\" as separator: names it as on disk (ResolvePathCase).
void ResolveInputFile(RunSettings& settings);

// The transport date text the engine prints: "GG.MM.AA" when line 92 of the document file is set,
// otherwise the short form of the document's TransportDate (empty for NullDate).
std::string TransportDateText(const TRecDocObjectBase& document, const RunParameters& fileParameters);

// Creates the document record and reads settings.inputFile into it; LogoFile takes line 89.
DocumentPrintJob LoadDocumentFile(RunSettings& settings);

// Works out the transport date text, reads the INI settings of the document's code (when the INI file
// exists) and fills the engine settings of the job.
void CompleteDocumentSettings(DocumentPrintJob& job, RunSettings& settings,
                              const StartupEnvironment& environment);

// What printing an existing PDF file again hands to the delivery.
struct ReprintJob {
    std::string pdfFile;
    int32_t copies = -1;
    std::string halftoneBitmapPath;
};

// Reads "copie_documenti" for reprintKind (when the INI file exists) and makes the reprint job: one
// copy when neither "/C=" nor the INI file gives a number.
ReprintJob PrepareReprint(RunSettings& settings, const StartupEnvironment& environment);

// The mode that prints a document file: to the printer, or into the PDF file the document names.
// The document file is deleted only after a successful print run.
void printDocumentFile(RunSettings& settings, const StartupEnvironment& environment);

// The mode that prints an existing PDF file again. The PDF file is never deleted.
void reprintPdf(RunSettings& settings, const StartupEnvironment& environment);

// The whole program for one command line (the arguments without the program name): reads the switches,
// chooses and runs the mode, and writes the usage message to `out` when no mode applies.
// Returns the exit status, which is 0 in every case.
int RunStampadoc(const std::vector<std::string>& arguments, const std::string& executablePath,
                 std::ostream& out);
