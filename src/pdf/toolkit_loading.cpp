#include <fstream>
#include <iterator>
#include <memory>
#include <sys/stat.h>

#include "pdf/reader/loader.h"
#include "pdf/toolkit.h"

namespace {

// The whole file, or false when it cannot be read.
bool readWholeFile(const std::string& fileName, std::string& bytes) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

int TPDFToolkit::LoadFromFile(const std::string& fileName) {
    try {
        std::string bytes;
        if (!readWholeFile(fileName, bytes))
            return 0;
        auto document = std::make_unique<TPDFDocument>();
        if (!TPDFLoader::Load(*document, std::move(bytes)))
            return 0;
        if (!document->pageTree.Build())
            return 0;
        AdoptDocument(std::move(document));
        return 1;
    } catch (...) {
        return 0;
    }
}
