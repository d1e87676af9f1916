#include "platform/windows/gdi_fonts.h"

#include <cstring>

namespace {

void setFace(LOGFONTA& font, const char* face) {
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

} // namespace

LOGFONTA CellLogFont(const FontRequest& font) {
    LOGFONTA lf{};
    lf.lfHeight = -font.characterHeight;
    lf.lfWidth = font.averageWidth;
    lf.lfWeight = (font.style & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style & kFontItalic) != 0 ? TRUE : FALSE;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    setFace(lf, font.faceName.c_str());
    return lf;
}

const char* StandardFace(StandardFamily family) {
    switch (family) {
    case StandardFamily::Times:
        return "Times New Roman";
    case StandardFamily::Courier:
        return "Courier New";
    case StandardFamily::Symbol:
        return "Symbol";
    case StandardFamily::ZapfDingbats:
        return "ZapfDingbats";
    case StandardFamily::Helvetica:
        break;
    }
    return "Arial";
}

namespace {

int CALLBACK noteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const char* face) {
    const HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        return false;
    }
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    setFace(wanted, face);
    bool found = false;
    EnumFontFamiliesExA(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    DeleteDC(dc);
    return found;
}

// The installed face for a symbol font: Windows' own where it has one, else the URW font (on Linux
// under Wine), whose built-in encoding takes the byte as the font's own code.
std::string symbolFace(StandardFamily family) {
    static const std::string symbol = installed("Symbol") ? "Symbol" : "Standard Symbols PS";
    static const std::string dingbats = installed("ZapfDingbats") ? "ZapfDingbats" : "D050000L";
    return family == StandardFamily::Symbol ? symbol : dingbats;
}

} // namespace

LOGFONTA StandardLogFont(const std::string& baseFontName, int emHeight) {
    const StandardFontChoice choice = ResolveStandardFont(baseFontName);
    const bool symbolic =
        choice.family == StandardFamily::Symbol || choice.family == StandardFamily::ZapfDingbats;
    FontRequest request;
    request.faceName = symbolic ? symbolFace(choice.family) : StandardFace(choice.family);
    request.style = (choice.bold ? kFontBold : 0) | (choice.italic ? kFontItalic : 0);
    request.characterHeight = emHeight;
    LOGFONTA lf = CellLogFont(request);
    if (request.faceName == "Symbol") {
        // Windows' Symbol font takes the byte as the font's own code in its symbol character set.
        lf.lfCharSet = SYMBOL_CHARSET;
    }
    return lf;
}
