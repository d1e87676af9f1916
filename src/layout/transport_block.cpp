// Transport data: the body lines of layout C and the bottom block of layouts P and U.
#include "docdata/code_tables.h"
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"

using fixed_text::Left;
using fixed_text::Trim;

std::string TStampaDocumentoBase::FieldOrBlank(const std::string& formatted, const std::string& value,
                                               int n) {
    if (!Trim(value).empty())
        return formatted;
    return TPagina::blanks(n);
}

void TStampaDocumentoBase::BuildTransportLines() {
    transportLines.clear();
    if (layoutKind != "C")
        return;
    const auto append = [this](const std::string& line) {
        if (!Trim(line).empty())
            transportLines.push_back(line);
    };
    const bool goodsDocument = isKind4() || isKind5();
    if (goodsDocument && option96)
        append("DESTINATARIO:     FIRMA (PER RICEVUTA)          ");
    const int by = static_cast<int>(document.TransportBy);
    if (!printTransportDetails || !goodsDocument || by == 0)
        return;
    if (option96)
        append(std::string(48, '-'));

    const std::string indent(18, ' ');
    append(FieldOrBlank("PORTO: " + Left(document.FreightTerms, 10) + " ", document.FreightTerms, 18) +
           FieldOrBlank("PESO: " + Left(document.Weight, 9) + " ", document.Weight, 16) +
           FieldOrBlank("DATA: " + Left(dateText, 8), dateText, 15));
    append(FieldOrBlank("COLLI: " + Left(document.PackageCount, 10) + " ", document.PackageCount, 17) +
           FieldOrBlank(document.GoodsAppearance, document.GoodsAppearance, 0));
    append(FieldOrBlank("CAUSA:" + std::string(12, ' ') + Left(document.TransportReason, 30),
                        document.TransportReason, 0));
    if (by == 1) {
        append("VETT.:" + std::string(12, ' ') + Left(document.CarrierName, 30) + "   FIRMA VETTORE:");
        append(FieldOrBlank(indent + Left(document.CarrierStreet, 30), document.CarrierStreet, 0));
        append(indent + Left(document.CarrierTown, 27) + " " + Left(document.CarrierProvince, 2));
        const std::string taxId = Trim(document.CarrierTaxId);
        if (!taxId.empty())
            append(indent + (taxId.size() > 11 ? "C.FISC " : "P.IVA ") + document.CarrierTaxId);
        for (const std::string* extra : {&document.CarrierExtra1, &document.CarrierExtra2})
            if (!Trim(*extra).empty())
                append(indent + Left(*extra, 30));
    } else {
        const std::string means = TransportByCaption(by, document.TransportMeansText);
        append(FieldOrBlank("MEZZO:" + std::string(12, ' ') + Left(means, 30), means, 0));
    }
}

int TStampaDocumentoBase::BottomTransportRows() const {
    int rows = 8;
    if (!Trim(document.CarrierTaxId).empty() || !Trim(document.CarrierExtra2).empty())
        ++rows;
    if (!Trim(document.CarrierExtra1).empty())
        ++rows;
    return rows;
}

void TStampaDocumentoBase::PrintBottomTransport() {
    if (!((layoutKind == "P" && currentPage == 1) || (layoutKind == "U" && isLastPage())))
        return;
    const int t = TransportTop;
    const char* byCaption = nullptr;
    switch (static_cast<int>(document.TransportBy)) {
    case 1:
        byCaption = "VETTORE";
        break;
    case 2:
        byCaption = "MITTENTE";
        break;
    case 3:
        byCaption = "DESTINATARIO";
        break;
    case 4:
        byCaption = "ALTRO";
        break;
    default:
        break;
    }
    if (byCaption)
        writeAddress(t, 1, byCaption);
    writeAddress(t, 17, document.TransportReason);
    writeAddress(t, 48, document.FreightTerms);
    writeAddress(t, 59, dateText);
    writeAddress(t + 2, 1, document.PackageCount);
    writeAddress(t + 2, 17, document.GoodsAppearance);
    writeAddress(t + 2, 48, document.Weight);
    writeAddress(t + 4, 1, document.CarrierName);
    writeAddress(t + 5, 1, document.CarrierStreet);
    writeAddress(t + 6, 1, document.CarrierTown + " " + document.CarrierProvince);

    std::string identity;
    if (!Trim(document.CarrierTaxId).empty())
        identity = (Trim(document.CarrierTaxId).size() > 11 ? "C.FISC " : "P.IVA ") + document.CarrierTaxId;
    identity = Trim(identity + " " + Trim(document.CarrierExtra2));
    int row = t + 7;
    if (!identity.empty())
        writeAddress(row++, 1, identity);
    const std::string extra1 = Trim(document.CarrierExtra1);
    if (!extra1.empty())
        writeAddress(row, 1, extra1);
}
