#include "platform/ini_file.h"

#include "platform/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IniFileNames, SectionsAndKeysIgnoreAsciiCase) {
    const TIniFile ini = TIniFile::FromText("[Margine_Sinistro]\nf=120\n");
    EXPECT_EQ(ini.ReadInteger("margine_sinistro", "F", 0), 120);
    EXPECT_EQ(ini.ReadInteger("MARGINE_SINISTRO", "f", 0), 120);
    EXPECT_TRUE(ini.SectionExists("mArGiNe_SiNiStRo"));
}

TEST(IniFileNames, OnlyAsciiLettersFoldTogether) {
    // 0xC8 and 0xE8 are upper and lower e grave in Windows-1252: not folded.
    const TIniFile ini = TIniFile::FromText("[testo_piede]\n\xC8_1=upper\n");
    EXPECT_EQ(ini.ReadString("testo_piede", "\xC8_1", "none"), "upper");
    EXPECT_EQ(ini.ReadString("testo_piede", "\xE8_1", "none"), "none");
}

TEST(IniFileNames, NamesAreTrimmed) {
    const TIniFile ini = TIniFile::FromText("  [  copie_documenti  ]  \n\t F \t=\t3 \n");
    EXPECT_EQ(ini.ReadInteger("copie_documenti", "F", 0), 3);
}

TEST(IniFileLookup, OnlyTheFirstSectionOfANameIsSearched) {
    const TIniFile ini =
        TIniFile::FromText("[copie_documenti]\nF=1\n[other]\nx=1\n[COPIE_DOCUMENTI]\nF=9\nB=4\n");
    EXPECT_EQ(ini.ReadInteger("copie_documenti", "F", 0), 1);
    EXPECT_EQ(ini.ReadInteger("copie_documenti", "B", -7), -7);
    EXPECT_FALSE(ini.ValueExists("copie_documenti", "B"));
}

TEST(IniFileLookup, TheFirstKeyWins) {
    const TIniFile ini = TIniFile::FromText("[s]\nkey=first\nKEY=second\n");
    EXPECT_EQ(ini.ReadString("s", "key", ""), "first");
}

TEST(IniFileLookup, KeysBelongToTheirOwnSection) {
    const TIniFile ini = TIniFile::FromText("orphan=1\n[a]\nk=A\n[b]\nk=B\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "A");
    EXPECT_EQ(ini.ReadString("b", "k", ""), "B");
    EXPECT_EQ(ini.ReadString("a", "orphan", "missing"), "missing");
}

TEST(IniFileLookup, MissingSectionOrKeyGivesTheDefault) {
    const TIniFile ini = TIniFile::FromText("[a]\nk=1\n");
    EXPECT_EQ(ini.ReadString("b", "k", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("a", "x", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("a", "x", 42), 42);
    EXPECT_TRUE(ini.ReadBool("a", "x", true));
    EXPECT_FALSE(ini.ReadBool("a", "x", false));
}

TEST(IniFileLookup, LineWithoutEqualsIsNoKey) {
    const TIniFile ini = TIniFile::FromText("[a]\nk\nk2=v\n");
    EXPECT_FALSE(ini.ValueExists("a", "k"));
    EXPECT_EQ(ini.ReadString("a", "k2", ""), "v");
}

TEST(IniFileValues, ValuesAreTrimmedOfBlanksAndTabs) {
    const TIniFile ini = TIniFile::FromText("[a]\nk=  \t value with  inner  blanks \t \n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "value with  inner  blanks");
}

TEST(IniFileValues, OnePairOfSurroundingQuotesIsRemoved) {
    const TIniFile ini = TIniFile::FromText("[a]\n"
                                            "double=\" padded \"\n"
                                            "single=' x '\n"
                                            "nested=\"\"twice\"\"\n"
                                            "mixed=\"open'\n"
                                            "inner=a\"b\"c\n"
                                            "lone=\"\n");
    EXPECT_EQ(ini.ReadString("a", "double", ""), " padded ");
    EXPECT_EQ(ini.ReadString("a", "single", ""), " x ");
    EXPECT_EQ(ini.ReadString("a", "nested", ""), "\"twice\"");
    EXPECT_EQ(ini.ReadString("a", "mixed", ""), "\"open'");
    EXPECT_EQ(ini.ReadString("a", "inner", ""), "a\"b\"c");
    EXPECT_EQ(ini.ReadString("a", "lone", ""), "\"");
}

TEST(IniFileValues, PresentEmptyValueIsEmptyNotDefault) {
    const TIniFile ini = TIniFile::FromText("[a]\nk=\nq=\"\"\n");
    EXPECT_EQ(ini.ReadString("a", "k", "dflt"), "");
    EXPECT_EQ(ini.ReadString("a", "q", "dflt"), "");
    EXPECT_EQ(ini.ReadInteger("a", "k", 5), 5);
}

TEST(IniFileValues, EqualsSignsAfterTheFirstBelongToTheValue) {
    const TIniFile ini = TIniFile::FromText("[a]\nk=x=y\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "x=y");
}

TEST(IniFileValues, StringsAreCutTo2047Characters) {
    const std::string longValue(3000, 'x');
    const TIniFile ini =
        TIniFile::FromText("[a]\nk=" + longValue + "\nexact=" + std::string(2047, 'y') + "\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("a", "exact", ""), std::string(2047, 'y'));
    EXPECT_EQ(ini.ReadString("a", "missing", longValue).size(), 2047u);
}

TEST(IniFileComments, SemicolonLinesAreComments) {
    const TIniFile ini = TIniFile::FromText("; [a]\n[a]\n;k=commented\n  ; k=also\nk=real ; not a comment\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "real ; not a comment");
    EXPECT_FALSE(ini.ValueExists("a", ";k"));
}

TEST(IniFileLines, AllLineEndsAreAccepted) {
    const TIniFile ini = TIniFile::FromText("[a]\r\nx=1\r\ny=2\rz=3\n\n\r\nw=4");
    EXPECT_EQ(ini.ReadInteger("a", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "y", 0), 2);
    EXPECT_EQ(ini.ReadInteger("a", "z", 0), 3);
    EXPECT_EQ(ini.ReadInteger("a", "w", 0), 4);
}

TEST(IniFileLines, Utf8ByteOrderMarkBeforeTheFirstSection) {
    const TIniFile ini = TIniFile::FromText("\xEF\xBB\xBF[a]\nk=v\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "v");
}

TEST(IniFileIntegers, DecimalAndHexadecimal) {
    const TIniFile ini = TIniFile::FromText("[n]\n"
                                            "dec=120\nneg=-5\nplus=+7\n"
                                            "hex1=0x1F\nhex2=0X1f\nhex3=$ff\nhexneg=$FFFFFFFF\n"
                                            "big=2147483647\ntoobig=2147483648\nmin=-2147483648\n"
                                            "text=abc\ntrail=12abc\nfloat=1.5\nquoted=\"33\"\n");
    EXPECT_EQ(ini.ReadInteger("n", "dec", 0), 120);
    EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -5);
    EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("n", "hex1", 0), 31);
    EXPECT_EQ(ini.ReadInteger("n", "hex2", 0), 31);
    EXPECT_EQ(ini.ReadInteger("n", "hex3", 0), 255);
    EXPECT_EQ(ini.ReadInteger("n", "hexneg", 0), -1);
    EXPECT_EQ(ini.ReadInteger("n", "big", 0), 2147483647);
    EXPECT_EQ(ini.ReadInteger("n", "toobig", -9), -9);
    EXPECT_EQ(ini.ReadInteger("n", "min", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("n", "text", -9), -9);
    EXPECT_EQ(ini.ReadInteger("n", "trail", -9), -9);
    EXPECT_EQ(ini.ReadInteger("n", "float", -9), -9);
    EXPECT_EQ(ini.ReadInteger("n", "quoted", -9), 33);
}

TEST(IniFileBooleans, BooleansAreIntegers) {
    const TIniFile ini = TIniFile::FromText("[b]\nzero=0\none=1\ntwo=2\nminus=-1\nhex=0x0\nword=true\n");
    EXPECT_FALSE(ini.ReadBool("b", "zero", true));
    EXPECT_TRUE(ini.ReadBool("b", "one", false));
    EXPECT_TRUE(ini.ReadBool("b", "two", false));
    EXPECT_TRUE(ini.ReadBool("b", "minus", false));
    EXPECT_FALSE(ini.ReadBool("b", "hex", true));
    // A word is no integer: the default stays.
    EXPECT_FALSE(ini.ReadBool("b", "word", false));
    EXPECT_TRUE(ini.ReadBool("b", "word", true));
}

TEST(IniFileDisk, ReadsAFile) {
    ScratchFolder folder;
    const std::string path = folder.Write("stampadoc.INI", "[retinatura]\r\nF=0\r\n");
    const TIniFile ini(path);
    EXPECT_TRUE(ini.Loaded());
    EXPECT_FALSE(ini.ReadBool("retinatura", "F", true));
}

TEST(IniFileDisk, MissingFileBehavesAsEmpty) {
    ScratchFolder folder;
    const TIniFile ini(folder / "absent.INI");
    EXPECT_FALSE(ini.Loaded());
    EXPECT_EQ(ini.ReadInteger("margine_sinistro", "F", 150), 150);
    EXPECT_FALSE(ini.SectionExists("margine_sinistro"));
}

TEST(IniFileDisk, NulByteEndsTheValueButNotTheFile) {
    ScratchFolder folder;
    const std::string path = folder.Write("nul.INI", std::string("[a]\nk=x\0y\nz=1\n", 15));
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("a", "k", ""), "x");
    EXPECT_EQ(ini.ReadInteger("a", "z", 0), 1);
}

} // namespace
