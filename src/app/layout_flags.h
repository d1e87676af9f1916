#pragma once

#include <string>
#include <string_view>

// The engine settings carried by the eight characters of the "/F=" switch. Position 1 is the first
// character; a position beyond the end of the text counts as a character that is none of '0', '1', '2'
// and no digit.
struct LayoutFlagSettings {
    bool printTransportDetails = false; // position 1 is not '0': carriage details in layout C transport lines
    bool layoutFlag1 = false;           // position 2 is '1': zero price and quantity hidden
    bool layoutFlag2 = false;           // position 3 is '1': unit price of a quantity of 1 hidden
    bool printLetterhead = false;       // position 4 is not '0': letterhead on the form
    bool printLogo = false;             // position 4 is '2': logo image in place of the letterhead text
    int altPriceDigit = 0;    // position 5 as a digit, 0 when not a digit (handed over with the document)
    bool layoutFlag5 = false; // position 6 is '1': customer fiscal-code line
    std::string layoutKind;   // position 7 as a one-character text (N, C, P or U); empty when missing
    bool layoutFlag7 = false; // position 8 is '1': customer block on every page
};

// Decodes the layout flags of "/F=".
LayoutFlagSettings DecodeLayoutFlags(std::string_view flags);
