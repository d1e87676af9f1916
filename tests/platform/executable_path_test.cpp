#include "platform/executable_path.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExecutablePath, NamesThisTestProgram) {
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(std::filesystem::path(path).filename(), "test_platform");
    EXPECT_TRUE(std::filesystem::equivalent(path, "/proc/self/exe"));
}

} // namespace
