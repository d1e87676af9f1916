#include "app/print_run_job.h"

#include "app/engine_settings.h"
#include "app/kept_document.h"
#include "layout/stampa_documento_base.h"

bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName) {
    bool result = false;
    std::string reason;
    {
        TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText,
                                    !job.engine.pdfFile.empty());
        HandSettingsToEngine(engine, job.engine, *job.document);
        engine.printerName = printerName;
        // Without an open print job the rows per page are the "/R=" value.
        result = engine.printRun(job.copies, job.rowsPerPage, job.ColumnHeadings);
        reason = engine.failureReason;
    }
    if (!result) {
        ReportKeptDocument(job.documentFile, reason.empty() ? "the print run failed" : reason);
        return false;
    }
    DeletePrintedDocument(job.documentFile);
    return result;
}
