#pragma once

#include "app/layout_flags.h"
#include "app/run_settings.h"
#include "docdata/document_reader.h"
#include "docdata/document_record.h"
#include "layout/stampa_documento_base.h"

#include <cstdint>
#include <string>

// The settings the print engine receives from start-up, in the order they are handed over: the left
// margin, the layout flags of "/F=" (position 5 travels with the document record), the logo file, "/P=",
// the five layout switches and reserved rows of the document file, the PDF file, and the INI settings.
struct EngineSettings {
    int32_t leftMargin = 0;
    bool printTransportDetails = false; // "/F=" position 1
    bool layoutFlag1 = false;           // position 2
    bool layoutFlag2 = false;           // position 3
    bool printLetterhead = false;       // position 4, through the caption defaults
    bool printLogo = false;             // position 4
    int altPriceDigit = 0;              // position 5, handed over with the document record
    bool layoutFlag5 = false;           // position 6
    std::string layoutKind;             // position 7
    bool layoutFlag7 = false;           // position 8
    std::string logoFile;               // LogoFile, trimmed
    bool optionP = false;
    bool option92 = false;  // document file line 92
    bool option93 = false;  // line 93
    int32_t topRows = 0;    // line 90
    int32_t bottomRows = 0; // line 91
    bool option94 = false;  // line 94
    bool option95 = false;  // line 95
    bool option96 = false;  // line 96
    std::string pdfFile;    // line 97; empty for direct printing
    bool currency = false;
    std::string footerText1; // trimmed
    std::string footerText2; // trimmed
    std::string footerText3; // trimmed
    bool footerCompressed = false;
    int32_t footerSize = 100;
    uint8_t footerAlignment = 2;
    bool halftone = true;
};

// The engine settings from the run settings (switches and INI file) and the document file's parameters.
EngineSettings MakeEngineSettings(const RunSettings& settings, const RunParameters& fileParameters);

// Hands every start-up setting to the print engine, in the order start-up uses: the left margin, layout
// flag positions 1 to 3, position 4 (caption defaults, then the logo switch), the document record with
// position 5, positions 6 to 8, the logo file, "/P=", the document file's options and reserved rows, the
// PDF file and the INI settings.
void HandSettingsToEngine(TStampaDocumentoBase& engine, const EngineSettings& settings,
                          const TRecDocObjectBase& document);
