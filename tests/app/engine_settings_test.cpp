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

// Every setting travels from the switches, the INI file and the document file into the engine: each
// case sets every setting away from the engine's default in one of two directions, so that dropping any
// line of the hand-over leaves some field at its default.
struct HandOverCase {
    const char* name;
    bool on; // booleans true (false for those whose default is true)
    const char* layoutFlags;
};

class EngineHandOver : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(EngineHandOver, EverySettingReachesTheEngine) {
    const HandOverCase& c = GetParam();
    const bool on = c.on;
    RunSettings settings;
    settings.layoutFlags = c.layoutFlags;
    settings.leftMargin = on ? 321 : 7;
    settings.LogoFile = on ? "/srv/logo.jpg" : "/srv/altro.jpg";
    settings.optionP = on;
    settings.currency = on;
    settings.footerText1 = on ? "uno" : "a";
    settings.footerText2 = on ? "due" : "b";
    settings.footerText3 = on ? "tre" : "c";
    settings.footerCompressed = on;
    settings.footerSize = on ? 90 : 0;
    settings.footerAlignment = on ? 1 : 0;
    settings.halftone = !on;

    RunParameters file;
    file.ReservedTopLines = on ? 3 : 5;
    file.ReservedBottomLines = on ? 4 : 6;
    file.LayoutSwitches = {on, on, on, on, on};
    file.OutputPdfPath = on ? "/srv/out.pdf" : "/srv/altro.pdf";
    TRecDocObjectBase document;
    document.DocTypeCode = on ? "F" : "B";

    TStampaDocumentoBase engine("retino.bmp", "", false);
    HandSettingsToEngine(engine, MakeEngineSettings(settings, file), document);

    EXPECT_EQ(engine.leftMargin, settings.leftMargin);
    EXPECT_EQ(engine.printTransportDetails, on);
    EXPECT_EQ(engine.layoutFlag1, on);
    EXPECT_EQ(engine.layoutFlag2, on);
    ASSERT_NE(engine.captions, nullptr);
    EXPECT_EQ(engine.captions->printLetterhead, on);
    EXPECT_EQ(engine.printLogo, on);
    EXPECT_EQ(engine.document.DocTypeCode, document.DocTypeCode);
    EXPECT_EQ(engine.isDigitOne(), on);
    EXPECT_EQ(engine.layoutFlag5, on);
    EXPECT_EQ(engine.layoutKind, on ? "C" : "U");
    EXPECT_EQ(engine.layoutFlag7, on);
    EXPECT_EQ(engine.logoFile, settings.LogoFile);
    EXPECT_EQ(engine.optionP, on);
    EXPECT_EQ(engine.option92, on);
    EXPECT_EQ(engine.option93, on);
    EXPECT_EQ(engine.topRows, file.ReservedTopLines);
    EXPECT_EQ(engine.bottomRows, file.ReservedBottomLines);
    EXPECT_EQ(engine.option94, on);
    EXPECT_EQ(engine.option95, on);
    EXPECT_EQ(engine.option96, on);
    EXPECT_EQ(engine.pdfFile, file.OutputPdfPath);
    EXPECT_EQ(engine.currency, on);
    EXPECT_EQ(engine.footerText1, settings.footerText1);
    EXPECT_EQ(engine.footerText2, settings.footerText2);
    EXPECT_EQ(engine.footerText3, settings.footerText3);
    EXPECT_EQ(engine.footerCompressed, on);
    EXPECT_EQ(engine.footerSize, settings.footerSize);
    EXPECT_EQ(engine.footerAlignment, settings.footerAlignment);
    EXPECT_EQ(engine.halftone, !on);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, EngineHandOver,
                         ::testing::Values(HandOverCase{"On", true, "111211C1"},
                                           HandOverCase{"Off", false, "000000U0"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
