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
        // The URW font with the Dingbats codes where it is installed; Windows' own Wingdings otherwise.
        return "D050000L";
    case StandardFamily::Helvetica:
        break;
    }
    return "Arial";
}

LOGFONTA StandardLogFont(const std::string& baseFontName, int emHeight) {
    const StandardFontChoice choice = ResolveStandardFont(baseFontName);
    FontRequest request;
    request.faceName = StandardFace(choice.family);
    request.style = (choice.bold ? kFontBold : 0) | (choice.italic ? kFontItalic : 0);
    request.characterHeight = emHeight;
    LOGFONTA lf = CellLogFont(request);
    if (choice.family == StandardFamily::Symbol || choice.family == StandardFamily::ZapfDingbats) {
        // Symbol fonts take the byte as the font's own code.
        lf.lfCharSet = SYMBOL_CHARSET;
    }
    return lf;
}
