// Replacing a file: bytes written and ranges of a mapped file copied end up in order, nothing replaces
// the target before the commit, and temporary files of interrupted saves are found again.

#include "platform/mapped_file.h"
#include "platform/replacement_file.h"

#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <vector>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Entries(const ScratchFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplacementFile, WritesAndCopiesInOrderAndReplacesOnlyOnCommit) {
    ScratchFolder folder;
    std::string source(3 << 20, '\0');
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>(i * 7 + i / 4099);
    const std::string sourcePath = folder.Write("source.pdf", source);
    const std::string target = folder.Write("target.pdf", "old");
    const std::unique_ptr<MappedFile> mapped = MappedFile::Open(sourcePath);
    ASSERT_NE(mapped, nullptr);
    ASSERT_EQ(mapped->Bytes(), source);

    ReplacementFile file;
    ASSERT_TRUE(file.Create(target));
    // Ranges above and below the size of one write, and one reaching the end of the source.
    EXPECT_TRUE(file.Write("head"));
    EXPECT_TRUE(file.CopyFrom(*mapped, 5, (2 << 20) + 3));
    EXPECT_TRUE(file.Write("mid"));
    EXPECT_TRUE(file.CopyFrom(*mapped, 17, 1000));
    EXPECT_TRUE(file.CopyFrom(*mapped, source.size() - 10, 10));
    EXPECT_FALSE(file.CopyFrom(*mapped, source.size() - 10, 11));
    const std::string expected = "head" + source.substr(5, (2 << 20) + 3) + "mid" + source.substr(17, 1000) +
                                 source.substr(source.size() - 10);
    EXPECT_EQ(file.Size(), expected.size());
    EXPECT_EQ(ReadAll(target), "old");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadAll(target), expected);
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"source.pdf", "target.pdf"}));
    // Giving back the mapping's memory keeps its bytes.
    mapped->ReleaseMemory();
    EXPECT_EQ(mapped->Bytes(), source);
}

TEST(ReplacementFile, UncommittedOrAbandonedTemporaryFilesAreRemoved) {
    ScratchFolder folder;
    const std::string target = folder.Write("a.pdf", "old");
    {
        ReplacementFile file;
        ASSERT_TRUE(file.Create(target));
        EXPECT_TRUE(file.Write("new"));
        EXPECT_EQ(Entries(folder).size(), 2u);
    }
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"a.pdf"});

    // Temporary files that killed saves left: only those of this target are taken away.
    for (const char* name : {".a.pdf.0123abcd.stampadoc-tmp", ".b.pdf.0123abcd.stampadoc-tmp",
                             ".a.pdf.0123abcdX.stampadoc-tmp", "a.pdf.0123abcd.stampadoc-tmp"})
        folder.Write(name, "x");
    RemoveAbandonedReplacements(target);
    EXPECT_EQ(Entries(folder),
              (std::vector<std::string>{".a.pdf.0123abcdX.stampadoc-tmp", ".b.pdf.0123abcd.stampadoc-tmp",
                                        "a.pdf", "a.pdf.0123abcd.stampadoc-tmp"}));
}

TEST(ReplacementFile, TargetThatIsNoRegularFileIsRefused) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "dir.pdf");
    ReplacementFile file;
    EXPECT_FALSE(file.Create(folder / "dir.pdf"));
    EXPECT_FALSE(file.Create(folder / "missing/a.pdf"));
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"dir.pdf"});
}

} // namespace
