#include "app/ini_settings.h"

#include "docdata/document_limits.h"
#include "util/strings.h"

#include <string>

void ReadDocumentIniSettings(const TIniFile& ini, std::string_view code, RunSettings& settings) {
    const std::string key(code);
    settings.copies = ini.ReadInteger("copie_documenti", key, settings.copies);
    settings.leftMargin = ClampToRange(ini.ReadInteger("margine_sinistro", key, 100), 0, MaxLeftMargin);
    settings.currency = ini.ReadBool("currency", key, false);
    const std::string logo = TrimControl(ini.ReadString("marchio_file", key, ""));
    if (!logo.empty())
        settings.LogoFile = logo;
    settings.footerText1 = ini.ReadString("testo_piede", key + "_1", "");
    settings.footerText2 = ini.ReadString("testo_piede", key + "_2", "");
    settings.footerText3 = ini.ReadString("testo_piede", key + "_3", "");
    settings.footerCompressed = ini.ReadBool("testo_piede_compresso", key, false);
    settings.footerSize = ClampToRange(ini.ReadInteger("testo_piede_dimensione", key, 100), 0, MaxFooterSize);
    settings.footerAlignment =
        static_cast<uint8_t>(ini.ReadInteger("testo_piede_allineamento", key, 2) & 0xFF);
    settings.halftone = ini.ReadBool("retinatura", key, true);
}

void ReadReprintIniSettings(const TIniFile& ini, std::string_view code, RunSettings& settings) {
    settings.copies = ini.ReadInteger("copie_documenti", std::string(code), settings.copies);
}
