// Registered-office and fiscal-code lines printed at the head of the body.
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"

using fixed_text::Cut;
using fixed_text::Left;
using fixed_text::Right;
using fixed_text::Trim;

namespace {

// An 18-character label area followed by the value right-aligned in 30.
std::string Labelled(const std::string& label, const std::string& value) {
    return Left(label, 18) + Right(value, 30);
}

std::string DashRule() {
    return Labelled("", std::string(30, '-'));
}

} // namespace

bool TStampaDocumentoBase::HasLegalOffice() const {
    // A document that names no registered office at all has none to show: an empty office would print
    // bare labels under every customer block.
    const bool named = !Trim(document.LegalName1).empty() || !Trim(document.LegalName2).empty() ||
                       !Trim(document.LegalStreet).empty() || !Trim(document.LegalTown).empty() ||
                       !Trim(document.LegalProvince).empty();
    const bool differs = Trim(document.LegalName1) != Trim(document.CustomerName1) ||
                         Trim(document.LegalName2) != Trim(document.CustomerName2) ||
                         Trim(document.LegalStreet) != Trim(document.CustomerStreet) ||
                         Trim(document.LegalTown) != Trim(document.CustomerTown) ||
                         Trim(document.LegalProvince) != Trim(document.CustomerProvince);
    return named && differs && !Trim(document.CustomerCode).empty();
}

bool TStampaDocumentoBase::HasTaxCode() const {
    return layoutFlag5 && !Trim(document.CustomerFiscalCode).empty();
}

void TStampaDocumentoBase::BuildAddressLines() {
    addressLines.clear();
    if (HasLegalOffice()) {
        const std::string candidates[] = {
            Left(Trim(document.LegalName1), 30),
            Left(Trim(document.LegalName2), 30),
            Left(Trim(document.LegalStreet), 30),
            Left(Trim(document.LegalTown), 27) + " " + Right(Trim(document.LegalProvince), 2),
        };
        for (const std::string& line : candidates)
            if (!Trim(line).empty())
                addressLines.push_back(line);
        if (addressLines.size() < 2)
            addressLines.emplace_back();
        const char* const labels[] = {"DESTINATARIO:", "(SEDE LEGALE)", "", ""};
        for (size_t i = 0; i < addressLines.size() && i < 4; ++i)
            addressLines[i] = Labelled(labels[i], addressLines[i]);
        if (HasTaxCode() || ((isKind4() || isKind5()) && option96))
            addressLines.push_back(DashRule());
    }
    if (HasTaxCode()) {
        addressLines.push_back(
            Labelled("COD.FISCALE:", Left(Cut(Trim(document.CustomerFiscalCode), 30), 30)));
        if ((isKind4() || isKind5()) && option96 && layoutKind != "P" && layoutKind != "U")
            addressLines.push_back(DashRule());
    }
}
