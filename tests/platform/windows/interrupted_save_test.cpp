#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/replacement_file.h"
#include "platform/scratch_folder.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

// A save that stopped between moving the old archive aside and putting the new one in its place left the
// archive under its aside name only: the next save's clean-up gives it its name back, and removes a
// temporary file left beside it.
TEST(InterruptedSave, TheArchiveMovedAsideGetsItsNameBack) {
    ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write(".ARCHIVIO.PDF.0123abcd.stampadoc-old", "%PDF-1.4 the archive");
    folder.Write(".ARCHIVIO.PDF.89abcdef.stampadoc-tmp", "half a save");
    const std::string target = folder / "ARCHIVIO.PDF";

    RemoveAbandonedReplacements(target);

    EXPECT_EQ(ReadAll(target), "%PDF-1.4 the archive");
    EXPECT_FALSE(std::filesystem::exists(folder / ".ARCHIVIO.PDF.0123abcd.stampadoc-old"));
    EXPECT_FALSE(std::filesystem::exists(folder / ".ARCHIVIO.PDF.89abcdef.stampadoc-tmp"));
}

// With the archive in place, an aside file is only a leftover of a finished save.
TEST(InterruptedSave, ALeftoverBesideTheArchiveIsRemoved) {
    ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string target = folder.Write("ARCHIVIO.PDF", "%PDF-1.4 new");
    folder.Write(".ARCHIVIO.PDF.0123abcd.stampadoc-old", "%PDF-1.4 old");

    RemoveAbandonedReplacements(target);

    EXPECT_EQ(ReadAll(target), "%PDF-1.4 new");
    EXPECT_FALSE(std::filesystem::exists(folder / ".ARCHIVIO.PDF.0123abcd.stampadoc-old"));
}
