#pragma once

#include <string>

// The INI file of an executable: its full path with the extension replaced by ".INI" (appended when the
// name has none). On a case-sensitive file system the same name with ".ini" is accepted too: it is
// returned when the ".INI" file does not exist but the ".ini" one does.
std::string IniFileNameForExecutable(const std::string& executablePath);

// The halftone bitmap: "retino.bmp" in the executable's folder.
std::string HalftoneBitmapPathForExecutable(const std::string& executablePath);
