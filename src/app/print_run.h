#pragma once

// The print run is TStampaDocumentoBase::printRun (layout/stampa_documento_base.h). For PDF output it
// appends the document's pages to the engine's pdfFile under an exclusive lock held from loading to
// saving, both on the file's real path, so that runs writing into the same file at the same time, by
// whatever name, all end up in it.
//
// The run answers true only when every page was produced and the PDF file was saved and flushed to
// disk; start-up then deletes the document file. On every other outcome the document file stays:
// - the document cannot be composed (a page without body rows, a malformed price);
// - the PDF file exists but cannot be loaded, or was not written by this program (its
//   "Numero Documenti Nel File" entry is missing or is no count): nothing is produced or written;
// - the PDF file's name holds a control byte, names a file that is no PDF file, or its folder cannot be
//   made: nothing is created;
// - the PDF file may not be written by this user: it stays as it is;
// - a toolkit step fails: no further pages, the file is not saved;
// - a printer is named and the saved file could not be printed `copies` times on it (see deliver);
// - direct printing (no PDF file): no print job is open, or the job stops taking pages.
//
// Direct printing draws every page on the open print job of Printer() (print_run_direct.h).
#include "layout/stampa_documento_base.h"
