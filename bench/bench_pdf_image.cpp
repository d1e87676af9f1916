// Adding a page-size one-bit form bitmap (A4 at 600 dpi, 4960 x 7016 pixels) with image compression on
// and saving the file, against zlib alone compressing the same sample bytes at its default level.

#include "pdf/images/bmp_decoder.h"
#include "pdf/toolkit.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kWidth = 4960;
constexpr int kHeight = 7016;
constexpr int kStride = kWidth / 8; // 620 bytes, already a multiple of 4

void PutLe16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}

void PutLe32(std::string& out, std::uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

// Mostly white, with form rules and rows of glyph-like strokes at the 1/6 inch line pitch, in a
// fixed pseudo-random pattern. Rows are from the top; 1 bits are white.
std::string FormRows() {
    std::string rows(static_cast<std::size_t>(kStride) * kHeight, '\xFF');
    auto black = [&rows](int x, int y) {
        if (x >= 0 && x < kWidth && y >= 0 && y < kHeight)
            rows[static_cast<std::size_t>(y) * kStride + x / 8] &= static_cast<char>(~(0x80 >> (x % 8)));
    };
    auto box = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                black(x, y);
    };
    // Frame and boxes of the form.
    for (int y : {300, 1300, 1400, 5600, 5700, 6700})
        box(240, y, kWidth - 240, y + 5);
    for (int x : {240, 2480, kWidth - 245})
        box(x, 300, x + 5, 6705);
    // Text lines: cells of 10 pitch (60 px), each with a few strokes.
    std::mt19937 random(20241231);
    for (int line = 0; line < 60; ++line) {
        const int top = 360 + line * 100;
        if (line % 7 == 6)
            continue; // blank lines here and there
        const int cells = static_cast<int>(random() % 70) + 5;
        for (int cell = 0; cell < cells; ++cell) {
            const int left = 300 + cell * 60;
            if (random() % 6 == 0)
                continue; // spaces
            for (int stroke = 0; stroke < 3; ++stroke) {
                if (random() % 2 == 0) {
                    const int x = left + 5 + static_cast<int>(random() % 35);
                    box(x, top + 10, x + 6, top + 70);
                } else {
                    const int y = top + 10 + static_cast<int>(random() % 55);
                    box(left + 5, y, left + 45, y + 6);
                }
            }
        }
    }
    return rows;
}

// The rows as a bottom-up one-bit Windows bitmap with the black-and-white colour table.
std::string FormBitmap(const std::string& rows) {
    std::string file = "BM";
    const std::uint32_t offset = 14 + 40 + 8;
    PutLe32(file, offset + static_cast<std::uint32_t>(rows.size()));
    PutLe32(file, 0);
    PutLe32(file, offset);
    PutLe32(file, 40);
    PutLe32(file, kWidth);
    PutLe32(file, kHeight);
    PutLe16(file, 1);
    PutLe16(file, 1);
    PutLe32(file, 0);
    PutLe32(file, static_cast<std::uint32_t>(rows.size()));
    PutLe32(file, 23622);
    PutLe32(file, 23622);
    PutLe32(file, 2);
    PutLe32(file, 0);
    PutLe32(file, 0x000000);
    PutLe32(file, 0xFFFFFF);
    file.reserve(file.size() + rows.size());
    for (int y = kHeight - 1; y >= 0; --y)
        file.append(rows, static_cast<std::size_t>(y) * kStride, kStride);
    return file;
}

const std::string& Bitmap() {
    static const std::string bitmap = FormBitmap(FormRows());
    return bitmap;
}

void BM_AddFormBitmapCompressedAndSave(benchmark::State& state) {
    const std::string& bitmap = Bitmap();
    const std::string target =
        (std::filesystem::temp_directory_path() / ("bench-pdf-image-" + std::to_string(::getpid()) + ".pdf"))
            .string();
    std::int64_t fileSize = 0;
    for (auto _ : state) {
        TPDFToolkit toolkit;
        toolkit.SetMeasurementUnits(2);
        toolkit.SetOrigin(1);
        toolkit.SetPageSize("A4");
        toolkit.CompressImages(1);
        std::istringstream stream(bitmap);
        if (!toolkit.AddImageFromStream(stream, 0) ||
            !toolkit.DrawImage(0, 0, toolkit.PageWidth(), toolkit.PageHeight()) ||
            !toolkit.SaveToFile(target)) {
            state.SkipWithError("adding or saving the image failed");
            break;
        }
        fileSize = static_cast<std::int64_t>(std::filesystem::file_size(target));
    }
    std::filesystem::remove(target);
    state.counters["pdf_bytes"] = static_cast<double>(fileSize);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kStride) * kHeight);
}
BENCHMARK(BM_AddFormBitmapCompressedAndSave)->Unit(benchmark::kMillisecond);

void BM_ZlibDefaultLevelSameSamples(benchmark::State& state) {
    BmpImage image;
    if (!DecodeBmp(Bitmap(), image)) {
        state.SkipWithError("decoding failed");
        return;
    }
    std::string out(compressBound(static_cast<uLong>(image.samples.size())), '\0');
    uLongf length = 0;
    for (auto _ : state) {
        length = static_cast<uLongf>(out.size());
        compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                  reinterpret_cast<const Bytef*>(image.samples.data()),
                  static_cast<uLong>(image.samples.size()), Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["deflated_bytes"] = static_cast<double>(length);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(image.samples.size()));
}
BENCHMARK(BM_ZlibDefaultLevelSameSamples)->Unit(benchmark::kMillisecond);

} // namespace
