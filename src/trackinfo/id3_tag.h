#pragma once
// The ID3v1 tag: the last 128 bytes of a track file, starting with "TAG".

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tundeck {

using TagBuffer = std::array<std::uint8_t, 128>;

struct TagField {
    std::size_t Offset;
    std::size_t Length;
};

// The five text fields in the order the dialog shows them.
inline constexpr std::array<TagField, 5> TagTextFields{{
    {3, 30},  // song name
    {33, 30}, // artist
    {63, 30}, // album name
    {93, 4},  // year
    {97, 30}, // comment
}};
inline constexpr std::size_t TagCommentField = 4;
inline constexpr std::size_t TagGenreOffset = 127;
// A genre box that selects nothing saves this: "Other".
inline constexpr std::uint8_t TagDefaultGenre = 12;

// The genre names by number, as the genre box lists them.
std::span<const char* const> GenreNames();

bool IsTag(const TagBuffer& buffer);

// The field's text up to its first zero byte or its end, without trailing characters 0 to 32.
std::string ReadTagField(const TagBuffer& buffer, TagField field);
// The text without trailing characters 0 to 32; when shorter than the field it is followed by
// zero bytes, otherwise its first field-width characters fill the field with no terminator.
void StoreTagField(TagBuffer& buffer, TagField field, const std::string& text);

// What the dialog shows of a tag: the five texts and the genre's list position, -1 for none.
struct TagContents {
    std::array<std::string, TagTextFields.size()> Texts;
    int Genre = -1;
};

TagContents DecodeTag(const TagBuffer& buffer);

// The tag to write for the dialog's contents. `shown` is the tag the dialog was opened with, if
// the file had one: what the dialog cannot show of it is kept, a genre number beyond the list
// while the genre box still selects nothing, and a track number in the comment's last two bytes
// while the comment leaves them free.
TagBuffer EncodeTag(const TagContents& contents, const std::optional<TagBuffer>& shown);

} // namespace tundeck
