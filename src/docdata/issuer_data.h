#pragma once

// The issuing company's data, printed in the letterhead of the pre-printed form.

#include <string>

struct TDatiGlobali {
    std::string Name1;
    std::string Name2;
    std::string Street;
    std::string Town;
    std::string Province;
    std::string VatNumber;
    std::string FiscalCode;
    std::string Extra1;
    std::string Extra2;
};

// Filled by the document file reader from line 8; lives for the whole process and is never cleared.
extern TDatiGlobali IssuerData;
