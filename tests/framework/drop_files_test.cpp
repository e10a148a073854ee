#include "framework/drop_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tundeck {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

void PutDword(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// A header with the list right behind it, then `list` as it stands.
Bytes Block(const std::string& list, bool wide, std::int32_t x = 7, std::int32_t y = -3) {
    Bytes bytes;
    for (std::uint32_t value :
         {20u, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 0u, wide ? 1u : 0u}) {
        PutDword(bytes, value);
    }
    bytes.insert(bytes.end(), list.begin(), list.end());
    return bytes;
}

TEST(DropFiles, NamesAndPointOfSingleByteAndWideLists) {
    const DroppedFiles narrow =
        ReadDroppedFiles(Block(std::string("C:\\a.mp3\0D:\\\xE9t\xE9\0\0", 18), false));
    EXPECT_EQ(narrow.Names, (Names{"C:\\a.mp3", "D:\\\xE9t\xE9"}));
    EXPECT_EQ(narrow.X, 7);
    EXPECT_EQ(narrow.Y, -3);

    const DroppedFiles wide = ReadDroppedFiles(Block(std::string("C\0:\0\xE9\0\0\0x\0\0\0\0\0", 14), true));
    EXPECT_TRUE(wide.Names.empty());
    EXPECT_EQ(wide.WideNames, (std::vector<std::u16string>{u"C:\u00E9", u"x"}));
}

TEST(DropFiles, ABrokenBlockGivesWhatItHoldsAndNoMore) {
    EXPECT_TRUE(ReadDroppedFiles(Bytes(19, 0)).Names.empty());
    Bytes pastEnd = Block("a\0", false);
    pastEnd[0] = 200; // the list offset
    EXPECT_TRUE(ReadDroppedFiles(pastEnd).Names.empty());
    EXPECT_EQ(ReadDroppedFiles(Block("a.mp3", false)).Names, (Names{"a.mp3"}));        // no zeros at all
    EXPECT_EQ(ReadDroppedFiles(Block(std::string("\0b\0", 3), false)).Names, Names{}); // empty first
    EXPECT_EQ(ReadDroppedFiles(Block(std::string("a\0b", 3), true)).WideNames,
              (std::vector<std::u16string>{u"a"})); // an odd last byte is no character
}

} // namespace
} // namespace tundeck
