#pragma once
// Programs the build makes for the tests, small waits on what they do, and what tests read
// back from windows.

#include "support/temp_dir.h"

#include <windows.h>

#include <shlobj.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tundeck::testing {

// A program built beside the tests, by its path under the build's tests folder
// ("standin_player/standin_player.exe"), as a Windows path.
inline std::string TestTool(const std::string& relativePath) {
    const char* root = std::getenv("TUNDECK_TEST_TOOLS");
    std::string path = std::string(root != nullptr ? root : ".") + "/" + relativePath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    // The build hands us a Unix path; Wine shows the Unix root as drive Z.
    return path.size() > 1 && path[0] == '\\' ? "Z:" + path : path;
}

// Polls, a bounded number of times, until `condition` holds, letting the thread's messages run.
template <typename Condition> bool WaitUntil(Condition condition, int milliseconds = 10000) {
    for (int waited = 0; waited <= milliseconds; waited += 20) {
        if (condition()) {
            return true;
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
    return condition();
}

inline std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

// Puts the current directory back when it goes, before the temporary directories do.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() = default;
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;
    ~CurrentDirectoryKeeper() { SetCurrentDirectoryA(start_.c_str()); }
    const std::string& Start() const { return start_; }

private:
    std::string start_ = CurrentDirectory();
};

// A shell drop of `paths` at (x, y), as the shell hands it over: in wide names for wide paths.
template <typename Path = std::string> HGLOBAL MakeShellDrop(const std::vector<Path>& paths, int x, int y) {
    using Unit = typename Path::value_type;
    std::size_t size = sizeof(DROPFILES) + sizeof(Unit);
    for (const Path& path : paths) {
        size += (path.size() + 1) * sizeof(Unit);
    }
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = {x, y};
    drop->fWide = sizeof(Unit) > 1;
    auto* names = reinterpret_cast<Unit*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
    for (const Path& path : paths) {
        std::memcpy(names, path.c_str(), (path.size() + 1) * sizeof(Unit));
        names += path.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

// The rows of a list box, top to bottom.
inline std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)), '\0');
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text);
    }
    return texts;
}

// The text a list box that keeps no strings draws for `row`: its parent draws the row into a
// metafile, whose text records are read back; wide ones in `codePage`.
inline std::string DrawnRowText(HWND list, int row, UINT codePage = CP_ACP) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    DRAWITEMSTRUCT item{ODT_LISTBOX,
                        static_cast<UINT>(GetDlgCtrlID(list)),
                        static_cast<UINT>(row),
                        ODA_DRAWENTIRE,
                        0,
                        list,
                        dc,
                        {0, 0, 400, 16},
                        0};
    SendMessageA(GetParent(list), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    std::pair<std::string, UINT> text{{}, codePage};
    const auto collect = [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM out) -> int {
        const auto* base = reinterpret_cast<const BYTE*>(record);
        const auto& drawn = *reinterpret_cast<const EMREXTTEXTOUTA*>(record);
        const int chars = static_cast<int>(drawn.emrtext.nChars);
        auto& [result, codePage] = *reinterpret_cast<std::pair<std::string, UINT>*>(out);
        if (record->iType == EMR_EXTTEXTOUTA) {
            result.append(reinterpret_cast<const char*>(base + drawn.emrtext.offString), chars);
        } else if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* wide = reinterpret_cast<const wchar_t*>(base + drawn.emrtext.offString);
            std::string narrow(static_cast<std::size_t>(chars) * 4, '\0');
            narrow.resize(static_cast<std::size_t>(WideCharToMultiByte(
                codePage, 0, wide, chars, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr)));
            result += narrow;
        }
        return 1;
    };
    EnumEnhMetaFile(nullptr, metafile, collect, &text, nullptr);
    DeleteEnhMetaFile(metafile);
    return text.first;
}

// Every row of such a list box as drawn, top to bottom.
inline std::vector<std::string> DrawnListTexts(HWND list) {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        texts.push_back(DrawnRowText(list, row));
    }
    return texts;
}

} // namespace tundeck::testing
