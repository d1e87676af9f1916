#include "app/print_run_job.h"

#include "layout/stampa_documento_base.h"

#include <cstdio>

namespace {

// The settings in the order start-up hands them over.
void HandOverSettings(TStampaDocumentoBase& engine, const DocumentPrintJob& job) {
    const EngineSettings& s = job.engine;
    engine.leftMargin = s.leftMargin;
    engine.printTransportDetails = s.printTransportDetails;
    engine.layoutFlag1 = s.layoutFlag1;
    engine.layoutFlag2 = s.layoutFlag2;
    engine.setCaptionDefaults(s.printLetterhead);
    engine.printLogo = s.printLogo;
    engine.loadDocument(*job.document, s.altPriceDigit);
    engine.layoutFlag5 = s.layoutFlag5;
    engine.layoutKind = s.layoutKind;
    engine.layoutFlag7 = s.layoutFlag7;
    engine.logoFile = s.logoFile;
    engine.optionP = s.optionP;
    engine.option92 = s.option92;
    engine.option93 = s.option93;
    engine.topRows = s.topRows;
    engine.bottomRows = s.bottomRows;
    engine.option94 = s.option94;
    engine.option95 = s.option95;
    engine.option96 = s.option96;
    engine.pdfFile = s.pdfFile;
    engine.currency = s.currency;
    engine.footerText1 = s.footerText1;
    engine.footerText2 = s.footerText2;
    engine.footerText3 = s.footerText3;
    engine.footerCompressed = s.footerCompressed;
    engine.footerSize = s.footerSize;
    engine.footerAlignment = s.footerAlignment;
    engine.halftone = s.halftone;
}

} // namespace

bool RunDocumentPrintJob(const DocumentPrintJob& job, const std::string& printerName) {
    bool result = false;
    {
        TStampaDocumentoBase engine(job.halftoneBitmapPath, job.transportDateText,
                                    !job.engine.pdfFile.empty());
        HandOverSettings(engine, job);
        engine.printerName = printerName;
        // Without an open print job the rows per page are the "/R=" value.
        result = engine.printRun(job.copies, job.rowsPerPage, job.ColumnHeadings);
    }
    if (result)
        std::remove(job.documentFile.c_str());
    return result;
}
