#include "framework/wide_names_win.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

namespace tundeck {

namespace {

std::wstring WideFrom(UINT codePage, std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// Where the file system keeps the short names of a directory's entries: read in one listing,
// since finding one short name costs a look at every entry wherever they are not indexed.
class ShortNameIndex {
public:
    // The long name of `name` in `directory` (both as kept), or `name` itself read as wide.
    std::wstring LongName(const std::string& directory, std::string_view name) {
        if (name.find('~') == std::string_view::npos) {
            return WideFromAnsi(name);
        }
        std::string key(name);
        CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
        if (Current(directory)) {
            const auto found = longNames_.find(key);
            if (found != longNames_.end()) {
                return found->second;
            }
        }
        return WideFromAnsi(name);
    }

private:
    bool Current(const std::string& directory) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        const std::string folder = directory.empty()         ? "."
                                   : directory.back() == ':' ? directory + "\\"
                                                             : directory;
        if (!GetFileAttributesExA(folder.c_str(), GetFileExInfoStandard, &data)) {
            return false;
        }
        if (directory != directory_ || CompareFileTime(&data.ftLastWriteTime, &written_) != 0) {
            Read(directory);
            written_ = data.ftLastWriteTime;
        }
        return true;
    }

    void Read(const std::string& directory) {
        directory_ = directory;
        longNames_.clear();
        WIN32_FIND_DATAW entry;
        const std::wstring query = directory.empty() ? L"*" : WideFromAnsi(directory) + L"\\*";
        HANDLE find = FindFirstFileW(query.c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) {
            return;
        }
        do {
            if (const std::optional<std::string> shortName = AnsiSpelling(entry.cAlternateFileName);
                shortName && !shortName->empty()) {
                std::string key = *shortName;
                CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
                longNames_.emplace(std::move(key), entry.cFileName);
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }

    std::string directory_;
    FILETIME written_{};
    std::unordered_map<std::string, std::wstring> longNames_;
};

// The long form of a kept path, each short name in it replaced by the name it stands for.
class LongPaths {
public:
    std::wstring Of(std::string_view path) {
        if (path.find('~') == std::string_view::npos) {
            return WideFromAnsi(path);
        }
        const std::size_t cut = path.find_last_of("\\/");
        if (cut == std::string_view::npos) {
            return names_.LongName({}, path);
        }
        const std::string directory(path.substr(0, cut));
        return OfDirectory(directory) + static_cast<wchar_t>(path[cut]) +
               names_.LongName(directory, path.substr(cut + 1));
    }

private:
    std::wstring OfDirectory(const std::string& directory) {
        if (const auto known = directories_.find(directory); known != directories_.end()) {
            return known->second;
        }
        constexpr std::size_t MostKept = 256;
        if (directories_.size() >= MostKept) {
            directories_.clear();
        }
        std::wstring longPath = Of(directory);
        directories_.emplace(directory, longPath);
        return longPath;
    }

    ShortNameIndex names_;
    std::unordered_map<std::string, std::wstring> directories_;
};

LongPaths& KnownLongPaths() {
    static LongPaths longPaths;
    return longPaths;
}

std::vector<std::string>& UnreachableNames() {
    static std::vector<std::string> names;
    return names;
}

} // namespace

std::wstring WideFromAnsi(std::string_view text) {
    return WideFrom(CP_ACP, text);
}

std::wstring WideFromUtf8(std::string_view text) {
    return WideFrom(CP_UTF8, text);
}

std::wstring WideText(ShownText text) {
    return WideFrom(text.Utf8 ? CP_UTF8 : CP_ACP, text.Text);
}

std::string Utf8FromWide(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(
                         WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    return utf8;
}

std::string LossyAnsi(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string ansi(static_cast<std::size_t>(
                         WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr,
                        nullptr);
    return ansi;
}

std::optional<std::string> AnsiSpelling(std::wstring_view text) {
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
        return std::string(text.begin(), text.end()); // ASCII, as every code page spells it
    }
    const int size = static_cast<int>(text.size());
    const bool utf8 = GetACP() == CP_UTF8; // spells everything, and takes no default character
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const defaultUsed = utf8 ? nullptr : &usedDefault;
    std::string ansi(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr,
                                                                  0, nullptr, defaultUsed)),
                     '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr,
                        defaultUsed);
    // A round trip also catches what maps to another letter without counting as a default.
    if (usedDefault || WideFromAnsi(ansi) != text) {
        return std::nullopt;
    }
    return ansi;
}

UsableName NameToUse(std::wstring_view name, std::wstring_view shortName) {
    if (std::optional<std::string> spelt = AnsiSpelling(name)) {
        return {std::move(*spelt), {}};
    }
    std::optional<std::string> shortSpelt = AnsiSpelling(shortName);
    return {shortSpelt ? std::move(*shortSpelt) : std::string(), Utf8FromWide(name)};
}

std::optional<std::string> KeptPath(const std::wstring& path) {
    if (std::optional<std::string> spelt = AnsiSpelling(path)) {
        return spelt;
    }
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length > shortPath.size()) {
        shortPath.resize(length);
        length = GetShortPathNameW(path.c_str(), shortPath.data(), length);
    }
    shortPath.resize(length <= shortPath.size() ? length : 0);
    if (std::optional<std::string> spelt = length == 0 ? std::nullopt : AnsiSpelling(shortPath)) {
        return spelt;
    }
    NoteUnreachable(Utf8FromWide(path));
    return std::nullopt;
}

std::string RealPathOf(std::string_view path) {
    if (path.find('~') == std::string_view::npos) {
        return {};
    }
    const std::wstring real = KnownLongPaths().Of(path);
    return AnsiSpelling(real) ? std::string() : Utf8FromWide(real);
}

HANDLE OpenExistingFile(const std::string& path, DWORD access) {
    if (path.find('~') == std::string::npos) {
        return CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return CreateFileW(KnownLongPaths().Of(path).c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

void NoteUnreachable(std::string utf8Name) {
    std::vector<std::string>& names = UnreachableNames();
    for (const std::string& name : names) {
        if (name == utf8Name) {
            return;
        }
    }
    names.push_back(std::move(utf8Name));
}

std::string TakeUnreachableReport() {
    std::vector<std::string> names;
    names.swap(UnreachableNames());
    if (names.empty()) {
        return {};
    }
    constexpr std::size_t MostNamed = 10;
    const bool one = names.size() == 1;
    std::string text = one ? "This file cannot be reached:\n\n" : "These files cannot be reached:\n\n";
    for (std::size_t i = 0; i < names.size() && i < MostNamed; ++i) {
        text += names[i] + "\n";
    }
    if (names.size() > MostNamed) {
        text += "and " + std::to_string(names.size() - MostNamed) + " more\n";
    }
    return text + (one ? "\nIts name cannot be written in this system's code page, and its volume keeps no "
                         "short (8.3) name to reach it by."
                       : "\nTheir names cannot be written in this system's code page, and their volume keeps "
                         "no short (8.3) names to reach them by.");
}

} // namespace tundeck
