#include <memory>

#include "pdf/reader/loader.h"
#include "pdf/toolkit.h"
#include "platform/mapped_file.h"

int TPDFToolkit::LoadFromFile(const std::string& fileName) {
    try {
        std::unique_ptr<MappedFile> file = MappedFile::Open(fileName);
        if (!file)
            return 0;
        auto document = std::make_unique<TPDFDocument>();
        if (!TPDFLoader::Load(*document, std::move(file)))
            return 0;
        const bool built = document->pageTree.Build();
        document->loadedFile->ReleaseMemory();
        if (!built)
            return 0;
        AdoptDocument(std::move(document));
        return 1;
    } catch (...) {
        return 0;
    }
}
