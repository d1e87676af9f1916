#pragma once

#include <cstdint>
#include <string>

// The program-wide values of one run, filled from the switches and the INI file. A default-constructed
// RunSettings holds the values at start, before the command line is read.
struct RunSettings {
    std::string inputFile;    // "/I=": the document file, or the PDF file to print again
    std::string printerName;  // "/S=": a printer name or "PREDEFINITA"; the delivery rewrites it
    std::string layoutFlags;  // "/F=": eight layout flag characters
    int32_t copies = -1;      // "/C=", then INI section "copie_documenti"
    int32_t rowsPerPage = -1; // "/R=": rows per page when no print job is open
    std::string reprintKind;  // "/T=": at most one character, the INI key when printing a PDF file again
    bool optionP = false;     // "/P=1"

    int32_t leftMargin = 150;      // 1/600 inch; INI "margine_sinistro" (100 when the INI file lacks the key)
    bool currency = false;         // INI "currency"
    std::string LogoFile;          // document file line 89, then INI "marchio_file"
    std::string footerText1;       // INI "testo_piede", key code + "_1"
    std::string footerText2;       // INI "testo_piede", key code + "_2"
    std::string footerText3;       // INI "testo_piede", key code + "_3"
    bool footerCompressed = false; // INI "testo_piede_compresso"
    int32_t footerSize = 100;      // INI "testo_piede_dimensione"
    uint8_t footerAlignment = 2;   // INI "testo_piede_allineamento", low byte
    bool halftone = true;          // INI "retinatura"

    bool usageFlag = true; // cleared as soon as one mode's preconditions hold
};
