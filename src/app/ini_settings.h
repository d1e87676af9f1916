#pragma once

#include "app/run_settings.h"
#include "platform/ini_file.h"

#include <cstdint>
#include <string_view>

// The widest left margin in 1/600 inch: half of an A4 page less the insets of the page picture. A wider
// margin would leave the form no width at all.
inline constexpr int32_t MaxLeftMargin = (4960 - 60) / 2;

// The largest footer text size, in percent of the normal text: ten times is far more than the footer's
// four rows can show.
inline constexpr int32_t MaxFooterSize = 1000;

// The INI file holds one section per setting; the key is the document's code text (the type letter of
// the document file, or the "/T=" character when printing a PDF file again).

// Reads the eleven per-document settings for `code`, in this order: "copie_documenti" (default: the
// current copies), "margine_sinistro" (100), "currency" (false), "marchio_file" (replaces LogoFile,
// trimmed, only when not blank), "testo_piede" with keys code + "_1", "_2", "_3" (empty),
// "testo_piede_compresso" (false), "testo_piede_dimensione" (100), "testo_piede_allineamento" (2, low
// byte kept) and "retinatura" (true). The left margin is clamped to 0..MaxLeftMargin and the footer size
// to 0..MaxFooterSize. Call it only when the INI file exists: without one the values at
// start stay, which is why the left margin is 150 without an INI file and 100 with one lacking the key.
void ReadDocumentIniSettings(const TIniFile& ini, std::string_view code, RunSettings& settings);

// Reads only "copie_documenti" for `code` (default: the current copies), as printing a PDF file again does.
void ReadReprintIniSettings(const TIniFile& ini, std::string_view code, RunSettings& settings);
