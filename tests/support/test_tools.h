#pragma once
// Programs the build makes for the tests, and small waits on what they do.

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

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

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tundeck::testing
