// The preview with the INI currency setting under Linux locales: the sign of the user's locale before
// the total, in Windows-1252.
#include "layout/preview_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

using namespace preview_test;

TEST(PreviewProgram, CurrencySignOfTheUsersLocale) {
    const InstalledProgram preview("stampadoc-preview");
    std::ofstream(preview.folder() / "stampadoc.INI", std::ios::binary)
        << "[testo_piede]\r\nF_1=GRAZIE PER LA PREFERENZA\r\n[currency]\r\nF=1\r\n";
    // A footer text takes four rows off the page: the totals box moves up from row 67 to row 63, and the
    // INI currency setting puts the currency sign of the user's locale before the total, converted to
    // Windows-1252 (the euro is 0x80); the C locale has none, and only the blank before the total remains.
    for (const auto& [locale, sign] :
         {std::pair<std::string, std::string>{"it_IT.UTF-8", "\x80"}, {"C", ""}}) {
        const std::string output =
            RunPreview({"/I=" + (kDataDir / "fattura_valuta.txt").string(), "/F=000110N0"}, "",
                       preview.path(), {{"LC_ALL", locale}});
        EXPECT_NE(output.find("\n062 N|" + std::string(64, ' ') + "(VALUTA=USD)\n"), std::string::npos);
        // The total ends in column 78 of the row.
        EXPECT_NE(output.find("\n066 N|" + std::string(69 - sign.size(), ' ') + sign + " 1.342,00\n"),
                  std::string::npos)
            << locale;
    }
}
