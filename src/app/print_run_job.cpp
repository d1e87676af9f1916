#include "app/print_run_job.h"

#include "app/engine_settings.h"
#include "app/kept_document.h"
#include "layout/stampa_documento_base.h"
#include "platform/printer.h"

bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName) {
    const bool direct = job.engine.pdfFile.empty();
    bool result = false;
    std::string reason;
    {
        TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText, !direct);
        HandSettingsToEngine(engine, job.engine, *job.document);
        engine.printerName = printerName;
        result = engine.printRun(job.copies, job.rowsPerPage, job.ColumnHeadings);
        reason = engine.failureReason;
    }
    // Direct printing: the job is sent only after a successful run; a failed run's pages are cancelled,
    // since its document file stays to be printed again. The document file goes only once the spooler
    // has taken the job.
    if (direct) {
        if (result) {
            result = Printer().endDoc();
            if (!result)
                reason = "the spooler did not take the print job";
        } else {
            Printer().abortDoc();
        }
    }
    if (!result) {
        ReportKeptDocument(job.documentFile, reason.empty() ? "the print run failed" : reason);
        return false;
    }
    DeletePrintedDocument(job.documentFile);
    return result;
}
