#pragma once

// The one-letter codes of the document file, the numbers they become in the document record, and the
// tests the print engine asks about those numbers and about a few texts.

#include <cstdint>
#include <string>

// Document kind: 0 none, 1 S, 2 R, 3 F, 4 A, 5 B, 6 I, 7 O, 8 P.
using TDocKind = uint8_t;

// Kind number of a document-kind letter; only the first character counts; empty or unknown gives 0.
TDocKind DecodeDocKind(const std::string& letter);

// Kind number of the file's type letter: "I" is read as "A" and "C" as "I", every other letter as it is.
TDocKind TranslateFileDocType(const std::string& letter);

// Letter of a kind number; empty for 0 and numbers above 8.
std::string DocKindLetter(int kind);

// Price kind of line 33: "1" gives 0, "2" gives 2, anything else 1.
uint8_t DecodePriceKind(const std::string& text);

// 1 when the text of line 39 is exactly "L", else 0.
uint8_t DecodePricesIncludeVat(const std::string& text);

// Who carries the goods (line 11): "V" 1 carrier, "M" 2 sender, "D" 3 recipient, "A" 4 other, else 0.
// The text is trimmed and then compared exactly.
uint8_t DecodeTransportBy(const std::string& text);

// Caption of a transport code: "MITTENTE" for 2, "DESTINATARIO" for 3, meansText for 4, else empty.
std::string TransportByCaption(int transportBy, const std::string& meansText);

// Customer tax class: 3 for exactly "T", 2 when it contains "C13", 1 when it contains "E24", else 0.
int ClassifyTaxClass(const std::string& taxClass);

// Kind groups.
bool IsKindGroupSR(int kind);   // 1, 2
bool IsKindGroupFA(int kind);   // 3, 4
bool IsKindGroupSRFA(int kind); // 1 to 4
bool IsKindGroupAB(int kind);   // 4, 5
bool IsKindGroupIOP(int kind);  // 6, 7, 8
bool IsKindF(int kind);         // exactly 3
bool IsKindA(int kind);         // exactly 4
bool IsKindB(int kind);         // exactly 5

// Line kinds, from a line's ArticleCode after trimming spaces and control characters.
bool IsBlankCode(const std::string& code);     // empty
bool IsArticleCode(const std::string& code);   // starts with A-Z or 0-9
bool IsPercentLine(const std::string& code);   // starts with "%"
bool IsDashLine(const std::string& code);      // starts with "-"
bool IsColonLine(const std::string& code);     // starts with ":"
bool IsEqualsLine(const std::string& code);    // exactly "="
bool IsArrowLine(const std::string& code);     // starts with ">"
bool IsArrowKindLine(const std::string& code); // ">" followed by one of F, I, O, U, V, nothing more
bool IsSpecialLine(const std::string& code);   // any of the above but IsArrowLine

// True when the trimmed text (without a leading "N" when allowLeadingN) has 1 to 4 characters, each a
// digit or the current decimal separator.
bool IsShortNumeric(const std::string& text, bool allowLeadingN);
