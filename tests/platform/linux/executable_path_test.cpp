#include "platform/executable_path.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExecutablePath, IsTheFileTheKernelRuns) {
    EXPECT_TRUE(std::filesystem::equivalent(ExecutablePath(), "/proc/self/exe"));
}

} // namespace
