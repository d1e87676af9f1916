#include "platform/file_exists.h"

#include "platform/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileExists, OnlyRegularFilesCount) {
    ScratchFolder folder;
    const std::string file = folder.Write("f.txt", "x");
    EXPECT_TRUE(IsExistingFile(file));
    EXPECT_FALSE(IsExistingFile(folder.Path()));
    EXPECT_FALSE(IsExistingFile(folder / "absent"));
    EXPECT_FALSE(IsExistingFile(""));
}

} // namespace
