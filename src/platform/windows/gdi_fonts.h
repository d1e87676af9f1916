#pragma once

#include <string>

#include <windows.h>

#include "platform/drawing_types.h"
#include "platform/standard_font_name.h"

// The LOGFONT of a font at a cell size: the character height as a negative height, the average width as
// lfWidth, Windows-1252 characters, outlines only and no antialiasing (the page is black and white).
LOGFONTA CellLogFont(const FontRequest& font);

// The Windows face that stands for a standard PDF font family.
const char* StandardFace(StandardFamily family);

// The LOGFONT of the standard font a PDF base font name stands for, with an em of emHeight logical units.
LOGFONTA StandardLogFont(const std::string& baseFontName, int emHeight);
