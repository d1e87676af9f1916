#include <gtest/gtest.h>

#include <stdexcept>

#include "pdf/model/number.h"
#include "pdf/model/object.h"
#include "pdf/model/structure.h"

namespace {

TEST(NumberWriter, CutsDecimalsWithoutRounding) {
    EXPECT_EQ(FormatPDFNumber(12.99999, 4), "12.9999");
    EXPECT_EQ(FormatPDFNumber(595.2755905511812, 4), "595.2755");
    EXPECT_EQ(FormatPDFNumber(0.05, 4), "0.05");
    EXPECT_EQ(FormatPDFNumber(-3.14159, 2), "-3.14");
}

TEST(NumberWriter, IntegersHaveNoPoint) {
    EXPECT_EQ(FormatPDFNumber(612, 4), "612");
    EXPECT_EQ(FormatPDFNumber(0, 4), "0");
    EXPECT_EQ(FormatPDFNumber(1000000, 4), "1000000");
    EXPECT_EQ(FormatPDFNumber(2.5000, 4), "2.5");
    EXPECT_EQ(FormatPDFNumber(-17, 4), "-17");
}

TEST(NumberWriter, ExponentFormBecomesZero) {
    EXPECT_EQ(FormatPDFNumber(0.00001, 4), "0");
    EXPECT_EQ(FormatPDFNumber(6.123233995736766e-17, 8), "0"); // cos 90 degrees
    EXPECT_EQ(FormatPDFNumber(-2.4492935982947064e-16, 8), "0");
    EXPECT_EQ(FormatPDFNumber(1e300, 4), "0");
}

TEST(NumberWriter, SmallValuesCutToZeroNeverNegativeZero) {
    EXPECT_EQ(FormatPDFNumber(0.00004, 4), "0");
    EXPECT_EQ(FormatPDFNumber(-0.00004, 4), "0");
    EXPECT_EQ(FormatPDFNumber(-0.0001, 2), "0");
    EXPECT_EQ(FormatPDFNumber(0.0001, 4), "0.0001");
}

TEST(NumberWriter, PrecisionEightKeepsEightDecimals) {
    EXPECT_EQ(FormatPDFNumber(0.7071067811865476, 8), "0.70710678");
    EXPECT_EQ(FormatPDFNumber(100.123456789, 8), "100.12345678");
}

TEST(NumberWriter, NotANumberIsZero) {
    EXPECT_EQ(FormatPDFNumber(std::numeric_limits<double>::quiet_NaN(), 4), "0");
    EXPECT_EQ(FormatPDFNumber(std::numeric_limits<double>::infinity(), 4), "0");
}

TEST(NumberWriter, PaddedIntegers) {
    EXPECT_EQ(FormatPaddedInteger(15, 10), "0000000015");
    EXPECT_EQ(FormatPaddedInteger(65535, 5), "65535");
    EXPECT_EQ(FormatPaddedInteger(0, 5), "00000");
}

TEST(ValueText, SimpleValues) {
    EXPECT_EQ(TPDFBoolean(true).ToText(), "true");
    EXPECT_EQ(TPDFBoolean(false).ToText(), "false");
    EXPECT_EQ(TPDFNull().ToText(), "null");
    EXPECT_EQ(TPDFIndRef(3, 0).ToText(), "3 0 R");
    EXPECT_EQ(TPDFNumeric(12.99999).ToText(4), "12.9999");
    EXPECT_EQ(TPDFNumeric(12.99999).ToText(2), "12.99");
}

TEST(ValueText, NameEscapes) {
    EXPECT_EQ(TPDFName("Type").ToText(), "/Type");
    EXPECT_EQ(TPDFName("Numero Documenti Nel File").ToText(), "/Numero#20Documenti#20Nel#20File");
    EXPECT_EQ(TPDFName("a#b%c(d)e/f<g>h[i]j{k}l").ToText(), "/a#23b#25c#28d#29e#2Ff#3Cg#3Eh#5Bi#5Dj#7Bk#7Dl");
    EXPECT_EQ(TPDFName(std::string("\x01\x7f\x80\xe8~!", 6)).ToText(), "/#01#7F#80#E8~!");
}

TEST(ValueText, LiteralStringEscapes) {
    EXPECT_EQ(TPDFString("a(b)c\\d").ToText(), "(a\\(b\\)c\\\\d)");
    EXPECT_EQ(TPDFString("\b\t\n\f\r").ToText(), "(\\b\\t\\n\\f\\r)");
    // Other bytes, high ones included, stand as they are.
    EXPECT_EQ(TPDFString("\xe0 x\x01").ToText(), "(\xe0 x\x01)");
}

TEST(ValueText, HexString) {
    EXPECT_EQ(TPDFString(std::string("\x00\xab\x7f", 3), TPDFString::HexMode).ToText(), "<00AB7F>");
    EXPECT_EQ(TPDFString("", TPDFString::HexMode).ToText(), "<>");
}

TEST(ValueText, ArrayLayout) {
    TPDFStructure structure;
    TPDFArray* array = structure.NewArray();
    EXPECT_EQ(array->ToText(), "[ ]");
    for (double v : {0.0, 0.0, 612.0, 792.0})
        array->Add(structure.NewNumeric(v));
    EXPECT_EQ(array->ToText(), "[ 0 0 612 792 ]");
}

TEST(ValueText, LongArrayBreaksAfterEightyCharacters) {
    TPDFStructure structure;
    TPDFArray* array = structure.NewArray();
    for (int i = 10; i < 40; ++i)
        array->Add(structure.NewIndRef(i, 0));
    std::string text = array->ToText();
    // "[ " + 13 references of 7 characters = 93 > 80 after the 12th: the break follows "21 0 R ".
    std::string expectedStart = "[ 10 0 R 11 0 R 12 0 R 13 0 R 14 0 R 15 0 R 16 0 R 17 0 R 18 0 R 19 0 R "
                                "20 0 R 21 0 R \n22 0 R ";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            EXPECT_LE(i - lineStart, 88u) << text;
            lineStart = i + 1;
        }
    }
    EXPECT_EQ(text.back(), ']');
}

TEST(ValueText, ArrayElementEndingInLineFeedGetsNoSpace) {
    TPDFStructure structure;
    TPDFArray* array = structure.NewArray();
    TPDFDictionary* dict = structure.NewDictionary();
    dict->Set("A", structure.NewNumeric(1));
    array->Add(dict);
    array->Add(structure.NewNumeric(2));
    EXPECT_EQ(array->ToText(), "[ <<\n/A 1\n>>\n2 ]");
}

TEST(ValueText, DictionaryOneEntryPerLine) {
    TPDFStructure structure;
    TPDFDictionary* dict = structure.NewDictionary();
    EXPECT_EQ(dict->ToText(), "<<\n>>\n");
    dict->Set("Type", structure.NewName("Catalog"));
    dict->Set("Pages", structure.NewIndRef(1, 0));
    EXPECT_EQ(dict->ToText(), "<<\n/Type /Catalog\n/Pages 1 0 R\n>>\n");
    TPDFDictionary* outer = structure.NewDictionary();
    outer->Set("Resources", dict);
    outer->Set("X", structure.NewBoolean(true));
    EXPECT_EQ(outer->ToText(), "<<\n/Resources <<\n/Type /Catalog\n/Pages 1 0 R\n>>\n/X true\n>>\n");
}

TEST(ValueText, DictionaryWithoutLayoutFlagOnOneLine) {
    TPDFStructure structure;
    TPDFDictionary* dict = structure.NewDictionary();
    dict->Set("Type", structure.NewName("Font"));
    EXPECT_EQ(dict->ToText(4, false), "<< /Type /Font >>\n");
}

TEST(Dictionary, SetReplacesInPlaceAndAppendsNewKeys) {
    TPDFStructure structure;
    TPDFDictionary* dict = structure.NewDictionary();
    dict->Set("A", structure.NewNumeric(1));
    dict->Set("B", structure.NewNumeric(2));
    dict->Set("C", structure.NewNumeric(3));
    dict->Set("A", structure.NewNumeric(9));
    EXPECT_EQ(dict->ToText(), "<<\n/A 9\n/B 2\n/C 3\n>>\n");
    EXPECT_TRUE(dict->Remove("A"));
    EXPECT_FALSE(dict->Remove("Z"));
    EXPECT_EQ(dict->ToText(), "<<\n/B 2\n/C 3\n>>\n");
    EXPECT_EQ(AsNumeric(dict->Get("C"))->value, 3);
    EXPECT_EQ(dict->Get("A"), nullptr);
}

class ThrowingValue : public TPDFObject {
public:
    void Serialize(std::string&, int, bool) const override { throw std::runtime_error("broken"); }
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Null; }
};

TEST(Dictionary, BrokenEntryIsWrittenAsBugLine) {
    TPDFStructure structure;
    ThrowingValue broken;
    TPDFDictionary* dict = structure.NewDictionary();
    dict->Set("A", structure.NewNumeric(1));
    dict->Set("B", &broken);
    dict->Set("C", nullptr);
    dict->Set("D", structure.NewNumeric(4));
    EXPECT_EQ(dict->ToText(), "<<\n/A 1\n% bug \n% bug \n/D 4\n>>\n");
}

TEST(Stream, SettingDataSetsLength) {
    TPDFStructure structure;
    TPDFStream* stream = structure.NewStream();
    stream->SetData("BT\nET\n");
    EXPECT_EQ(stream->ToText(), "<<\n/Length 6\n>>\nstream\nBT\nET\n\nendstream");
    stream->dictionary->Set("LC", structure.NewName("Ruvo"));
    stream->SetData("q");
    EXPECT_EQ(stream->ToText(), "<<\n/Length 1\n/LC /Ruvo\n>>\nstream\nq\nendstream");
    // A /Length that is a reference is replaced by the number.
    stream->dictionary->Set("Length", structure.NewIndRef(7, 0));
    stream->SetData("abc");
    EXPECT_EQ(stream->ToText(), "<<\n/Length 3\n/LC /Ruvo\n>>\nstream\nabc\nendstream");
}

TEST(Structure, PrecisionAcceptsTwoToEight) {
    TPDFStructure structure;
    EXPECT_EQ(structure.Precision(), 4);
    structure.SetPrecision(1);
    EXPECT_EQ(structure.Precision(), 4);
    structure.SetPrecision(9);
    EXPECT_EQ(structure.Precision(), 4);
    structure.SetPrecision(2);
    EXPECT_EQ(structure.Precision(), 2);
    structure.SetPrecision(8);
    EXPECT_EQ(structure.Precision(), 8);
}

TEST(TypedViews, KindChecks) {
    TPDFStructure structure;
    TPDFObject* number = structure.NewNumeric(1);
    EXPECT_NE(AsNumeric(number), nullptr);
    EXPECT_EQ(AsName(number), nullptr);
    EXPECT_EQ(AsDictionary(nullptr), nullptr);
    EXPECT_NE(AsStream(structure.NewStream()), nullptr);
}

} // namespace
