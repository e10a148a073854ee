// Any bytes as a command line: split, then planned against a file system where every other
// path exists.
#include "app/command_line.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> words = tundeck::SplitCommandLine(text);
    for (const std::string& word : words) {
        if (word.empty()) {
            __builtin_trap();
        }
    }
    const tundeck::CommandLinePlan plan =
        tundeck::PlanCommandLine(words, true, [](const std::string& path) { return path.size() % 2 == 0; });
    if (plan.Files.size() > words.size()) {
        __builtin_trap();
    }
    return 0;
}
