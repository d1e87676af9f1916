#pragma once

#include "layout/stampa_documento_base.h"

// The direct printing branch of the print run: the document's pages drawn on the open print job of
// Printer(), the whole document once per copy, every copy beginning on a new sheet. The left margin is a
// sixth of an inch of the printer. Answers false when the document cannot be composed, no job is open or
// the job stops taking pages; copies 0 prints nothing and answers true.
bool PrintDirectly(TStampaDocumentoBase& engine, int copies, int rowCount,
                   const TStampaDocumentoBase::ColumnHeadingList& ColumnHeadings);
