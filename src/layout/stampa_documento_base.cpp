#include "layout/stampa_documento_base.h"

#include "layout/fixed_text.h"
#include "layout/logo_file.h"
#include "pdf/toolkit.h"
#include "platform/system_currency.h"
#include "util/numbers.h"

TStampaDocumentoBase::TStampaDocumentoBase(const std::string& halftoneBitmapPath,
                                           const std::string& transportDateText, bool pdfOutputOn)
    : captions(std::make_unique<TTavPersoStampanteFatt>()), dateText(transportDateText),
      pdfOutput(pdfOutputOn), currencySymbol(SystemCurrencySymbol()), halftonePath(halftoneBitmapPath) {
    if (pdfOutput)
        pdfToolkit = std::make_unique<TPDFToolkit>();
}

TStampaDocumentoBase::~TStampaDocumentoBase() = default;

const std::string& TStampaDocumentoBase::logoBytes() {
    if (!logoCache)
        logoCache = ReadLogoFile(logoFile);
    return *logoCache;
}

void TStampaDocumentoBase::setCaptionDefaults(bool printLetterhead) {
    if (captions)
        captions->setDefaults(printLetterhead);
}

void TStampaDocumentoBase::loadDocument(const TRecDocObjectBase& record, int digit) {
    document.Assign(record);
    document.AltPriceMode = digit == 1 ? 0 : 1;
}

void TStampaDocumentoBase::writeHeader(int row, int column, const std::string& text) {
    if (page)
        page->putText(row, column, text, false);
}

void TStampaDocumentoBase::writeAddress(int row, int column, const std::string& text) {
    if (page)
        page->putText(row, column, text, false);
}

void TStampaDocumentoBase::writeTotals(int row, int column, const std::string& text) {
    if (page)
        page->putText(row, column, text, false);
}

void TStampaDocumentoBase::writeBody(int row, int column, const std::string& text) {
    if (page)
        page->putText(row, column, text, !option94);
}

const TRecRigaDocObject& TStampaDocumentoBase::lineAt(int index) const {
    static const TRecRigaDocObject kEmptyLine;
    const TRecRigaDocObject* line = document.Lines.Line(index);
    return line ? *line : kEmptyLine;
}

int TStampaDocumentoBase::kind() const {
    return static_cast<int>(document.DocKind);
}

int TStampaDocumentoBase::priceKind() const {
    return static_cast<int>(document.PriceKind);
}

bool TStampaDocumentoBase::isDigitOne() const {
    return document.AltPriceMode != 1;
}

bool TStampaDocumentoBase::isKind1or2() const {
    return kind() == 1 || kind() == 2;
}

bool TStampaDocumentoBase::isKind4() const {
    return kind() == 4;
}

bool TStampaDocumentoBase::isKind3() const {
    return kind() == 3;
}

bool TStampaDocumentoBase::isKind5() const {
    return kind() == 5;
}

bool TStampaDocumentoBase::isKind6to8() const {
    return kind() >= 6 && kind() <= 8;
}

bool TStampaDocumentoBase::isPricedDocument() const {
    return priceKind() == 0 || (priceKind() == 2 && isKind1or2());
}

bool TStampaDocumentoBase::isPriceModeNot1() const {
    return priceKind() != 1;
}

bool TStampaDocumentoBase::isSingleCurrency() const {
    return kind() >= 1 && kind() <= 4 && document.DocCurrency == document.BaseCurrency;
}

std::string TStampaDocumentoBase::formatAmount(int width, double value) const {
    return FormatNumber(document.DocCurrencyDecimals, width, 0, true, value);
}

std::string TStampaDocumentoBase::documentNumberText() const {
    std::string text = fixed_text::Trim(document.DocSeries);
    if (document.DocNumber > 0)
        text += fixed_text::Decimal(document.DocNumber);
    return text;
}

bool TStampaDocumentoBase::isPriceMode0NotKind5() const {
    return priceKind() == 0 && !isKind5();
}

bool TStampaDocumentoBase::hasFooterText() const {
    return !footerText1.empty() || !footerText2.empty() || !footerText3.empty();
}
