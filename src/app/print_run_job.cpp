#include "app/print_run_job.h"

#include "app/engine_settings.h"
#include "layout/stampa_documento_base.h"
#include "platform/printer.h"

#include <cstdio>

bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName) {
    const bool direct = job.engine.pdfFile.empty();
    bool result = false;
    {
        TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText, !direct);
        HandSettingsToEngine(engine, job.engine, *job.document);
        engine.printerName = printerName;
        result = engine.printRun(job.copies, job.rowsPerPage, job.ColumnHeadings);
    }
    // Direct printing: the job is sent only after a successful run; a failed run's pages are cancelled,
    // since its document file stays to be printed again. The document file goes only once the spooler
    // has taken the job.
    if (direct) {
        if (result)
            result = Printer().endDoc();
        else
            Printer().abortDoc();
    }
    if (result)
        std::remove(job.documentFile.c_str());
    return result;
}
