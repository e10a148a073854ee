// Any 128 bytes as a tag: decoding and encoding again keeps every text and genre the dialog shows,
// and what it cannot show (a genre beyond the list, a track number).
#include "trackinfo/id3_tag.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tundeck::TagBuffer tag{};
    std::memcpy(tag.data(), data, size < tag.size() ? size : tag.size());
    const tundeck::TagContents shown = tundeck::DecodeTag(tag);
    const tundeck::TagBuffer written = tundeck::EncodeTag(shown, tag);
    const tundeck::TagContents again = tundeck::DecodeTag(written);
    if (again.Texts != shown.Texts || !tundeck::IsTag(written)) {
        std::abort();
    }
    const bool keptGenre = shown.Genre >= 0
                               ? again.Genre == shown.Genre
                               : written[127] == (tundeck::IsTag(tag) && tag[127] >= 43 ? tag[127] : 12);
    const bool keptTrack = !tundeck::IsTag(tag) || tag[125] != 0 || written[126] == tag[126];
    if (!keptGenre || !keptTrack) {
        std::abort();
    }
    return 0;
}
