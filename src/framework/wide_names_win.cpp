#include "framework/wide_names_win.h"

#include "framework/text.h"

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

std::string NarrowFrom(UINT codePage, std::wstring_view text, DWORD flags = 0, BOOL* usedDefault = nullptr) {
    const int size = static_cast<int>(text.size());
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(codePage, flags, text.data(), size,
                                                                    nullptr, 0, nullptr, usedDefault)),
                       '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                        nullptr, usedDefault);
    return narrow;
}

// Where the file system keeps the short names of directories' entries: each directory read in
// one listing, since finding one short name costs a look at every entry wherever they are not
// indexed, and read again when it has changed.
class ShortNameIndex {
public:
    // The long name of `name` in `directory` (both as kept), or `name` itself read as wide.
    std::wstring LongName(const std::string& directory, std::string_view name) {
        if (name.find('~') == std::string_view::npos) {
            return WideFromAnsi(name);
        }
        if (const Listing* listing = Current(directory)) {
            const auto found = listing->LongNames.find(UpperKey(name));
            if (found != listing->LongNames.end()) {
                return found->second;
            }
        }
        return WideFromAnsi(name);
    }

private:
    struct Listing {
        FILETIME Written{};
        std::unordered_map<std::string, std::wstring> LongNames; // by upper-case short name
    };

    static std::string UpperKey(std::string_view name) {
        std::string key(name);
        CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
        return key;
    }

    const Listing* Current(const std::string& directory) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        const std::string folder = directory.empty()         ? "."
                                   : directory.back() == ':' ? directory + "\\"
                                                             : directory;
        if (!GetFileAttributesExA(folder.c_str(), GetFileExInfoStandard, &data)) {
            return nullptr;
        }
        auto known = listings_.find(directory);
        if (known == listings_.end() || CompareFileTime(&data.ftLastWriteTime, &known->second.Written) != 0) {
            constexpr std::size_t MostKept = 64;
            if (listings_.size() >= MostKept) {
                listings_.clear();
            }
            known = listings_.insert_or_assign(directory, Read(directory, data.ftLastWriteTime)).first;
        }
        return &known->second;
    }

    static Listing Read(const std::string& directory, FILETIME written) {
        Listing listing{written, {}};
        WIN32_FIND_DATAW entry;
        const std::wstring query = directory.empty() ? L"*" : WideFromAnsi(directory) + L"\\*";
        HANDLE find = FindFirstFileW(query.c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) {
            return listing;
        }
        do {
            if (const std::optional<std::string> shortName = AnsiSpelling(entry.cAlternateFileName);
                shortName && !shortName->empty()) {
                listing.LongNames.emplace(UpperKey(*shortName), entry.cFileName);
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
        return listing;
    }

    std::unordered_map<std::string, Listing> listings_;
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
        return Of(directory) + static_cast<wchar_t>(path[cut]) +
               names_.LongName(directory, path.substr(cut + 1));
    }

private:
    ShortNameIndex names_;
};

// The short name of the entry at `path`, as the code page spells it.
std::optional<std::string> ShortNameOf(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = path.find_first_of(L"*?") == std::wstring::npos ? FindFirstFileW(path.c_str(), &entry)
                                                                  : INVALID_HANDLE_VALUE;
    if (find == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    FindClose(find);
    std::optional<std::string> spelt = AnsiSpelling(entry.cAlternateFileName);
    return spelt && !spelt->empty() ? spelt : std::nullopt;
}

LongPaths& KnownLongPaths() {
    static LongPaths longPaths;
    return longPaths;
}

// What the command in progress could not reach, and how deep its messages are nested.
struct CommandNotes {
    std::vector<std::string> Unreachable;
    int Depth = 0;
};

CommandNotes& Notes() {
    static CommandNotes notes;
    return notes;
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
    return NarrowFrom(CP_UTF8, text);
}

std::string LossyAnsi(std::wstring_view text) {
    return NarrowFrom(CP_ACP, text);
}

std::optional<std::string> AnsiSpelling(std::wstring_view text) {
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
        return std::string(text.begin(), text.end()); // ASCII, as every code page spells it
    }
    // A code page of UTF-8 spells everything, and takes no default character.
    const bool utf8 = GetACP() == CP_UTF8;
    BOOL usedDefault = FALSE;
    std::string ansi =
        NarrowFrom(CP_ACP, text, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, utf8 ? nullptr : &usedDefault);
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
    const DWORD attributes = GetFileAttributesW(path.c_str());
    // Only the parts the code page cannot spell go by their short names.
    std::string kept;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find_first_of(L"\\/", start), path.size());
        std::optional<std::string> spelt = AnsiSpelling(std::wstring_view(path).substr(start, end - start));
        if (!spelt) {
            spelt = ShortNameOf(path.substr(0, end));
        }
        if (!spelt) {
            if (attributes != INVALID_FILE_ATTRIBUTES) {
                NoteUnreachable(Utf8FromWide(path));
            }
            return std::nullopt;
        }
        kept += *spelt;
        if (end < path.size()) {
            kept += static_cast<char>(path[end]);
        }
        start = end + 1;
    }
    // A file whose short name ends in another extension would be taken for another type.
    const bool file = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (file && PathExtension(kept) != PathExtension(Utf8FromWide(path))) {
        return std::nullopt;
    }
    return kept;
}

std::string RealPathOf(std::string_view path) {
    if (path.find('~') == std::string_view::npos || path.find('\0') != std::string_view::npos) {
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
    HANDLE file = CreateFileW(KnownLongPaths().Of(path).c_str(), access, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A listing gone stale on a file system that keeps no directory times: the short path itself.
    return file != INVALID_HANDLE_VALUE ? file
                                        : CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr,
                                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void NoteUnreachable(std::string utf8Name) {
    std::vector<std::string>& names = Notes().Unreachable;
    for (const std::string& name : names) {
        if (name == utf8Name) {
            return;
        }
    }
    names.push_back(std::move(utf8Name));
}

std::string TakeUnreachableReport() {
    std::vector<std::string> names;
    names.swap(Notes().Unreachable);
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
    return text + (one ? "\nIts name cannot be written in this system's code page, and it has no short (8.3) "
                         "name that can."
                       : "\nTheir names cannot be written in this system's code page, and they have no short "
                         "(8.3) names that can.");
}

CommandScope::CommandScope() : outermost_(Notes().Depth++ == 0) {}

CommandScope::~CommandScope() {
    --Notes().Depth;
}

std::string CommandScope::TakeReport() const {
    return outermost_ ? TakeUnreachableReport() : std::string();
}

} // namespace tundeck
