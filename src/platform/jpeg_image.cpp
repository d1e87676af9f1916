#include "platform/jpeg_image.h"

#include <fstream>
#include <iterator>

// Reading the file is the same on every platform; decoding is the platform's.

namespace {

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

JpegImage JpegImage::loadFile(const std::string& path) {
    return decode(readWholeFile(path));
}

bool JpegImage::readFileSize(const std::string& path, int& width, int& height) {
    return readSize(readWholeFile(path), width, height);
}
