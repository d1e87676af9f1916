#pragma once

#include "app/startup.h"

#include <string>

// Steps 7 to 11 of printing a document file: creates the print engine (PDF output exactly when the
// document names a PDF file), hands it every setting in start-up's order, runs the print run with the
// job's copies, rows per page and column headings, and deletes the document file when the run succeeded,
// that is, only after the PDF file has been saved and flushed to disk, or, printing directly, after the
// open print job was handed to the spooler (a failed run cancels the job). Answers whether all of it
// succeeded.
// printerName is the "/S=" printer (empty when none was named).
bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName);
