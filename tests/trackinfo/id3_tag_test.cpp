#include "trackinfo/id3_tag.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tundeck {
namespace {

constexpr TagField SongName = TagTextFields[0];
constexpr TagField Artist = TagTextFields[1];
constexpr TagField Comment = TagTextFields[TagCommentField];

TagBuffer TagWith(TagField field, const std::string& bytes, std::uint8_t genre = 0) {
    TagBuffer tag{'T', 'A', 'G'};
    std::memcpy(tag.data() + field.Offset, bytes.data(), bytes.size());
    tag[TagGenreOffset] = genre;
    return tag;
}

TEST(Id3Tag, ReadingEndsAtTheFirstZeroOrTheFieldAndDropsTrailingBlanksAndControls) {
    EXPECT_EQ(ReadTagField(TagWith(SongName, "Hello"), SongName), "Hello");
    EXPECT_EQ(ReadTagField(TagWith(SongName, "Hello" + std::string(25, ' ')), SongName), "Hello");
    EXPECT_EQ(ReadTagField(TagWith(SongName, "  Hi\t\x01\x1f "), SongName), "  Hi");
    EXPECT_EQ(ReadTagField(TagWith(SongName, "ab\0cd", 0), SongName), "ab");
    // Full width: no terminator, and the next field's bytes are not taken.
    const std::string full(30, 'x');
    TagBuffer tag = TagWith(SongName, full + "artist");
    EXPECT_EQ(ReadTagField(tag, SongName), full);
    EXPECT_EQ(ReadTagField(tag, Artist), "artist");
    EXPECT_EQ(ReadTagField(TagWith(SongName, "\xe9t\xe9"), SongName), "\xe9t\xe9"); // code-page bytes stay
}

TEST(Id3Tag, StoringPadsWithZerosOrFillsTheFieldWithoutATerminator) {
    TagBuffer tag;
    tag.fill(0xAA);
    StoreTagField(tag, Artist, "abc   \r\n");
    EXPECT_EQ(std::string(tag.begin() + 33, tag.begin() + 36), "abc");
    for (std::size_t i = 36; i < 63; ++i) {
        ASSERT_EQ(tag[i], 0) << i;
    }
    EXPECT_EQ(tag[63], 0xAA); // the next field is left alone
    StoreTagField(tag, Artist, std::string(31, 'y'));
    EXPECT_EQ(std::string(tag.begin() + 33, tag.begin() + 63), std::string(30, 'y'));
    EXPECT_EQ(tag[63], 0xAA);
    StoreTagField(tag, TagTextFields[3], "19999");
    EXPECT_EQ(std::string(tag.begin() + 93, tag.begin() + 97), "1999");
}

TEST(Id3Tag, GenresByNumberAndNumbersBeyondTheList) {
    ASSERT_EQ(GenreNames().size(), 43u);
    EXPECT_STREQ(GenreNames()[0], "Blues");
    EXPECT_STREQ(GenreNames()[12], "Other");
    EXPECT_STREQ(GenreNames()[42], "Soul");
    EXPECT_EQ(DecodeTag(TagWith(SongName, "", 12)).Genre, 12);
    EXPECT_EQ(DecodeTag(TagWith(SongName, "", 42)).Genre, 42);
    EXPECT_EQ(DecodeTag(TagWith(SongName, "", 43)).Genre, -1);
    EXPECT_EQ(DecodeTag(TagWith(SongName, "", 255)).Genre, -1);
}

TEST(Id3Tag, EncodingWritesTheBoxesAndKeepsWhatTheDialogCannotShow) {
    TagContents contents;
    contents.Texts = {"Song", "Artist", "Album", "2001", "Comment"};
    // A new tag: "Other" when no genre is chosen.
    const TagBuffer fresh = EncodeTag(contents, std::nullopt);
    EXPECT_TRUE(IsTag(fresh));
    EXPECT_EQ(DecodeTag(fresh).Texts, contents.Texts);
    EXPECT_EQ(fresh[TagGenreOffset], TagDefaultGenre);
    EXPECT_EQ(fresh[126], 0);

    // A genre beyond the list stays while the box selects nothing; a chosen genre replaces it.
    const TagBuffer unknownGenre = TagWith(SongName, "Old", 80);
    EXPECT_EQ(EncodeTag(contents, unknownGenre)[TagGenreOffset], 80);
    contents.Genre = 17;
    EXPECT_EQ(EncodeTag(contents, unknownGenre)[TagGenreOffset], 17);
    // A listed genre the user cleared gives "Other", as for any box that selects nothing.
    contents.Genre = -1;
    EXPECT_EQ(EncodeTag(contents, TagWith(SongName, "Old", 5))[TagGenreOffset], TagDefaultGenre);

    // A track number (zero at 125, number at 126) stays while the comment leaves the bytes free.
    const TagBuffer numbered = TagWith(Comment, std::string("Note") + std::string(24, '\0') + '\0' + '\x07');
    contents.Texts[TagCommentField] = std::string(28, 'c');
    EXPECT_EQ(EncodeTag(contents, numbered)[126], 7);
    contents.Texts[TagCommentField] = std::string(29, 'c');
    const TagBuffer long29 = EncodeTag(contents, numbered);
    EXPECT_EQ(long29[125], 'c');
    EXPECT_EQ(long29[126], 0);
    // No track number in a comment of full width.
    contents.Texts[TagCommentField] = "short";
    EXPECT_EQ(EncodeTag(contents, TagWith(Comment, std::string(30, 'z')))[126], 0);
}

} // namespace
} // namespace tundeck
