#include "app/run_mode.h"

RunMode ChooseRunMode(const RunSettings& settings, bool inputFileExists) {
    const bool inputPresent = !settings.inputFile.empty() && inputFileExists;
    if (!settings.reprintKind.empty() && inputPresent && !settings.printerName.empty())
        return RunMode::ReprintPdf;
    if (inputPresent && (!settings.printerName.empty() || settings.rowsPerPage > 0) && settings.copies > 0 &&
        !settings.layoutFlags.empty())
        return RunMode::PrintDocumentFile;
    return RunMode::None;
}
