#include "platform/font_face.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

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

// The file and face index fontconfig chooses for a family and style.
bool matchFontFile(const std::string& family, int style, std::string& file, int& index) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return false;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, (style & kFontBold) != 0 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, (style & kFontItalic) != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
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

} // namespace

// Fontconfig's configuration loader drops a small parser buffer on the floor once per process; leak
// checking in sanitized builds would otherwise fail every program that looks up a font.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

std::unique_ptr<FontFace> FontFace::open(const std::string& family, int style) {
    std::string file;
    int index = 0;
    if (!matchFontFile(family, style, file, index)) {
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
    for (int byte = 0; byte < 256; ++byte) {
        FT_UInt glyph = FT_Get_Char_Index(face, cp1252ToUnicode(static_cast<unsigned char>(byte)));
        font->glyphs_[byte] = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) == 0) {
            font->advances_[byte] = static_cast<int>(face->glyph->metrics.horiAdvance);
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

long FontFace::textAdvance(const std::string& text) const {
    long sum = 0;
    for (char c : text) {
        sum += advances_[static_cast<unsigned char>(c)];
    }
    return sum;
}

const FontFace* FontCatalog::face(const std::string& family, int style) {
    auto key = std::make_pair(family, style & (kFontBold | kFontItalic));
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        it = faces_.emplace(key, FontFace::open(family, key.second)).first;
    }
    return it->second.get();
}
