// Feeds arbitrary bytes to the INI reader as file text and reads the settings of a few codes from it,
// so that no INI file, whatever it holds, can crash or hang start-up.

#include "app/ini_settings.h"
#include "platform/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIniFile ini = TIniFile::FromText(text);

    for (const char* code : {"F", "b", "", "_1"}) {
        RunSettings settings;
        ReadDocumentIniSettings(ini, code, settings);
        ReadReprintIniSettings(ini, code, settings);
        if (settings.footerText1.size() > TIniFile::MaxStringLength ||
            settings.LogoFile.size() > TIniFile::MaxStringLength)
            __builtin_trap();
    }

    // Names taken from the input itself reach sections and keys that exist.
    const std::size_t split = text.find('\n');
    const std::string_view first = text.substr(0, split == std::string_view::npos ? text.size() : split);
    const std::string_view half = first.substr(0, first.size() / 2);
    const std::string_view rest = first.substr(first.size() / 2);
    const std::string value = ini.ReadString(half, rest, "default");
    if (value.size() > TIniFile::MaxStringLength)
        __builtin_trap();
    static_cast<void>(ini.ReadInteger(half, rest, 7));
    static_cast<void>(ini.ReadBool(rest, half, true));
    static_cast<void>(ini.ValueExists(half, rest));
    return 0;
}
