#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "docdata/document_record.h"
#include "layout/pagina.h"
#include "layout/render_page.h"
#include "layout/tav_meta_object.h"
#include "layout/tav_perso_stampante_fatt.h"
#include "platform/mono_page_bitmap.h"

class TPDFToolkit;

// The print engine: the engine's own copy of one document, every layout setting, the page buffer and the
// operations that compose the pages of the document.
class TStampaDocumentoBase {
public:
    using ColumnHeadingList = std::array<std::string, 8>;
    // Called once a page is composed; answers false to stop producing pages.
    using PageSink = std::function<bool()>;

    TStampaDocumentoBase(const std::string& halftoneBitmapPath, const std::string& transportDateText,
                         bool pdfOutputOn);
    ~TStampaDocumentoBase();
    TStampaDocumentoBase(const TStampaDocumentoBase&) = delete;
    TStampaDocumentoBase& operator=(const TStampaDocumentoBase&) = delete;

    // --- Fields, in their declared order -------------------------------------------------------
    TRecDocObjectBase document;
    std::unique_ptr<TTavPersoStampanteFatt> captions;
    std::unique_ptr<TPagina> page;
    int currentPage = 1;
    int pageCount = 0;
    int BodyRows = 0;
    int HeaderTop = 1;
    int BodyTop = 23;
    int TransportTop = 0;
    int FooterTop = 0;
    int TotalsTop = 0;
    std::vector<std::string> addressLines;
    std::vector<std::string> transportLines;
    std::vector<std::string> totalsLines;
    std::string dateText;
    std::vector<std::string> printableLines;
    std::array<std::string, 5> TotalsCaptions;
    bool ShowDueCaptions = true;
    bool ShowVatCaptions = true;
    int pageBodyMark = -1;
    bool printTransportDetails = false;
    bool layoutFlag1 = false;
    bool layoutFlag2 = false;
    bool layoutFlag5 = false;
    std::string logoFile;
    std::string pdfFile;
    int topRows = 0;
    int bottomRows = 0;
    bool printLogo = false;
    bool option93 = false;
    bool option94 = false;
    bool option95 = false;
    bool option96 = false;
    bool option92 = false;
    bool optionP = false;
    bool pdfOutput = false;
    bool currency = false;
    std::string footerText1;
    std::string footerText2;
    std::string footerText3;
    bool footerCompressed = false;
    bool halftone = true;
    int footerSize = 100;
    std::uint8_t footerAlignment = 2;
    std::string currencySymbol;
    int leftMargin = 0;
    std::string layoutKind = "N";
    bool layoutFlag7 = false;

    // The halftone bitmap handed to the form canvas.
    const std::string halftonePath;

    // --- Form canvas and page picture (written by RenderPage) ------------------------------------
    // The form canvas; RenderPage creates it with halftonePath on first use.
    std::unique_ptr<TTavMetaObject> form;
    // PDF output: the current page as a Windows bitmap, read back by AddImageFromStream.
    std::string formStream;
    // PDF output: draws formStream; RenderPage creates it on first use and keeps its memory.
    std::unique_ptr<MonoPageBitmap> pageBitmap;
    // PDF output: the logo box of the current page in 1/600 inch.
    TLogoFrame logoFrame;
    // Direct printing: the printer page RenderPage draws on.
    TPrinterCanvas printerCanvas;
    // PDF output: the PDF writer the print run fills; created with the engine when pdfOutput is on.
    std::unique_ptr<TPDFToolkit> pdfToolkit;
    // The "/S=" printer that the saved PDF file is delivered to; empty when none is named.
    std::string printerName;
    // The logo file's bytes, read on first use and kept for the rest of the run; empty when the file is
    // missing, unreadable or too large to be an image (ReadLogoFile).
    const std::string& logoBytes();
    // Why the last print run failed, named in the message that keeps the document file; empty after a
    // successful run.
    std::string failureReason;

    // --- Construction and settings ---------------------------------------------------------------
    void setCaptionDefaults(bool printLetterhead);
    void loadDocument(const TRecDocObjectBase& record, int digit);

    // --- Page writers ----------------------------------------------------------------------------
    void writeHeader(int row, int column, const std::string& text);
    void writeAddress(int row, int column, const std::string& text);
    void writeTotals(int row, int column, const std::string& text);
    void writeBody(int row, int column, const std::string& text);

    // --- Predicates and small values -------------------------------------------------------------
    bool isDigitOne() const;
    bool isKind1or2() const;
    bool isKind4() const;
    bool isKind3() const;
    bool isKind5() const;
    bool isKind6to8() const;
    bool isLayoutFlag1() const { return layoutFlag1; }
    bool isLayoutFlag2() const { return layoutFlag2; }
    int descriptionWidth() const { return option94 ? 26 : 65; }
    bool isPricedDocument() const;
    bool isPriceModeNot1() const;
    bool isSingleCurrency() const;
    std::string formatAmount(int width, double value) const;
    int headerColumnOffset() const { return 3; }
    int totalsColumnOffset() const { return 2; }
    std::string documentNumberText() const;
    bool isLastPage() const { return currentPage == pageCount; }
    bool isPriceMode0NotKind5() const;
    bool isTransportDetailsOn() const { return printTransportDetails; }
    bool hasFooterText() const;

    // --- Document header and page numbering ------------------------------------------------------
    void PrintHeader();
    std::string PageNumberText() const;
    std::string DocumentIndexRecord(int pages) const;

    // --- Address blocks --------------------------------------------------------------------------
    void BuildAddressLines();
    bool HasLegalOffice() const;
    bool HasTaxCode() const;

    // --- Line body -------------------------------------------------------------------------------
    void ComputeZones(int pageRows);
    void BuildBodyLineIndexes(bool pricesIncludeVat);
    void FillBody(int& AddressCursor, int& TransportCursor, bool& Done, int& TotalsCursor, int& LineCursor);
    int RowsLeft(int i) const { return BodyRows - i; }
    void PrintBodyLine(int row, int lineIndex);
    void PrintArticleRow(int row, int lineIndex);
    int DecimalsIn(const std::string& text) const;
    std::string PadDecimals(const std::string& text) const;

    // --- Totals, VAT summary and payments --------------------------------------------------------
    void BuildCurrencyTotalsLines();
    void PrintTotalsBox();
    void PrintDueRows(int row);
    void PrintVatRows(int row);
    void PrintTotalRows(int a);
    // One row of the VAT summary, 38 characters (longer only when its parts do not fit).
    std::string VatSummaryRow(const std::string& code, const std::string& description, double taxable,
                              double tax) const;
    bool Withholding() const;

    // --- Transport block -------------------------------------------------------------------------
    void BuildTransportLines();
    void PrintBottomTransport();
    int BottomTransportRows() const;
    // formatted when the trimmed value is not empty, otherwise n blanks (empty when n <= 0).
    static std::string FieldOrBlank(const std::string& formatted, const std::string& value, int n);

    // --- Print run -------------------------------------------------------------------------------
    // Creates the page buffer, builds the lists, sets the captions and zones and counts the pages.
    // Raises ECompositionError when the document cannot be composed.
    void PreparePages(int rowCount, const ColumnHeadingList& ColumnHeadings);
    // Composes every page of one pass; after each page sink decides whether to go on. Answers false when
    // the sink stopped the pass. Raises ECompositionError when a page cannot be composed.
    bool ComposePass(const PageSink& sink);
    // PreparePages and one ComposePass; the page buffer is freed on every exit path.
    bool ComposePages(int rowCount, const ColumnHeadingList& ColumnHeadings, const PageSink& sink);

    bool printRun(int copies, int rowCount, const ColumnHeadingList& ColumnHeadings);
    // Prints the PDF file pdfFile `copies` times on printerName ("PREDEFINITA": the default printer),
    // which becomes the device name of the printer used. True when every copy was handed over (and for
    // copies 0 or less); false when the printer is not installed, the file cannot be printed or a copy
    // failed.
    bool deliver(int copies);
    bool RenderPage(int pageRows, int width, int margin, int height);

private:
    std::optional<std::string> logoCache;
    // The document line at index, or an empty line when there is none.
    const TRecRigaDocObject& lineAt(int index) const;
    int printableLineIndex(int cursor) const;
    bool isPageBreakFiller(int cursor) const;
    int kind() const;
    int priceKind() const;
};
