#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/mapped_file.h"
#include "platform/replacement_file.h"
#include "scratch_folder.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

// An archive is appended to while it is mapped for reading: the save must replace it all the same (Windows
// will not replace a mapped file in place), the old bytes stay readable through the mapping, and no
// temporary or old file is left beside it.
TEST(ReplaceMappedFile, SaveOverTheMappedFileReplacesItAndKeepsTheMappingReadable) {
    ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string target = folder.Write("ARCHIVIO.PDF", std::string(200000, 'a') + "END");
    auto mapped = MappedFile::Open(target);
    ASSERT_NE(mapped, nullptr);

    ReplacementFile file;
    ASSERT_TRUE(file.Create(target));
    ASSERT_TRUE(file.CopyFrom(*mapped, 0, mapped->Bytes().size()));
    ASSERT_TRUE(file.Write("+NEW"));
    ASSERT_TRUE(file.Commit());

    EXPECT_EQ(ReadAll(target), std::string(200000, 'a') + "END+NEW");
    EXPECT_EQ(mapped->Bytes().substr(200000), "END");
    // The old file may keep a name while it is open; the next save's clean-up removes it.
    mapped.reset();
    RemoveAbandonedReplacements(target);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"ARCHIVIO.PDF"});
}
