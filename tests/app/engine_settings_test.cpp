#include "app/engine_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineSettings, EverySettingReachesItsField) {
    RunSettings settings;
    settings.layoutFlags = "011201U1";
    settings.leftMargin = 123;
    settings.LogoFile = "  /srv/logo.jpg ";
    settings.optionP = true;
    settings.currency = true;
    settings.footerText1 = " uno ";
    settings.footerText2 = "\tdue";
    settings.footerText3 = "tre  ";
    settings.footerCompressed = true;
    settings.footerSize = 90;
    settings.footerAlignment = 1;
    settings.halftone = false;

    RunParameters file;
    file.ReservedTopLines = 3;
    file.ReservedBottomLines = 4;
    file.LayoutSwitches = {true, false, true, false, true};
    file.OutputPdfPath = "/srv/out.pdf";

    const EngineSettings engine = MakeEngineSettings(settings, file);
    EXPECT_EQ(engine.leftMargin, 123);
    EXPECT_FALSE(engine.printTransportDetails);
    EXPECT_TRUE(engine.layoutFlag1);
    EXPECT_TRUE(engine.layoutFlag2);
    EXPECT_TRUE(engine.printLetterhead);
    EXPECT_TRUE(engine.printLogo);
    EXPECT_EQ(engine.altPriceDigit, 0);
    EXPECT_TRUE(engine.layoutFlag5);
    EXPECT_EQ(engine.layoutKind, "U");
    EXPECT_TRUE(engine.layoutFlag7);
    EXPECT_EQ(engine.logoFile, "/srv/logo.jpg");
    EXPECT_TRUE(engine.optionP);
    EXPECT_TRUE(engine.option92);
    EXPECT_FALSE(engine.option93);
    EXPECT_EQ(engine.topRows, 3);
    EXPECT_EQ(engine.bottomRows, 4);
    EXPECT_TRUE(engine.option94);
    EXPECT_FALSE(engine.option95);
    EXPECT_TRUE(engine.option96);
    EXPECT_EQ(engine.pdfFile, "/srv/out.pdf");
    EXPECT_TRUE(engine.currency);
    EXPECT_EQ(engine.footerText1, "uno");
    EXPECT_EQ(engine.footerText2, "due");
    EXPECT_EQ(engine.footerText3, "tre");
    EXPECT_TRUE(engine.footerCompressed);
    EXPECT_EQ(engine.footerSize, 90);
    EXPECT_EQ(engine.footerAlignment, 1);
    EXPECT_FALSE(engine.halftone);
}

TEST(EngineSettings, LayoutKindFromPositionSeven) {
    RunSettings settings;
    settings.layoutFlags = "101100C0";
    const EngineSettings engine = MakeEngineSettings(settings, RunParameters{});
    EXPECT_EQ(engine.layoutKind, "C");
    EXPECT_EQ(engine.altPriceDigit, 0);
    EXPECT_FALSE(engine.printLogo);
    EXPECT_TRUE(engine.printLetterhead);
    EXPECT_EQ(engine.pdfFile, "");
}

} // namespace
