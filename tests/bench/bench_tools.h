#pragma once
// What the benchmark programs share: the common controls registered, and painting on demand.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tundeck::bench {

inline void InitControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

// Paints what the last operation left to paint, so the figures include the repaint.
inline void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A track file as taggers leave them: an ID3v2 tag of 1 KiB, 300 frames of MPEG-2 Layer III at
// 8 kbit/s (7.8 seconds) and an ID3v1 tag.
inline std::string TaggedTrackBytes() {
    std::string bytes = std::string("ID3\x03\0\0\0\0\x07\x76", 10) + std::string(1014, '\0');
    for (int frame = 0; frame < 300; ++frame) {
        bytes += std::string("\xFF\xF3\x10\x64", 4) + std::string(22, '\0');
    }
    return bytes + "TAG" + std::string(125, ' ');
}

// The least that reading a track's facts can cost: the open, the size, a read of the head (4 KiB)
// and, `withTail`, one of the last 160 bytes (the tags at the end), the close. Returns a sum of
// what it read. With a head of four bytes and no tail, the reading the totals once made.
inline std::int64_t BareTrackReads(const std::vector<std::string>& paths, std::size_t headBytes = 4096,
                                   bool withTail = true) {
    std::int64_t sum = 0;
    std::vector<unsigned char> head(headBytes);
    unsigned char tail[160] = {};
    for (const std::string& path : paths) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        DWORD read = 0;
        ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &read, nullptr);
        if (withTail && size.QuadPart > static_cast<LONGLONG>(head.size())) {
            LARGE_INTEGER at{};
            at.QuadPart = size.QuadPart - static_cast<LONGLONG>(sizeof tail);
            SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
            ReadFile(file, tail, sizeof tail, &read, nullptr);
        }
        CloseHandle(file);
        sum += size.QuadPart + head.back() + tail[0];
    }
    return sum;
}

} // namespace tundeck::bench
