// Any bytes as the block of a shell drop: no crash, no read out of bounds, and names that are
// whole (never empty, never holding a zero) and no more than the block could hold.
#include "framework/drop_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tundeck::DroppedFiles files = tundeck::ReadDroppedFiles({data, size});
    std::size_t held = 0;
    for (const std::string& name : files.Names) {
        if (name.empty() || name.find('\0') != std::string::npos) {
            std::abort();
        }
        held += name.size() + 1;
    }
    for (const std::u16string& name : files.WideNames) {
        if (name.empty() || name.find(u'\0') != std::u16string::npos) {
            std::abort();
        }
        held += 2 * name.size() + 2;
    }
    if (held > size + 2 || (!files.Names.empty() && !files.WideNames.empty())) {
        std::abort();
    }
    return 0;
}
