#pragma once

// Shared helpers of the image tests: bitmaps with a known pattern, files, external tools, PGM pixels.

#include "pdf/images/bmp_builder.h"
#include "support/scratch_folder.h"
#include "support/shell_command.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

// A one-bit bitmap, bottom-up, whose top-left quadrant holds 0 bits and the rest 1 bits.
// `blackFirst` puts black in colour-table entry 0 (so the quadrant is black), else white.
inline std::string QuadrantBitmap(int width, int height, bool blackFirst) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = 1;
    layout.palette = blackFirst ? std::vector<std::uint32_t>{0x000000, 0xFFFFFF}
                                : std::vector<std::uint32_t>{0xFFFFFF, 0x000000};
    const int stride = (width + 31) / 32 * 4;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = height - 1 - fileRow; // from the top
        std::string row(static_cast<std::size_t>(stride), '\xFF');
        if (y < height / 2) {
            for (int x = 0; x < width / 2; ++x)
                row[static_cast<std::size_t>(x / 8)] &= static_cast<char>(~(0x80 >> (x % 8)));
        }
        layout.pixels += row;
    }
    return BuildBmp(layout);
}

// A fresh scratch directory for the files of one test.
inline std::filesystem::path ScratchDirectory(const std::string& name) {
    return NewScratchFolder("stampadoc-image-" + name);
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a shell command; returns its exit status and its standard output.
inline int RunCommand(const std::string& command, std::string* output = nullptr) {
    const ShellResult shell = RunShell(command + " 2>&1");
    if (output)
        *output = shell.output;
    return shell.status;
}

// A binary grey map (P5) as written by pdftoppm -gray.
struct GreyMap {
    int width = 0;
    int height = 0;
    std::string pixels;
    int At(double fx, double fy) const {
        const int x = static_cast<int>(fx * width);
        const int y = static_cast<int>(fy * height);
        return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]);
    }
};

inline bool ReadGreyMap(const std::filesystem::path& path, GreyMap& map) {
    const std::string bytes = ReadFile(path);
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    in >> magic >> map.width >> map.height >> maxValue;
    if (magic != "P5" || maxValue != 255 || map.width <= 0 || map.height <= 0)
        return false;
    in.get();
    map.pixels = bytes.substr(static_cast<std::size_t>(in.tellg()));
    return map.pixels.size() == static_cast<std::size_t>(map.width) * map.height;
}
