#include "app/settings.h"

#include "framework/convert.h"
#include "framework/text.h"

#include <cstddef>
#include <optional>
#include <variant>

namespace tundeck {

namespace {

// How a key's value reaches its destination.
using FlagField = bool Settings::*;
using ByteField = std::uint8_t Settings::*;
using IntField = std::int32_t Settings::*;
using RealField = double Settings::*;
using StringField = std::string Settings::*;
enum class WindowValue { LastDir, Left, Top, ClientWidth, ClientHeight };
using Destination = std::variant<FlagField, ByteField, IntField, RealField, StringField, WindowValue>;

struct Key {
    const char* name; // seven characters
    Destination destination;
};

// In the order the writer writes them.
const Key Keys[] = {
    {"LastDir", WindowValue::LastDir},
    {"MelvDir", &Settings::PlayerExecutable},
    {"FulPath", &Settings::ShowFullPath},
    {"AutoRnd", &Settings::AutoPlayAfterRandom},
    {"AutoM3u", &Settings::AutoPlayArguments},
    {"Remembr", &Settings::RememberPlaylist},
    {"DragMov", &Settings::DragMovesTracks},
    {"FileDrg", &Settings::FileDragStartsDrag},
    {"TrueOrd", &Settings::NumberAfterPlaylist},
    {"ShutWin", &Settings::ClosePlayerAtExit},
    {"RestWin", &Settings::RestorePlayerAtExit},
    {"GetRecu", &Settings::RecurseDroppedDirectories},
    {"WinShow", &Settings::PlayerWindowHandling},
    {"DblMode", &Settings::DoubleClickAction},
    {"WinLook", &Settings::PlayerAppearance},
    {"WinPosX", WindowValue::Left},
    {"WinPosY", WindowValue::Top},
    {"WinSizX", WindowValue::ClientWidth},
    {"WinSizY", WindowValue::ClientHeight},
    {"Melvn3X", &Settings::SavedPlayerX},
    {"Melvn3Y", &Settings::SavedPlayerY},
    {"HFactor", &Settings::HorizontalFactor},
    {"VFactor", &Settings::VerticalFactor},
};

constexpr std::size_t KeyPartLength = 8; // seven characters and "="

const Key* FindKey(std::string_view keyPart) {
    if (keyPart.size() != KeyPartLength || keyPart.back() != '=') {
        return nullptr;
    }
    for (const Key& key : Keys) {
        if (keyPart.compare(0, KeyPartLength - 1, key.name) == 0) {
            return &key;
        }
    }
    return nullptr;
}

void ApplyWindowValue(WindowValue which, std::string_view value, SettingsTarget& target) {
    switch (which) {
    case WindowValue::LastDir:
        // A path with a NUL in it names no directory; the target would see only its front part.
        if (value.find('\0') == std::string_view::npos) {
            target.SetBrowserDirectory(std::string(value));
        }
        return;
    case WindowValue::Left:
        return target.SetWindowLeft(StrToInt(value));
    case WindowValue::Top:
        return target.SetWindowTop(StrToInt(value));
    case WindowValue::ClientWidth:
        return target.SetClientWidth(StrToInt(value));
    case WindowValue::ClientHeight:
        return target.SetClientHeight(StrToInt(value));
    }
}

struct Applier {
    std::string_view value;
    Settings& settings;
    SettingsTarget& target;

    void operator()(FlagField field) const { settings.*field = value == "1"; }
    void operator()(ByteField field) const {
        settings.*field = static_cast<std::uint8_t>(static_cast<std::uint32_t>(StrToInt(value)) & 0xFF);
    }
    void operator()(IntField field) const { settings.*field = StrToInt(value); }
    void operator()(RealField field) const {
        // A value that is no number keeps the one in force.
        if (std::optional<double> real = TryStrToReal(value)) {
            settings.*field = *real;
        }
    }
    void operator()(StringField field) const { settings.*field = std::string(value); }
    void operator()(WindowValue which) const { ApplyWindowValue(which, value, target); }
};

std::string FormatValue(const Key& key, const Settings& settings, const std::string& lastDirectory,
                        const WindowGeometry& geometry) {
    struct Formatter {
        const Settings& settings;
        const std::string& lastDirectory;
        const WindowGeometry& geometry;

        std::string operator()(FlagField field) const { return settings.*field ? "1" : "0"; }
        std::string operator()(ByteField field) const { return std::to_string(settings.*field); }
        std::string operator()(IntField field) const { return std::to_string(settings.*field); }
        std::string operator()(RealField field) const { return FormatFixed(settings.*field, 4, 6); }
        std::string operator()(StringField field) const { return settings.*field; }
        std::string operator()(WindowValue which) const {
            switch (which) {
            case WindowValue::LastDir:
                return lastDirectory;
            case WindowValue::Left:
                return std::to_string(geometry.Left);
            case WindowValue::Top:
                return std::to_string(geometry.Top);
            case WindowValue::ClientWidth:
                return std::to_string(geometry.ClientWidth);
            case WindowValue::ClientHeight:
                return std::to_string(geometry.ClientHeight);
            }
            return {};
        }
    };
    return std::visit(Formatter{settings, lastDirectory, geometry}, key.destination);
}

} // namespace

std::vector<std::string_view> SplitSettingsLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

void ApplySettingsLine(std::string_view line, Settings& settings, SettingsTarget& target) {
    const Key* key = FindKey(line.substr(0, KeyPartLength));
    if (key == nullptr) {
        return;
    }
    const std::string_view value =
        line.size() > KeyPartLength ? line.substr(KeyPartLength) : std::string_view();
    std::visit(Applier{value, settings, target}, key->destination);
}

std::string FormatSettingsFile(const Settings& settings, const std::string& lastDirectory,
                               const WindowGeometry& geometry) {
    std::vector<std::string> lines;
    for (const Key& key : Keys) {
        lines.push_back(std::string(key.name) + "=" + FormatValue(key, settings, lastDirectory, geometry));
    }
    lines.emplace_back();
    lines.emplace_back("Warning - be careful if you edit this file manually!!!");
    return JoinLinesCrLf(lines);
}

} // namespace tundeck
