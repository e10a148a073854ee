#include "trackinfo/id3_tag.h"

#include <algorithm>

namespace tundeck {

namespace {

constexpr const char* Genres[] = {
    "Blues",   "Classic Rock", "Country",    "Dance",      "Disco",       "Funk",         "Grunge",
    "Hip-Hop", "Jazz",         "Metal",      "New Age",    "Oldies",      "Other",        "Pop",
    "R&B",     "Rap",          "Reggae",     "Rock",       "Techno",      "Industrial",   "Alternative",
    "Sca",     "Death Metal",  "Pranks",     "Soundtrack", "Euro-Techno", "Ambient",      "Trip-Hop",
    "Vocal",   "Jazz+Funk",    "Fusion",     "Trance",     "Classical",   "Instrumental", "Acid",
    "House",   "Game",         "Sound Clip", "Gospel",     "Noise",       "AlternRock",   "Bass",
    "Soul",
};
static_assert(std::size(Genres) == 43);

// A track number stands in the comment's last byte when the byte before it is zero.
constexpr std::size_t TrackNumberOffset = 97 + 29;

std::string WithoutTrailingControls(std::string text) {
    const auto kept =
        std::find_if(text.rbegin(), text.rend(), [](char c) { return static_cast<unsigned char>(c) > 32; });
    text.erase(kept.base(), text.end());
    return text;
}

bool HasTrackNumber(const TagBuffer& tag) {
    return tag[TrackNumberOffset - 1] == 0 && tag[TrackNumberOffset] != 0;
}

} // namespace

std::span<const char* const> GenreNames() {
    return Genres;
}

bool IsTag(const TagBuffer& buffer) {
    return buffer[0] == 'T' && buffer[1] == 'A' && buffer[2] == 'G';
}

std::string ReadTagField(const TagBuffer& buffer, TagField field) {
    const auto begin = buffer.begin() + static_cast<std::ptrdiff_t>(field.Offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(field.Length);
    return WithoutTrailingControls(std::string(begin, std::find(begin, end, std::uint8_t{0})));
}

void StoreTagField(TagBuffer& buffer, TagField field, const std::string& text) {
    const std::string stored = WithoutTrailingControls(text);
    const auto begin = buffer.begin() + static_cast<std::ptrdiff_t>(field.Offset);
    std::fill_n(begin, field.Length, std::uint8_t{0});
    std::copy_n(stored.begin(), std::min(stored.size(), field.Length), begin);
}

TagContents DecodeTag(const TagBuffer& buffer) {
    TagContents contents;
    for (std::size_t i = 0; i < TagTextFields.size(); ++i) {
        contents.Texts[i] = ReadTagField(buffer, TagTextFields[i]);
    }
    const std::uint8_t genre = buffer[TagGenreOffset];
    contents.Genre = genre < std::size(Genres) ? genre : -1;
    return contents;
}

TagBuffer EncodeTag(const TagContents& contents, const std::optional<TagBuffer>& shown) {
    TagBuffer tag{'T', 'A', 'G'};
    for (std::size_t i = 0; i < TagTextFields.size(); ++i) {
        StoreTagField(tag, TagTextFields[i], contents.Texts[i]);
    }
    if (contents.Genre >= 0 && static_cast<std::size_t>(contents.Genre) < std::size(Genres)) {
        tag[TagGenreOffset] = static_cast<std::uint8_t>(contents.Genre);
    } else if (shown && IsTag(*shown) && (*shown)[TagGenreOffset] >= std::size(Genres)) {
        tag[TagGenreOffset] = (*shown)[TagGenreOffset]; // a genre the list cannot show stays
    } else {
        tag[TagGenreOffset] = TagDefaultGenre;
    }
    if (shown && IsTag(*shown) && HasTrackNumber(*shown) && tag[TrackNumberOffset - 1] == 0) {
        tag[TrackNumberOffset] = (*shown)[TrackNumberOffset];
    }
    return tag;
}

} // namespace tundeck
