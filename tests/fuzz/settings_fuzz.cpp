// Any bytes as a settings file: no crash, no read out of bounds, only our own error type.
#include "app/settings.h"
#include "framework/error.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

struct NullTarget : tundeck::SettingsTarget {
    bool SetBrowserDirectory(const std::string&) override { return false; }
    void SetWindowLeft(std::int32_t) override {}
    void SetWindowTop(std::int32_t) override {}
    void SetClientWidth(std::int32_t) override {}
    void SetClientHeight(std::int32_t) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tundeck::Settings settings;
    NullTarget target;
    try {
        for (std::string_view line : tundeck::SplitSettingsLines(text)) {
            tundeck::ApplySettingsLine(line, settings, target);
        }
    } catch (const tundeck::Error&) {
    }
    (void)tundeck::FormatSettingsFile(settings, std::string(text.substr(0, 64)), {});
    return 0;
}
