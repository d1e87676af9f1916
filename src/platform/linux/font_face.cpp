#include "platform/linux/font_face.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include "platform/font_cp1252.h"

namespace {

// The FreeType objects behind one Cairo font face; freed when Cairo drops its last reference.
struct FreeTypeHolder {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeHolder() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

const cairo_user_data_key_t kHolderKey{};

void destroyHolder(void* data) {
    delete static_cast<FreeTypeHolder*>(data);
}

// The file and face index the configuration chooses for a family and style.
bool matchFontFile(FcConfig* config, const std::string& family, int style, std::string& file, int& index) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return false;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, (style & kFontBold) != 0 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, (style & kFontItalic) != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        return false;
    }
    FcChar8* path = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr;
    if (found) {
        file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) {
            index = 0;
        }
    }
    FcPatternDestroy(match);
    return found;
}

// The font folders and the system's font caches, and nothing else of the system's configuration.
constexpr const char* kFontFolders = "<fontconfig>"
                                     "<dir>/usr/share/fonts</dir>"
                                     "<dir>/usr/local/share/fonts</dir>"
                                     "<cachedir>/var/cache/fontconfig</cachedir>"
                                     "</fontconfig>";

FcConfig* loadFontFolders() {
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return nullptr;
    }
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kFontFolders), FcFalse) ||
        !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

// The character a byte stands for: Windows-1252, or in a symbol font its own code through the font's
// symbol character map.
FT_UInt glyphForByte(FT_Face face, unsigned char byte, bool symbolMap) {
    if (symbolMap) {
        FT_UInt glyph = FT_Get_Char_Index(face, 0xF000u + byte);
        return glyph != 0 ? glyph : FT_Get_Char_Index(face, byte);
    }
    return FT_Get_Char_Index(face, cp1252ToUnicode(byte));
}

} // namespace

// Fontconfig's configuration loader drops a small parser buffer on the floor once per process; leak
// checking in sanitized builds would otherwise fail every program that looks up a font.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

std::unique_ptr<FontFace> FontFace::open(FcConfig* config, const std::string& family, int style) {
    std::string file;
    int index = 0;
    if (config == nullptr || !matchFontFile(config, family, style, file, index)) {
        return nullptr;
    }
    auto holder = std::make_unique<FreeTypeHolder>();
    if (FT_Init_FreeType(&holder->library) != 0) {
        holder->library = nullptr;
        return nullptr;
    }
    if (FT_New_Face(holder->library, file.c_str(), index, &holder->face) != 0) {
        holder->face = nullptr;
        return nullptr;
    }
    FT_Face face = holder->face;

    std::unique_ptr<FontFace> font(new FontFace());
    font->unitsPerEm_ = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->xAvgCharWidth > 0) {
        font->averageCharWidth_ = os2->xAvgCharWidth;
        font->winAscent_ = os2->usWinAscent;
        font->winDescent_ = os2->usWinDescent;
    } else {
        font->averageCharWidth_ = font->unitsPerEm_ / 2;
        font->winAscent_ = face->ascender;
        font->winDescent_ = -face->descender;
    }
    const bool symbolMap = FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
    for (int byte = 0; byte < 256; ++byte) {
        FT_UInt glyph = glyphForByte(face, static_cast<unsigned char>(byte), symbolMap);
        font->glyphs_[byte] = glyph;
        // The advance from the metrics table, without loading the glyph's outline.
        FT_Fixed advance = 0;
        if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) == 0) {
            font->advances_[byte] = static_cast<int>(advance);
        }
    }

    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
    if (cairo_font_face_status(cairoFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        return nullptr;
    }
    if (cairo_font_face_set_user_data(cairoFace, &kHolderKey, holder.get(), destroyHolder) !=
        CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        return nullptr;
    }
    holder.release(); // now owned by the Cairo font face
    font->cairoFace_ = cairoFace;
    return font;
}

FontFace::~FontFace() {
    if (cairoFace_ != nullptr) {
        cairo_font_face_destroy(cairoFace_);
    }
}

long FontFace::textAdvance(std::string_view text) const {
    long sum = 0;
    for (char c : text) {
        sum += advances_[static_cast<unsigned char>(c)];
    }
    return sum;
}

std::string InstalledFamily(const std::string& faceName) {
    if (faceName == "Courier New") {
        return "Liberation Mono";
    }
    if (faceName == "Arial") {
        return "Liberation Sans";
    }
    if (faceName == "Times New Roman") {
        return "Liberation Serif";
    }
    return faceName;
}

std::string InstalledFamily(StandardFamily family) {
    switch (family) {
    case StandardFamily::Times:
        return "Nimbus Roman";
    case StandardFamily::Courier:
        return "Nimbus Mono PS";
    case StandardFamily::Symbol:
        return "Standard Symbols PS";
    case StandardFamily::ZapfDingbats:
        return "D050000L";
    case StandardFamily::Helvetica:
        break;
    }
    return "Nimbus Sans";
}

FontCatalog::~FontCatalog() {
    faces_.clear();
    if (config_ != nullptr) {
        FcConfigDestroy(config_);
    }
}

const FontFace* FontCatalog::installed(const std::string& family, int style) {
    auto key = std::make_pair(family, style & (kFontBold | kFontItalic));
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        if (config_ == nullptr) {
            config_ = loadFontFolders();
        }
        it = faces_.emplace(key, FontFace::open(config_, family, key.second)).first;
    }
    return it->second.get();
}

const FontFace* FontCatalog::face(const std::string& faceName, int style) {
    return installed(InstalledFamily(faceName), style);
}

const FontFace* FontCatalog::standardFace(const std::string& baseFontName) {
    const StandardFontChoice choice = ResolveStandardFont(baseFontName);
    return installed(InstalledFamily(choice.family),
                     (choice.bold ? kFontBold : 0) | (choice.italic ? kFontItalic : 0));
}
