#include <gtest/gtest.h>

#include <string>

#include "platform/standard_font_name.h"

TEST(StandardFontName, NamesAndAliasesResolveToTheFourteenFonts) {
    using F = StandardFamily;
    const struct {
        const char* name;
        StandardFontChoice choice;
    } cases[] = {
        {"Helvetica", {F::Helvetica, false, false}},
        {"Helvetica-BoldOblique", {F::Helvetica, true, true}},
        {"Arial", {F::Helvetica, false, false}},
        {"ArialMT", {F::Helvetica, false, false}},
        {"Arial,Bold", {F::Helvetica, true, false}},
        {"Times-Roman", {F::Times, false, false}},
        {"TimesNewRoman,Bold", {F::Times, true, false}},
        {"Times-BoldItalic", {F::Times, true, true}},
        {"CourierNew", {F::Courier, false, false}},
        {"Courier-Oblique", {F::Courier, false, true}},
        {"Symbol", {F::Symbol, false, false}},
        {"ZapfDingbats", {F::ZapfDingbats, false, false}},
        {"ABCDEF+Arial-BoldMT", {F::Helvetica, true, false}},
        {"Unknown", {F::Helvetica, false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveStandardFont(c.name), c.choice) << c.name;
}
