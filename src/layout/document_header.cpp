// Document header rows and page numbering.
#include "docdata/code_tables.h"
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"
#include "util/dates.h"

using fixed_text::Left;
using fixed_text::Right;
using fixed_text::Trim;

std::string TStampaDocumentoBase::PageNumberText() const {
    if (pageCount <= 1)
        return "";
    if (pageCount <= 9)
        return fixed_text::Decimal(currentPage) + "/" + fixed_text::Decimal(pageCount);
    return fixed_text::Decimal(currentPage);
}

void TStampaDocumentoBase::PrintHeader() {
    // Title row: title, "N." when it fits, the number, the date and the page number.
    std::string title = document.DocTitle + " ";
    const std::string number = documentNumberText();
    if (title.size() + number.size() + 2 <= 24 && !number.empty())
        title += "N.";
    title += number;
    writeHeader(HeaderTop, 40, Left(title, 24));
    writeHeader(HeaderTop, 66, FormatDateLong(document.DocDate));
    writeHeader(HeaderTop, 77, Right(PageNumberText(), 3));

    // Customer row: VAT number (with the country prefix for one tax class), customer and agent codes.
    const int r = HeaderTop + 3;
    const std::string country =
        ClassifyTaxClass(document.CustomerTaxClass) == 2 ? document.CustomerVatCountry : std::string();
    writeHeader(r, 41, Trim(Right(country, 2) + Right(document.CustomerVatNumber, 11)));
    writeHeader(r, 58, Left(document.CustomerCode, 10));
    writeHeader(r, 70, Left(document.AgentCode, 10));

    if (currentPage == 1 || layoutFlag7) {
        writeHeader(r + 9, 46, Left(document.CustomerName1, 30));
        writeHeader(r + 10, 46, Left(document.CustomerName2, 30));
        writeHeader(r + 11, 46, Left(document.CustomerStreet, 30));
        writeHeader(r + 12, 46, Left(document.CustomerTown, 27) + " " + Left(document.CustomerProvince, 2));
    } else {
        writeHeader(r + 9, 46, TPagina::blanks(30));
        writeHeader(r + 10, 46, TPagina::blanks(13) + "SEGUE" + TPagina::blanks(12));
        writeHeader(r + 11, 46, TPagina::blanks(30));
        writeHeader(r + 12, 46, TPagina::blanks(30));
    }

    if (currentPage != 1)
        return;
    const int s = HeaderTop + 6;
    writeHeader(s, 40, Left(document.HeaderNote1, 40));
    writeHeader(s + 1, 40, Left(document.HeaderNote2, 40));
    const std::string& note3 = document.HeaderNote3;
    if (Trim(note3).size() > 40) {
        // A long third note ends at column 79; what would stand left of column 1 is dropped.
        const int length = static_cast<int>(note3.size());
        const int column = 80 - length;
        if (column >= 1)
            writeHeader(s + 2, column, note3);
        else
            writeHeader(s + 2, 1, note3.substr(static_cast<size_t>(1 - column)));
    } else {
        writeHeader(s + 2, 40, Left(note3, 40));
    }
}

std::string TStampaDocumentoBase::DocumentIndexRecord(int pages) const {
    const std::string values[] = {
        DocKindLetter(kind()),
        Trim(FormatDateLong(document.DocDate)),
        Trim(documentNumberText()),
        Trim(document.CustomerCode),
        Trim(document.CustomerName1),
        Trim(document.CustomerName2),
        Trim(document.CustomerVatNumber),
        Trim(document.DocCurrency),
        fixed_text::Decimal(pages),
    };
    std::string record;
    for (const std::string& value : values) {
        if (!record.empty())
            record += ",";
        record += "~" + value + "~";
    }
    return record;
}
