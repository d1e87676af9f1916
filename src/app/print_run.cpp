// The print run: counts the pages of the loaded document, then produces them as pages of the PDF file.
#include "app/print_run.h"

#include "app/credit_line.h"
#include "app/delivery.h"
#include "app/file_lock.h"
#include "app/pdf_output.h"
#include "app/print_run_direct.h"
#include "layout/composition_error.h"
#include "pdf/toolkit.h"
#include "platform/file_exists.h"
#include "platform/replacement_file.h"
#include "util/strings.h"

#include <sstream>
#include <string>

namespace {

// Frees the page buffer when the run ends, on every exit path.
struct PageBufferRelease {
    std::unique_ptr<TPagina>& page;
    ~PageBufferRelease() { page.reset(); }
};

constexpr int kFormUnitsPerInch = 600;
constexpr double kPictureInset = 0.05; // inch left free on either side of the page picture
constexpr int kMeasureInches = 2;
constexpr int kOriginTopLeft = 1;
constexpr int kTimesRoman = 8;
constexpr double kCreditTextSize = 6;
constexpr int kAlignCentre = 1;

// Loads the existing PDF file, or creates a new document, and sets the units the pages are laid out in.
// documentsBefore receives the number of documents the file already holds; reason why it failed.
bool PrepareDocument(TPDFToolkit& pdf, const std::string& pdfFile, int& documentsBefore,
                     std::string& reason) {
    documentsBefore = 0;
    if (IsExistingFile(pdfFile)) {
        if (pdf.LoadFromFile(pdfFile) <= 0) {
            reason = "the PDF file " + pdfFile + " cannot be read";
            return false;
        }
        // A file without a readable count was not written by this program: no page is added to it.
        const std::optional<int> count = ParseDocumentCount(pdf.GetCustomInformation(DocumentCountKey));
        if (!count) {
            reason = "the PDF file " + pdfFile + " has no document count of this program";
            return false;
        }
        documentsBefore = *count;
        if (pdf.NewPage() <= 0) {
            reason = "no page can be added to the PDF file " + pdfFile;
            return false;
        }
    } else if (pdf.NewDocument() == nullptr || pdf.SetPageSize("A4") <= 0) {
        reason = "a new PDF document cannot be created";
        return false;
    }
    if (pdf.SetMeasurementUnits(kMeasureInches) > 0 && pdf.SetOrigin(kOriginTopLeft) > 0 &&
        pdf.CompressImages(1) > 0)
        return true;
    reason = "the PDF document cannot be set up";
    return false;
}

// The information entries and the document's custom entries. Every step must succeed: a file saved
// without its count could never be appended to again.
bool SetDocumentInformation(TPDFToolkit& pdf, int documentsBefore, const std::string& indexRecord) {
    const std::string& credit = CreditLine();
    const std::string title = documentsBefore >= 1 ? "Documenti fiscali" : "Documento fiscale";
    const std::string number = std::to_string(documentsBefore + 1);
    return pdf.SetInformation(1, credit) > 0 && pdf.SetInformation(2, title) > 0 &&
           pdf.SetInformation(3, title) > 0 && pdf.SetInformation(4, "") > 0 &&
           pdf.SetInformation(5, "Marvendo") > 0 && pdf.SetInformation(6, credit) > 0 &&
           pdf.SetCustomInformation(DocumentCountKey, number) > 0 &&
           pdf.SetCustomInformation(DocumentEntryPrefix + number, indexRecord) > 0;
}

// One composed page as a PDF page: the page picture, the logo and the vertical credit line, then a new
// page unless this is the document's last page. Sets the engine's failureReason when it fails.
// logo is the logo image once it has been added to the document.
bool OutputPdfPage(TStampaDocumentoBase& engine, TPDFToolkit& pdf, TPDFImage*& logo) {
    const int height = static_cast<int>(pdf.PageHeight() * kFormUnitsPerInch);
    const int width = static_cast<int>(pdf.PageWidth() * kFormUnitsPerInch);
    bool result = engine.RenderPage(engine.page->lineCount(), width - 60 - 2 * engine.leftMargin,
                                    engine.leftMargin, height);
    if (!result)
        engine.failureReason = "page " + std::to_string(engine.currentPage) + " cannot be drawn";

    if (result) {
        // The picture moves into the stream and back, so that the toolkit reads it without a copy and its
        // memory serves the next page.
        std::istringstream picture(std::move(engine.formStream));
        TPDFImage* image = pdf.AddImageFromStream(picture, 0);
        engine.formStream = std::move(picture).str();
        result = image != nullptr && pdf.SelectImage(image) > 0 &&
                 pdf.DrawImage(kPictureInset, 0, pdf.PageWidth() - 2 * kPictureInset, pdf.PageHeight()) > 0;
        if (!result)
            engine.failureReason = "page " + std::to_string(engine.currentPage) + " cannot be placed";
    }

    if (result && engine.captions && engine.captions->printLetterhead && engine.printLogo &&
        IsExistingFile(engine.logoFile)) {
        const TLogoFrame& frame = engine.logoFrame;
        const double units = kFormUnitsPerInch;
        // The logo is read once per run and placed as one image on every page.
        if (logo == nullptr) {
            std::istringstream bytes(engine.logoBytes());
            logo = pdf.AddImageFromStream(bytes, 0);
        }
        result =
            logo != nullptr && pdf.SelectImage(logo) > 0 &&
            pdf.FitImage(frame.left / units + kPictureInset, frame.top / units,
                         (frame.right - frame.left) / units, (frame.bottom - frame.top) / units, 1, 1, 0) > 0;
        if (!result)
            engine.failureReason = "the logo " + engine.logoFile + " is not an image that can be placed";
    }

    if (result) {
        result = pdf.AddStandardFont(kTimesRoman) != nullptr && pdf.SetTextSize(kCreditTextSize) > 0 &&
                 pdf.SetTextAlign(kAlignCentre) > 0;
        if (result) {
            const double left = pdf.PageWidth() - pdf.GetTextHeight() - kPictureInset;
            result = pdf.DrawRotatedText(left, pdf.PageHeight() / 2, 90, CreditLine()) > 0;
        }
        if (!result)
            engine.failureReason = "the credit line cannot be written";
    }

    // The page picture's memory serves page after page; after the last page it is given back before the
    // file is saved.
    if (engine.isLastPage()) {
        std::string().swap(engine.formStream);
        engine.pageBitmap.reset();
    }

    if (result && !engine.isLastPage()) {
        result = pdf.NewPage() > 0;
        if (!result)
            engine.failureReason = "no page can be added after page " + std::to_string(engine.currentPage);
    }
    return result;
}

} // namespace

bool TStampaDocumentoBase::printRun(int copies, int rowCount, const ColumnHeadingList& ColumnHeadings) {
    failureReason.clear();
    if (!pdfOutput)
        return PrintDirectly(*this, copies, rowCount, ColumnHeadings);
    if (!pdfToolkit || pdfFile.empty()) {
        failureReason = "no PDF file to write";
        return false;
    }
    // A printer the saved file cannot reach fails the run before anything is written, so that running
    // the document again does not archive it twice.
    const bool delivering = !TrimControl(printerName).empty();
    if (delivering && !IsDeliveryPrinterInstalled(printerName)) {
        failureReason = "the printer " + printerName + " is not installed";
        return false;
    }
    TPDFToolkit& pdf = *pdfToolkit;

    PageBufferRelease release{page};
    try {
        // Page buffer, lists, captions, zones and the counting pass.
        PreparePages(rowCount, ColumnHeadings);
    } catch (const ECompositionError& error) {
        failureReason = std::string("the document cannot be composed: ") + error.what();
        return false;
    }

    // Nothing is created for a name with control bytes, nor beside a file that is no PDF file. The lock
    // file lives beside the PDF file, so its folder must exist before it can be taken; lock and save
    // go to the real path, so that two names of one archive serialise their runs.
    if (HasControlBytes(pdfFile)) {
        failureReason = "the PDF file name holds control characters";
        return false;
    }
    if (!EnsurePdfFolder(pdfFile)) {
        failureReason = "the folder of the PDF file " + pdfFile + " cannot be created";
        return false;
    }
    const std::string archive = ResolvedPdfPath(pdfFile);
    if (archive.empty()) {
        failureReason = "the real path of the PDF file " + pdfFile + " cannot be resolved";
        return false;
    }
    if (IsForeignFile(archive)) {
        failureReason = "the file " + archive + " cannot be read as a PDF file; nothing is written beside it";
        return false;
    }
    const TFileLock lock(PdfLockFileName(archive));
    if (!lock.held()) {
        failureReason = "the lock of the PDF file " + archive + " cannot be taken";
        return false;
    }
    RemoveAbandonedReplacements(archive);

    int documentsBefore = 0;
    bool result = PrepareDocument(pdf, archive, documentsBefore, failureReason);

    if (result) {
        try {
            TPDFImage* logo = nullptr;
            result = ComposePass([&] { return OutputPdfPage(*this, pdf, logo); });
        } catch (const ECompositionError& error) {
            failureReason = std::string("the document cannot be composed: ") + error.what();
            result = false;
        }
    }

    if (result) {
        result = SetDocumentInformation(pdf, documentsBefore, DocumentIndexRecord(pageCount));
        if (!result)
            failureReason = "the information entries of the PDF file cannot be set";
    }
    if (result) {
        result = pdf.SaveToFile(archive) > 0;
        if (!result)
            failureReason = "the PDF file " + archive + " cannot be saved";
    }
    pdf.RemoveDocument(pdf.SelectedDocument());
    // The saved file is printed while the lock is still held, so that it holds no later run's pages yet.
    if (result && delivering) {
        result = deliver(copies);
        if (!result)
            failureReason = "the PDF file " + archive + " was saved but not printed on " + printerName;
    }
    return result;
}
