// A stand-in for the external player, made only from its window contract, so the player protocol
// can be driven for real under Wine. It logs every event it receives, one line each, to the file
// named by TUNDECK_STANDIN_LOG (a Windows path; no logging when unset):
//   start <arguments>          the first instance's window exists
//   handoff <arguments>        a second start, passing its arguments on before it exits
//   list [/l ]<path>           a playlist loaded from the arguments
//   entry <line>               one per non-empty line of that playlist
//   unreadable <path>          the playlist could not be opened
//   press <button> <track>     Play, Stop, Pause, Previous or Next; the current track (from 0) after it
//   menu shown|hidden <w>x<h>  the double-click toggle, with the new outer size
//   close                      WM_CLOSE
//   hang                       with TUNDECK_STANDIN_HANG set: a button press it never returns from

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char MainClass[] = "Melvane Main Window";
constexpr char MainTitle[] = "Melvane3";
constexpr char ButtonClass[] = "Melvane Stand-in Button";
constexpr ULONG_PTR HandOffTag = 0x4D335354; // "M3ST"
constexpr int FirstButtonId = 100;
constexpr int MenuCloseId = 1;

// In the order the protocol counts the children.
const char* const ButtonNames[] = {"Play", "Stop", "Pause", "Previous", "Next"};
constexpr int ButtonCount = 5;

void Log(const std::string& line) {
    char path[MAX_PATH]{};
    const DWORD length = GetEnvironmentVariableA("TUNDECK_STANDIN_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    // Opened per line, so a second instance can append too and nothing waits in a buffer.
    if (std::FILE* file = std::fopen(path, "ab")) {
        std::fputs((line + "\r\n").c_str(), file);
        std::fclose(file);
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

struct OwnedMenu {
    HMENU handle;
    explicit OwnedMenu(HMENU menu) : handle(menu) {}
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;
    ~OwnedMenu() { DestroyMenu(handle); }
};

struct Player {
    std::vector<std::string> entries;
    int current = 0;
    bool playing = false;
    bool menuShown = true;
    OwnedMenu menu{nullptr};
};

Player& PlayerOf(HWND window) {
    return *reinterpret_cast<Player*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Optional "/l", then the rest of the line is the path, blanks and all.
void LoadArguments(HWND window, const std::string& arguments) {
    std::string path = Trimmed(arguments);
    const bool numbered = path.size() >= 2 && path[0] == '/' && (path[1] == 'l' || path[1] == 'L') &&
                          (path.size() == 2 || path[2] == ' ');
    if (numbered) {
        path = Trimmed(path.substr(2));
    }
    if (path.empty()) {
        return;
    }
    Log("list " + std::string(numbered ? "/l " : "") + path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        Log("unreadable " + path);
        return;
    }
    std::string text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, read);
    }
    std::fclose(file);

    Player& player = PlayerOf(window);
    player.entries.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = Trimmed(text.substr(start, end - start));
        if (!line.empty()) {
            player.entries.push_back(line);
            Log("entry " + line);
        }
        start = end + 1;
    }
    player.current = 0;
    player.playing = true;
    InvalidateRect(window, nullptr, TRUE);
}

void Press(HWND window, int button) {
    Player& player = PlayerOf(window);
    const int last = player.entries.empty() ? 0 : static_cast<int>(player.entries.size()) - 1;
    switch (button) {
    case 0:
        player.playing = true;
        break;
    case 1:
        player.playing = false;
        break;
    case 2:
        player.playing = !player.playing;
        break;
    case 3:
        player.current = player.current > 0 ? player.current - 1 : 0;
        break;
    default:
        player.current = player.current < last ? player.current + 1 : last;
        break;
    }
    Log("press " + std::string(ButtonNames[button]) + " " + std::to_string(player.current));
    InvalidateRect(window, nullptr, TRUE);
}

// Without menu and title bar the frame is two pixels narrower; the height is left to the caller.
void ToggleMenu(HWND window) {
    Player& player = PlayerOf(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    player.menuShown = !player.menuShown;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE, player.menuShown ? style | WS_CAPTION : style & ~WS_CAPTION);
    SetMenu(window, player.menuShown ? player.menu.handle : nullptr);
    const int width = rect.right - rect.left + (player.menuShown ? 2 : -2);
    const int height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Log(std::string("menu ") + (player.menuShown ? "shown " : "hidden ") + std::to_string(width) + "x" +
        std::to_string(height));
}

void Paint(HWND window) {
    const Player& player = PlayerOf(window);
    std::string status = player.playing ? "Playing " : "Stopped ";
    if (!player.entries.empty()) {
        status += std::to_string(player.current + 1) + ". " + player.entries[player.current];
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    client.top = 26;
    DrawTextA(dc, status.c_str(), -1, &client, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(window, &paint);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_CREATE:
        for (int i = 0; i < ButtonCount; ++i) {
            CreateWindowExA(0, ButtonClass, ButtonNames[i], WS_CHILD | WS_VISIBLE, 4 + 52 * i, 4, 50, 18,
                            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstButtonId + i)), nullptr,
                            nullptr);
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) >= FirstButtonId && LOWORD(wParam) < FirstButtonId + ButtonCount) {
            Press(window, LOWORD(wParam) - FirstButtonId);
        } else if (LOWORD(wParam) == MenuCloseId) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        ToggleMenu(window);
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->dwData != HandOffTag) {
            return FALSE;
        }
        LoadArguments(window, std::string(static_cast<const char*>(data->lpData), data->cbData));
        return TRUE;
    }
    case WM_GETMINMAXINFO:
        // Any size the shell asks for, however small.
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {1, 1};
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_CLOSE:
        Log("close");
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        // The menu is ours to destroy, attached or not.
        SetMenu(window, nullptr);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// One left-button down followed by an up on the same button is a press.
LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        if (GetEnvironmentVariableA("TUNDECK_STANDIN_HANG", nullptr, 0) > 0) {
            Log("hang"); // a player that stops answering, for good
            Sleep(INFINITE);
        }
        SetWindowLongPtrA(button, GWLP_USERDATA, 1);
        return 0;
    case WM_LBUTTONUP:
        if (GetWindowLongPtrA(button, GWLP_USERDATA) != 0) {
            SetWindowLongPtrA(button, GWLP_USERDATA, 0);
            SendMessageA(GetParent(button), WM_COMMAND, GetDlgCtrlID(button),
                         reinterpret_cast<LPARAM>(button));
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(button, &paint);
        RECT rect{};
        GetClientRect(button, &rect);
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        char caption[32]{};
        GetWindowTextA(button, caption, sizeof caption);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(button, &paint);
        return 0;
    }
    }
    return DefWindowProcA(button, message, wParam, lParam);
}

bool HandOff(const std::string& arguments) {
    HWND running = FindWindowA(MainClass, MainTitle);
    if (running == nullptr) {
        return false;
    }
    Log("handoff " + arguments);
    COPYDATASTRUCT data{HandOffTag, static_cast<DWORD>(arguments.size()),
                        const_cast<char*>(arguments.data())};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &result);
    return true;
}

HMENU CreateMainMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, MenuCloseId, "&Close");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Melvane3");
    return bar;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    const std::string arguments = commandLine != nullptr ? commandLine : "";
    if (HandOff(arguments)) {
        return 0;
    }

    WNDCLASSA mainClass{};
    mainClass.style = CS_DBLCLKS;
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = MainClass;
    WNDCLASSA buttonClass = mainClass;
    buttonClass.style = 0;
    buttonClass.lpfnWndProc = ButtonProc;
    buttonClass.lpszClassName = ButtonClass;
    if (!RegisterClassA(&mainClass) || !RegisterClassA(&buttonClass)) {
        return 1;
    }

    Player player;
    player.menu.handle = CreateMainMenu();
    HWND window =
        CreateWindowExA(0, MainClass, MainTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                        100, 100, 275, 153, nullptr, player.menu.handle, instance, &player);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    Log("start " + arguments);
    LoadArguments(window, arguments);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
