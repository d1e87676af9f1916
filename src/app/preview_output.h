#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "layout/stampa_documento_base.h"

// Rows per page of the preview when "/R=" gives no positive value.
inline constexpr int PreviewDefaultRows = 72;

// The text of one composed page: the "=== page p/P" line, one line per buffer row ("RRR c|TEXT" with the
// row's trailing blanks removed), the five total-row captions and the page's body mark.
std::string FormatPreviewPage(const TStampaDocumentoBase& engine, int pageNumber, int pages);

// The layout preview for one command line (the arguments without the program name): reads the document
// file and the INI file that the stampadoc beside `executablePath` would read, composes every page as a
// print run would and writes the page text to `out`. Never changes the document file. Returns 0.
int RunPreview(const std::vector<std::string>& arguments, const std::string& executablePath,
               std::ostream& out);
