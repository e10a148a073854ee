#include "framework/directory_rows.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

TEST(DirectoryRows, OpenPathFromTheDriveDown) {
    const std::vector<DirectoryRow> rows = OpenDirectoryRows("C:\\Music\\Band");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Name, "C:\\");
    EXPECT_EQ(rows[1].Name, "Music");
    EXPECT_EQ(rows[2].Name, "Band");
    EXPECT_EQ(rows[2].Level, 2);
    EXPECT_EQ(OpenDirectoryRows("c:\\").size(), 1u);
    EXPECT_EQ(OpenDirectoryRows("Z:\\tmp\\").size(), 2u);
}

TEST(DirectoryRows, RowPathsClimbOrDescend) {
    std::vector<DirectoryRow> rows = OpenDirectoryRows("C:\\Music\\Band");
    rows.push_back({"Live", 3, false});
    rows.push_back({"Studio", 3, false});
    EXPECT_EQ(DirectoryRowPath(rows, 0), "C:\\");
    EXPECT_EQ(DirectoryRowPath(rows, 1), "C:\\Music");
    EXPECT_EQ(DirectoryRowPath(rows, 2), "C:\\Music\\Band");
    EXPECT_EQ(DirectoryRowPath(rows, 4), "C:\\Music\\Band\\Studio");
}

} // namespace
} // namespace tundeck
