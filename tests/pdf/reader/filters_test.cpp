#include "pdf/reader/filters.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

std::string zlibCompress(const std::string& data) {
    uLongf size = compressBound(data.size());
    std::string out(size, '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                        reinterpret_cast<const Bytef*>(data.data()), data.size(), Z_DEFAULT_COMPRESSION),
              Z_OK);
    out.resize(size);
    return out;
}

std::string sampleText(std::size_t size) {
    std::string s;
    unsigned state = 12345;
    while (s.size() < size) {
        state = state * 1103515245u + 12345u;
        // A small alphabet with repeats, so that LZW tables fill and codes widen.
        s.push_back(static_cast<char>('a' + (state >> 16) % 7));
        if ((state >> 8) % 5 == 0)
            s += "FATTURA ";
    }
    return s;
}

// A plain LZW encoder written from the format's rules: the code width grows after the table entry
// (1 << width) - earlyChange has been created; a clear code is sent before the table is full when
// `clearWhenFull` is set, otherwise the table freezes at 4096 entries.
std::string lzwEncode(const std::string& data, int earlyChange, bool clearWhenFull = true) {
    std::string out;
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    int width = 9;
    auto put = [&](int code) {
        bitBuffer = (bitBuffer << width) | static_cast<std::uint32_t>(code);
        bitCount += width;
        while (bitCount >= 8) {
            out.push_back(static_cast<char>((bitBuffer >> (bitCount - 8)) & 0xFF));
            bitCount -= 8;
        }
    };
    std::map<std::string, int> table;
    int next = 258;
    auto reset = [&] {
        table.clear();
        for (int i = 0; i < 256; ++i)
            table[std::string(1, static_cast<char>(i))] = i;
        next = 258;
    };
    reset();
    put(256);
    std::string w;
    for (char c : data) {
        std::string wc = w + c;
        if (table.count(wc)) {
            w = wc;
            continue;
        }
        put(table[w]);
        if (next < 4096) {
            const int created = next++;
            table[wc] = created;
            if (created == (1 << width) - earlyChange && width < 12)
                ++width;
        }
        if (clearWhenFull && next >= 4096 - 1) {
            put(256);
            reset();
            width = 9;
        }
        w = std::string(1, c);
    }
    if (!w.empty())
        put(table[w]);
    put(257);
    if (bitCount > 0)
        out.push_back(static_cast<char>((bitBuffer << (8 - bitCount)) & 0xFF));
    return out;
}

} // namespace

// ---- FlateDecode ----

TEST(FlateDecode, RoundTripWithZlib) {
    const std::string text = sampleText(200000);
    std::string out;
    ASSERT_TRUE(FlateDecodeData(zlibCompress(text), out));
    EXPECT_EQ(out, text);
}

TEST(FlateDecode, EmptyInputStreamDecodesToNothing) {
    std::string out;
    ASSERT_TRUE(FlateDecodeData(zlibCompress(""), out));
    EXPECT_TRUE(out.empty());
}

TEST(FlateDecode, TruncatedStreamFailsButKeepsWhatWasDecoded) {
    const std::string text = sampleText(100000);
    const std::string packed = zlibCompress(text);
    std::string out;
    EXPECT_FALSE(FlateDecodeData(packed.substr(0, packed.size() / 2), out));
    EXPECT_FALSE(out.empty());
    EXPECT_EQ(out, text.substr(0, out.size()));
}

TEST(FlateDecode, GarbageFails) {
    std::string out;
    EXPECT_FALSE(FlateDecodeData("this is not deflate data at all", out));
}

TEST(FlateDecode, BombStopsAtTheLimit) {
    const std::string packed = zlibCompress(std::string(10u << 20, '\0'));
    std::string out;
    EXPECT_FALSE(FlateDecodeData(packed, out, 1u << 20));
    EXPECT_EQ(out.size(), 1u << 20);
}

TEST(FlateDecode, RawDeflateWithoutHeaderIsAccepted) {
    const std::string packed = zlibCompress("hello hello hello");
    // Drop the 2-byte zlib header and the 4-byte Adler checksum.
    std::string out;
    ASSERT_TRUE(FlateDecodeData(packed.substr(2, packed.size() - 6), out));
    EXPECT_EQ(out, "hello hello hello");
}

// ---- predictors ----

TEST(Predictor, PngRowTypesNoneSubUpAveragePaeth) {
    TPDFPredictorParams params;
    params.predictor = 12;
    params.columns = 3;
    std::string data = bytes({0, 7, 8, 9, 1, 10, 5, 5, 2, 1, 1, 1, 3, 5, 0, 0, 4, 1, 1, 1});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({7, 8, 9, 10, 15, 20, 11, 16, 21, 10, 13, 17, 11, 14, 18}));
}

TEST(Predictor, PngPaethPicksLeftAndUpperLeft) {
    TPDFPredictorParams params;
    params.predictor = 15;
    params.columns = 2;
    std::string data = bytes({0, 15, 20, 4, 251, 7, 4, 20, 1});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({15, 20, 10, 22, 30, 31}));
}

TEST(Predictor, PngUsesWholePixelsForLeftNeighbour) {
    TPDFPredictorParams params;
    params.predictor = 11;
    params.colors = 3;
    params.columns = 2;
    std::string data = bytes({1, 10, 20, 30, 1, 2, 3});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({10, 20, 30, 11, 22, 33}));
}

TEST(Predictor, PngXrefStreamStyleUpRows) {
    // Cross-reference streams typically use /Predictor 12 /Columns 4 with Up rows.
    TPDFPredictorParams params;
    params.predictor = 12;
    params.columns = 4;
    std::string data = bytes({2, 1, 0, 0x10, 0, 2, 0, 0, 0x20, 0});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({1, 0, 0x10, 0, 1, 0, 0x30, 0}));
}

TEST(Predictor, PngUnknownRowTypeFails) {
    TPDFPredictorParams params;
    params.predictor = 10;
    params.columns = 2;
    std::string data = bytes({9, 1, 2});
    EXPECT_FALSE(ApplyPredictor(data, params));
}

TEST(Predictor, PngShortLastRowKeepsItsBytes) {
    TPDFPredictorParams params;
    params.predictor = 10;
    params.columns = 4;
    std::string data = bytes({0, 1, 2, 3, 4, 2, 1, 1});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({1, 2, 3, 4, 2, 3}));
}

TEST(Predictor, TiffEightBitsTwoColours) {
    TPDFPredictorParams params;
    params.predictor = 2;
    params.colors = 2;
    params.columns = 3;
    std::string data = bytes({1, 2, 1, 1, 1, 1, 5, 5, 0xFF, 0, 1, 0});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({1, 2, 2, 3, 3, 4, 5, 5, 4, 5, 5, 5}));
}

TEST(Predictor, TiffOneBitPerComponent) {
    TPDFPredictorParams params;
    params.predictor = 2;
    params.bitsPerComponent = 1;
    params.columns = 8;
    std::string data = bytes({0x80, 0xC0});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({0xFF, 0x80}));
}

TEST(Predictor, TiffSixteenBits) {
    TPDFPredictorParams params;
    params.predictor = 2;
    params.bitsPerComponent = 16;
    params.columns = 2;
    std::string data = bytes({0x01, 0xFF, 0x00, 0x02});
    ASSERT_TRUE(ApplyPredictor(data, params));
    EXPECT_EQ(data, bytes({0x01, 0xFF, 0x02, 0x01}));
}

TEST(Predictor, NoneLeavesDataAndBadParametersFail) {
    std::string data = "abc";
    EXPECT_TRUE(ApplyPredictor(data, TPDFPredictorParams{}));
    EXPECT_EQ(data, "abc");
    TPDFPredictorParams bad;
    bad.predictor = 12;
    bad.bitsPerComponent = 3;
    EXPECT_FALSE(ApplyPredictor(data, bad));
    bad.bitsPerComponent = 8;
    bad.columns = 0;
    EXPECT_FALSE(ApplyPredictor(data, bad));
    bad.columns = 1;
    bad.predictor = 7;
    EXPECT_FALSE(ApplyPredictor(data, bad));
    EXPECT_EQ(data, "abc");
}

// ---- ASCII85Decode ----

TEST(ASCII85Decode, KnownText) {
    std::string out;
    ASSERT_TRUE(ASCII85DecodeData("9jqo^BlbD-BleB1DJ+*+F(f,q~>", out));
    EXPECT_EQ(out, "Man is distinguished");
}

TEST(ASCII85Decode, ZeroGroupAndPartialLastGroup) {
    std::string out;
    ASSERT_TRUE(ASCII85DecodeData("z@:E^~>", out));
    EXPECT_EQ(out, std::string("\0\0\0\0abc", 7));
}

TEST(ASCII85Decode, WhiteSpaceAndLeadingMarkerAreIgnored) {
    std::string out;
    ASSERT_TRUE(ASCII85DecodeData("<~9jqo^\r\nBlbD-  BleB1\tDJ+*+F(f,q~>", out));
    EXPECT_EQ(out, "Man is distinguished");
}

TEST(ASCII85Decode, EmptyAndAllPartialLengths) {
    std::string out;
    ASSERT_TRUE(ASCII85DecodeData("~>", out));
    EXPECT_TRUE(out.empty());
    // "a", "ab", "abc" encode to 2, 3, 4 characters.
    out.clear();
    ASSERT_TRUE(ASCII85DecodeData("@/~>", out));
    EXPECT_EQ(out, "a");
    out.clear();
    ASSERT_TRUE(ASCII85DecodeData("@:B~>", out));
    EXPECT_EQ(out, "ab");
    out.clear();
    ASSERT_TRUE(ASCII85DecodeData("@:E^~>", out));
    EXPECT_EQ(out, "abc");
}

TEST(ASCII85Decode, InvalidInputFails) {
    std::string out;
    EXPECT_FALSE(ASCII85DecodeData("abc{e~>", out));  // character outside the alphabet
    EXPECT_FALSE(ASCII85DecodeData("uuuuu~>", out));  // group above 2^32 - 1
    EXPECT_FALSE(ASCII85DecodeData("9jqo^B~>", out)); // single character in the last group
    EXPECT_FALSE(ASCII85DecodeData("9jz~>", out));    // z inside a group
}

TEST(ASCII85Decode, RespectsTheLimit) {
    std::string out;
    EXPECT_FALSE(ASCII85DecodeData("zzzzzzzzzz~>", out, 16));
    EXPECT_LE(out.size(), 16u);
}

// ---- LZWDecode ----

TEST(LZWDecode, ExampleFromTheFormatDescription) {
    // "-----A---B" is coded as 256 45 258 258 65 259 66 257 in 9-bit codes.
    std::string out;
    ASSERT_TRUE(LZWDecodeData(bytes({0x80, 0x0B, 0x60, 0x50, 0x22, 0x0C, 0x0C, 0x85, 0x01}), out));
    EXPECT_EQ(out, "-----A---B");
}

TEST(LZWDecode, EarlyChangeRoundTripsAcrossEveryCodeWidth) {
    const std::string text = sampleText(60000);
    for (int early : {0, 1}) {
        SCOPED_TRACE(early);
        std::string out;
        ASSERT_TRUE(LZWDecodeData(lzwEncode(text, early), out, early));
        EXPECT_EQ(out, text);
    }
}

TEST(LZWDecode, WrongEarlyChangeGarblesTheData) {
    const std::string text = sampleText(20000);
    std::string out;
    LZWDecodeData(lzwEncode(text, 0), out, 1);
    EXPECT_NE(out, text);
}

TEST(LZWDecode, FullTableWithoutClearKeepsTwelveBitCodes) {
    const std::string text = sampleText(150000);
    std::string out;
    ASSERT_TRUE(LZWDecodeData(lzwEncode(text, 1, false), out, 1));
    EXPECT_EQ(out, text);
}

TEST(LZWDecode, CodeBeyondTheTableFails) {
    // 256 (clear), 65, then 300 which is not yet defined.
    std::string out;
    // 9-bit codes: 100000000 001000001 100101100 -> bytes packed MSB first.
    EXPECT_FALSE(LZWDecodeData(bytes({0x80, 0x10, 0x65, 0x80}), out));
}

TEST(LZWDecode, MissingEndCodeIsTolerated) {
    std::string encoded = lzwEncode("abcabcabc", 1);
    encoded.pop_back(); // drop the bits of the end code
    encoded.pop_back();
    std::string out;
    EXPECT_TRUE(LZWDecodeData(encoded, out, 1));
    EXPECT_EQ(out, std::string("abcabcabc").substr(0, out.size()));
}

TEST(LZWDecode, RespectsTheLimit) {
    std::string out;
    EXPECT_FALSE(LZWDecodeData(lzwEncode(std::string(100000, 'x'), 1), out, 1, 1000));
    EXPECT_LE(out.size(), 1000u);
}
