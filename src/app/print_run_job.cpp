#include "app/print_run_job.h"

#include "app/engine_settings.h"
#include "layout/stampa_documento_base.h"

#include <cstdio>

bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName) {
    bool result = false;
    {
        TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText,
                                    !job.engine.pdfFile.empty());
        HandSettingsToEngine(engine, job.engine, *job.document);
        engine.printerName = printerName;
        // Without an open print job the rows per page are the "/R=" value.
        result = engine.printRun(job.copies, job.rowsPerPage, job.ColumnHeadings);
    }
    if (result)
        std::remove(job.documentFile.c_str());
    return result;
}
