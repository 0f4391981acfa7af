#include "util/ProgramDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(ProgramDirectory, IsTheFolderOfTheRunningProgramNotTheWorkingOne) {
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(directory + "link_tests"));
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path("/");
    EXPECT_EQ(ProgramDirectory(), directory);
    std::filesystem::current_path(before);
}
