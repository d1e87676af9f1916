#include "app/ini_settings.h"

#include <gtest/gtest.h>

namespace {

const char* const FullIni = "[copie_documenti]\nF=3\nB=1\n"
                            "[margine_sinistro]\nF=120\n"
                            "[currency]\nF=1\n"
                            "[marchio_file]\nF=  /srv/loghi/ditta.jpg  \nB=   \n"
                            "[testo_piede]\nF_1= Prima riga \nF_2=\"Seconda, tra virgolette\"\nF_3=Terza\n"
                            "[testo_piede_compresso]\nF=1\n"
                            "[testo_piede_dimensione]\nF=80\n"
                            "[testo_piede_allineamento]\nF=1\n"
                            "[retinatura]\nF=0\n";

TEST(IniSettings, EveryValueIsReadUnderTheCode) {
    RunSettings settings;
    settings.copies = 1;
    ReadDocumentIniSettings(TIniFile::FromText(FullIni), "F", settings);
    EXPECT_EQ(settings.copies, 3);
    EXPECT_EQ(settings.leftMargin, 120);
    EXPECT_TRUE(settings.currency);
    EXPECT_EQ(settings.LogoFile, "/srv/loghi/ditta.jpg");
    EXPECT_EQ(settings.footerText1, "Prima riga");
    EXPECT_EQ(settings.footerText2, "Seconda, tra virgolette");
    EXPECT_EQ(settings.footerText3, "Terza");
    EXPECT_TRUE(settings.footerCompressed);
    EXPECT_EQ(settings.footerSize, 80);
    EXPECT_EQ(settings.footerAlignment, 1);
    EXPECT_FALSE(settings.halftone);
}

TEST(IniSettings, MarginAndFooterSizeAreClampedToWhatTheLayoutCanUse) {
    const struct {
        const char* text;
        int32_t margin;
        int32_t footerSize;
    } cases[] = {
        {"-2147483648", 0, 0}, {"2147483647", MaxLeftMargin, MaxFooterSize}, {"-1", 0, 0}, {"90", 90, 90}};
    for (const auto& c : cases) {
        const std::string value = std::string("F=") + c.text + "\n";
        RunSettings settings;
        ReadDocumentIniSettings(
            TIniFile::FromText("[margine_sinistro]\n" + value + "[testo_piede_dimensione]\n" + value), "F",
            settings);
        EXPECT_EQ(settings.leftMargin, c.margin) << c.text;
        EXPECT_EQ(settings.footerSize, c.footerSize) << c.text;
    }
}

TEST(IniSettings, CodeIsMatchedWithoutRegardToCase) {
    RunSettings settings;
    ReadDocumentIniSettings(TIniFile::FromText(FullIni), "f", settings);
    EXPECT_EQ(settings.leftMargin, 120);
    EXPECT_EQ(settings.footerText3, "Terza");
}

TEST(IniSettings, MissingKeysGiveTheTableDefaults) {
    RunSettings settings;
    settings.copies = 2;
    settings.LogoFile = "/from/line/89.jpg";
    settings.currency = true;
    settings.footerText1 = "stale";
    ReadDocumentIniSettings(TIniFile::FromText("[copie_documenti]\nX=9\n"), "F", settings);
    EXPECT_EQ(settings.copies, 2);       // the current copies
    EXPECT_EQ(settings.leftMargin, 100); // not the 150 of the values at start
    EXPECT_FALSE(settings.currency);
    EXPECT_EQ(settings.LogoFile, "/from/line/89.jpg");
    EXPECT_EQ(settings.footerText1, "");
    EXPECT_FALSE(settings.footerCompressed);
    EXPECT_EQ(settings.footerSize, 100);
    EXPECT_EQ(settings.footerAlignment, 2);
    EXPECT_TRUE(settings.halftone);
}

TEST(IniSettings, BlankLogoKeepsTheDocumentLogo) {
    RunSettings settings;
    settings.LogoFile = "/from/line/89.jpg";
    ReadDocumentIniSettings(TIniFile::FromText(FullIni), "B", settings);
    EXPECT_EQ(settings.LogoFile, "/from/line/89.jpg");
    EXPECT_EQ(settings.copies, 1);
}

TEST(IniSettings, UnreadableValuesGiveTheDefaults) {
    RunSettings settings;
    settings.copies = 4;
    ReadDocumentIniSettings(TIniFile::FromText("[copie_documenti]\nF=due\n[margine_sinistro]\nF=1,5\n"
                                               "[retinatura]\nF=no\n[testo_piede_dimensione]\nF=\n"),
                            "F", settings);
    EXPECT_EQ(settings.copies, 4);
    EXPECT_EQ(settings.leftMargin, 100);
    EXPECT_TRUE(settings.halftone);
    EXPECT_EQ(settings.footerSize, 100);
}

TEST(IniSettings, HexadecimalAndTheLowByteOfTheAlignment) {
    RunSettings settings;
    ReadDocumentIniSettings(
        TIniFile::FromText("[margine_sinistro]\nF=$96\n[testo_piede_allineamento]\nF=0x102\n"), "F",
        settings);
    EXPECT_EQ(settings.leftMargin, 150);
    EXPECT_EQ(settings.footerAlignment, 2);

    ReadDocumentIniSettings(TIniFile::FromText("[testo_piede_allineamento]\nF=-1\n"), "F", settings);
    EXPECT_EQ(settings.footerAlignment, 255);
}

TEST(IniSettings, ZeroCopiesFromTheIniFileAreTaken) {
    RunSettings settings;
    settings.copies = 2;
    ReadDocumentIniSettings(TIniFile::FromText("[copie_documenti]\nF=0\n"), "F", settings);
    EXPECT_EQ(settings.copies, 0);
}

TEST(IniSettings, ReprintReadsOnlyTheCopies) {
    RunSettings settings;
    ReadReprintIniSettings(TIniFile::FromText(FullIni), "F", settings);
    EXPECT_EQ(settings.copies, 3);
    EXPECT_EQ(settings.leftMargin, 150);
    EXPECT_TRUE(settings.halftone);
    EXPECT_EQ(settings.footerText1, "");

    RunSettings noKey;
    ReadReprintIniSettings(TIniFile::FromText(FullIni), "Z", noKey);
    EXPECT_EQ(noKey.copies, -1);
}

} // namespace
