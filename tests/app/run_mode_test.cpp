#include "app/command_line.h"
#include "app/run_mode.h"

#include <gtest/gtest.h>

namespace {

RunSettings Settings(const std::vector<std::string>& arguments) {
    return ParseCommandLine(arguments);
}

TEST(ModeChoice, PrintDocumentFileWithPrinter) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=PREDEFINITA", "/C=1", "/F=1"}), true),
              RunMode::PrintDocumentFile);
}

TEST(ModeChoice, PrintDocumentFileWithRowsAndNoPrinter) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/R=66", "/C=1", "/F=1"}), true),
              RunMode::PrintDocumentFile);
}

TEST(ModeChoice, PrintDocumentFileNeedsEachCondition) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=1", "/F=1"}), false), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/S=P", "/C=1", "/F=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/C=1", "/F=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/R=0", "/C=1", "/F=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/R=-3", "/C=1", "/F=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/F=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=1"}), true), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=1", "/F=  "}), true), RunMode::None);
}

TEST(ModeChoice, ZeroCopiesGivesUsageWhateverTheIniFileSays) {
    // The condition is tested on the switches alone, before the INI file is read.
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=0", "/F=1"}), true), RunMode::None);
}

TEST(ModeChoice, ReprintPdf) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=f.pdf", "/S=P", "/T=F"}), true), RunMode::ReprintPdf);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=f.pdf", "/S=P", "/T=F"}), false), RunMode::None);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=f.pdf", "/R=60", "/T=F", "/C=1", "/F=1"}), true),
              RunMode::PrintDocumentFile);
}

TEST(ModeChoice, ReprintIsTriedFirst) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=1", "/F=1", "/T=F"}), true),
              RunMode::ReprintPdf);
}

TEST(ModeChoice, BlankReprintKindFallsThroughToPrintDocumentFile) {
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.txt", "/S=P", "/C=1", "/F=1", "/T= X"}), true),
              RunMode::PrintDocumentFile);
    EXPECT_EQ(ChooseRunMode(Settings({"/I=d.pdf", "/S=P", "/T= X"}), true), RunMode::None);
}

TEST(ModeChoice, NoArgumentsNoMode) {
    EXPECT_EQ(ChooseRunMode(Settings({}), false), RunMode::None);
}

} // namespace
