#include "framework/text.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

TEST(PathExtension, TakesTheLastDotAfterTheLastSeparator) {
    EXPECT_EQ(PathExtension("C:\\Music\\SONG.MP3"), ".mp3");
    EXPECT_EQ(PathExtension("a.b\\c"), "");
    EXPECT_EQ(PathExtension("d.mp3:x"), "");
    EXPECT_EQ(PathExtension("list.tar.m3u"), ".m3u");
    EXPECT_EQ(PathExtension("noext"), "");
    EXPECT_EQ(PathExtension("C:\\dir\\.mp3"), ".mp3");
    EXPECT_EQ(PathExtension("a.mp3 "), ".mp3 ");
    EXPECT_EQ(PathExtension("http://host/x.mp3"), ".mp3");
}

TEST(JoinLinesCrLf, EndsEveryLine) {
    EXPECT_EQ(JoinLinesCrLf({}), "");
    EXPECT_EQ(JoinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

} // namespace
} // namespace tundeck
