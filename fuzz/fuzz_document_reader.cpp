// Feeds arbitrary bytes to the document file reader as a document file, then prints the values read the
// way the print engine does, so that no file content can crash or hang reading or formatting.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "docdata/document_reader.h"
#include "util/dates.h"
#include "util/numbers.h"

namespace {

std::string DocumentPath() {
    static const std::string path = "/tmp/fuzz_document_reader_" + std::to_string(getpid()) + ".txt";
    return path;
}

bool WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void FormatLikeThePrintEngine(const TRecDocObjectBase& doc) {
    std::string sink;
    sink += FormatDateLong(doc.DocDate) + FormatDateShort(doc.TransportDate);
    for (int i = 1; i <= 5; ++i) {
        sink += FormatDateShort(doc.GetDueDate(i));
        sink += FormatNumber(doc.DocCurrencyDecimals, 14, NumberModeMoney, true, doc.GetDueAmount(i));
    }
    sink += FormatNumber(doc.DocCurrencyDecimals, 14, NumberModeMoney, true,
                         doc.GrandTotal - doc.WithholdingAmount);
    sink += FormatNumber(2, 10, NumberModeDecimals, true, doc.WithholdingRate);
    for (int i = 0; i < doc.Lines.Count() && i < 50; ++i) {
        const TRecRigaDocObject& line = *doc.Lines.Line(i);
        sink += FormatNumber(3, 10, NumberModeQuantity, true, ParseNumber(line.Quantity, 0));
        sink += FormatNumber(0, 12, NumberModePrice, true, ParseNumber(line.UnitPrice, 0));
        sink += FormatNumber(doc.DocCurrencyDecimals, 14, NumberModeMoney, true, line.Amount);
    }
    for (const std::string& taxable : doc.AltVatTaxables)
        sink += FormatNumber(2, 14, NumberModeDecimals, true, ParseNumber(taxable, 0));
    if (sink.size() == 1)
        std::abort(); // never true: keeps the work from being optimised away
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every input starts from the same process-wide settings.
    SetNumberSeparators('.', '\0');
    PivotYear = 1951;
    const std::string path = DocumentPath();
    if (!WriteFile(path, data, size))
        return 0;
    TRecDocObjectBase doc;
    RunParameters params;
    ReadDocumentFile(path, doc, params);
    FormatLikeThePrintEngine(doc);
    TRecDocObjectBase copy;
    copy.Assign(doc);
    std::remove(path.c_str());
    return 0;
}
