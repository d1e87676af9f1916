#pragma once

#include <string>

// A run that keeps its document file says why, in one line on standard error:
// "stampadoc: <document file> kept: <reason>". Standard output and the exit status stay as they are.
void ReportKeptDocument(const std::string& documentFile, const std::string& reason);

// Deletes the document file after a successful run. When that fails the next run would print the same
// document again (into the same PDF file): says so on standard error. Answers whether it was deleted.
bool DeletePrintedDocument(const std::string& documentFile);
