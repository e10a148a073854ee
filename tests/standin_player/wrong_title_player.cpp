// Stands for a program that starts but never opens the player's window: its window has the
// player's class under another title, so a lookup by class and title must pass it by. It runs
// until that window is closed, or hangs with it while TUNDECK_STANDIN_STALL is set.
#include <windows.h>

namespace {

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA mainClass{};
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = instance;
    mainClass.lpszClassName = "Melvane Main Window";
    if (!RegisterClassA(&mainClass)) {
        return 1;
    }
    HWND window = CreateWindowExA(0, mainClass.lpszClassName, "Melvane3 - starting", WS_OVERLAPPEDWINDOW, 100,
                                  100, 275, 153, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    while (GetEnvironmentVariableA("TUNDECK_STANDIN_STALL", nullptr, 0) > 0) {
        Sleep(1000);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
