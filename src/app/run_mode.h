#pragma once

#include "app/run_settings.h"

// What a run does, chosen from the switches before any file is read.
enum class RunMode {
    None,              // the switches fit neither mode: the usage message
    ReprintPdf,        // print an existing PDF file again
    PrintDocumentFile, // print a document file, to the printer or into a PDF file
};

// The mode for these settings, tried in order: ReprintPdf when reprintKind, inputFile and printerName
// are not empty and the input file exists; PrintDocumentFile when inputFile is not empty and exists,
// there is a printer name or a positive rowsPerPage, copies is positive and layoutFlags is not empty;
// otherwise None. `inputFileExists` tells whether inputFile names an existing file.
RunMode ChooseRunMode(const RunSettings& settings, bool inputFileExists);
