#include "platform/executable_path.h"

#include "support/program_run.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExecutablePath, NamesThisTestProgram) {
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::path(path).is_absolute()) << path;
    EXPECT_EQ(std::filesystem::path(path).filename(), ExecutableFileName("test_platform"));
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}

} // namespace
