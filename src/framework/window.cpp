#include "framework/window.h"

#include "framework/controls_win.h"
#include "framework/drop_files.h"
#include "framework/error.h"
#include "framework/wide_names_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace tundeck {

namespace {

Window* WindowOf(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

struct MouseMessage {
    UINT Message;
    MouseAction Action;
    MouseButton Button;
};

constexpr MouseMessage MouseMessages[] = {
    {WM_MOUSEMOVE, MouseAction::Move, MouseButton::None},
    {WM_LBUTTONDOWN, MouseAction::Press, MouseButton::Left},
    {WM_LBUTTONDBLCLK, MouseAction::DoubleClick, MouseButton::Left},
    {WM_LBUTTONUP, MouseAction::Release, MouseButton::Left},
    {WM_RBUTTONDOWN, MouseAction::Press, MouseButton::Right},
    {WM_RBUTTONDBLCLK, MouseAction::DoubleClick, MouseButton::Right},
    {WM_RBUTTONUP, MouseAction::Release, MouseButton::Right},
    {WM_MBUTTONDOWN, MouseAction::Press, MouseButton::Middle},
    {WM_MBUTTONDBLCLK, MouseAction::DoubleClick, MouseButton::Middle},
    {WM_MBUTTONUP, MouseAction::Release, MouseButton::Middle},
};

// `keys` are the MK_* flags of the message.
std::optional<MouseEvent> DecodeMouse(UINT message, WPARAM keys, LPARAM lParam) {
    for (const MouseMessage& m : MouseMessages) {
        if (m.Message == message) {
            return MouseEvent{m.Action,
                              m.Button,
                              {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                              (keys & MK_SHIFT) != 0,
                              (keys & MK_CONTROL) != 0,
                              (keys & MK_LBUTTON) != 0};
        }
    }
    return std::nullopt;
}

// A child's report carries no key flags; the keyboard state is that of the message's time.
WPARAM KeysNow() {
    return (GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0) |
           (GetKeyState(VK_LBUTTON) < 0 ? MK_LBUTTON : 0);
}

// Files a command could not reach, told once at its end.
void ReportUnreachableNames(HWND window, UserInteraction& ui, const std::string& report) {
    if (!report.empty()) {
        ui.ShowMessage(ToWindowHandle(window), report, ApplicationTitle,
                       MessageIconWarning | MessageTextUtf8);
    }
}

// Owns a shell drop: released on every path, the handler's errors included.
class DropHandle {
public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;
    ~DropHandle() { DragFinish(drop_); }

    // The names as the program keeps paths (a name the code page cannot spell by its short
    // form, one without a short form left out and noted), and the drop point.
    DroppedFiles Files() const {
        DroppedFiles files;
        if (const auto* block = static_cast<const std::uint8_t*>(GlobalLock(drop_))) {
            files = ReadDroppedFiles({block, GlobalSize(drop_)});
            GlobalUnlock(drop_);
        }
        for (const std::u16string& name : files.WideNames) {
            if (std::optional<std::string> path = KeptPath({name.begin(), name.end()})) {
                files.Names.push_back(std::move(*path));
            }
        }
        return files;
    }

private:
    HDROP drop_;
};

UpDownRange RangeOf(HWND upDown) {
    UpDownRange range;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&range.Low),
                 reinterpret_cast<LPARAM>(&range.High));
    range.Wraps = (GetWindowLongA(upDown, GWL_STYLE) & UDS_WRAP) != 0;
    return range;
}

} // namespace

Window::~Window() {
    if (handle_ != nullptr) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(handle_, nullptr));
    }
}

void Window::Destroy() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
}

void Window::RegisterClass(const char* className, HCURSOR cursor, HBRUSH background, UINT style) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = className;
    if (RegisterClassExA(&wc) == 0) {
        throw Error("Cannot register the window class " + std::string(className));
    }
}

void Window::Create(const char* className, const char* caption, DWORD style, DWORD exStyle, RECT outer,
                    HWND parent, HMENU menuOrId) {
    CreateWindowExA(exStyle, className, caption, style, outer.left, outer.top, outer.right - outer.left,
                    outer.bottom - outer.top, parent, menuOrId, GetModuleHandleA(nullptr), this);
    if (handle_ == nullptr) {
        throw Error("Cannot create the window " + std::string(caption));
    }
}

void Window::OnPaint() {
    PAINTSTRUCT ps;
    BeginPaint(handle_, &ps);
    EndPaint(handle_, &ps);
}

void Window::DropFiles(HDROP drop, int childId) {
    const DropHandle handle(drop);
    const DroppedFiles files = handle.Files();
    const POINT point{files.X, files.Y};
    if (childId == 0) {
        OnDropFiles(files.Names, point);
    } else {
        OnChildDropFiles(childId, files.Names, point);
    }
}

LRESULT Window::DispatchNotify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGE) {
        OnTabChange(static_cast<int>(header.idFrom));
    } else if (header.code == UDN_DELTAPOS) {
        const auto& click = reinterpret_cast<const NMUPDOWN&>(header);
        if (const std::optional<int> next = UpDownStep(click.iPos, click.iDelta, RangeOf(header.hwndFrom))) {
            OnUpDown(static_cast<int>(header.idFrom), *next, click.iDelta);
        }
    }
    return 0;
}

LRESULT Window::DispatchInput(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ChildMouseMessage) {
        if (const std::optional<MouseEvent> event = DecodeMouse(LOWORD(wParam), KeysNow(), lParam)) {
            OnChildMouse(HIWORD(wParam), *event);
        }
        return 0;
    }
    if (const std::optional<MouseEvent> event = DecodeMouse(message, wParam, lParam)) {
        return OnMouse(*event) ? 0 : DefWindowProcA(handle_, message, wParam, lParam);
    }
    switch (message) {
    case WM_SETCURSOR:
        return OnSetCursor() ? TRUE : DefWindowProcA(handle_, message, wParam, lParam);
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CONTEXTMENU: {
        const ContextMenuRequest request{
            reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, lParam == -1};
        return OnContextMenu(request) ? 0 : DefWindowProcA(handle_, message, wParam, lParam);
    }
    case WM_DROPFILES:
        DropFiles(reinterpret_cast<HDROP>(wParam), 0);
        return 0;
    case ChildDropMessage:
        DropFiles(reinterpret_cast<HDROP>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_VKEYTOITEM:
        return OnListKey(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? -2 : -1;
    case WM_CHARTOITEM: {
        const int row = OnListCharacter(reinterpret_cast<HWND>(lParam), static_cast<char>(LOWORD(wParam)));
        return row < 0 ? -2 : row; // -2: no row to move to
    }
    default:
        return DefWindowProcA(handle_, message, wParam, lParam);
    }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        if (!OnClose()) {
            Destroy();
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return DispatchNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SYSCOMMAND:
        return (wParam & 0xFFF0) == SC_MINIMIZE && OnMinimize()
                   ? 0
                   : DefWindowProcA(handle_, message, wParam, lParam);
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case WM_ACTIVATE:
        return OnActivate(LOWORD(wParam) != WA_INACTIVE) ? 0
                                                         : DefWindowProcA(handle_, message, wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus() ? 0 : DefWindowProcA(handle_, message, wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
                   ? TRUE
                   : DefWindowProcA(handle_, message, wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(static_cast<int>(wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                   ? TRUE
                   : DefWindowProcA(handle_, message, wParam, lParam);
    default:
        return DispatchInput(message, wParam, lParam);
    }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Window* self = WindowOf(window);
    if (message == WM_NCCREATE) {
        // Windows of our classes created without an object of ours behave as plain windows.
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self != nullptr) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    const CommandScope command; // a handler's own sends and modal loops run inside it
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // The handler ends here; the program goes on. A paint that failed is taken as done, or
        // the error box's own message loop would paint, and fail, again and again.
        if (message == WM_PAINT) {
            ValidateRect(window, nullptr);
        }
        try {
            self->ui_.ShowError(ToWindowHandle(window), CurrentErrorText());
        } catch (...) {
            // Not even the error box could be shown; nothing may cross into the system.
        }
    }
    try {
        ReportUnreachableNames(window, self->ui_, command.TakeReport());
    } catch (...) {
        // As for the error box.
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

} // namespace tundeck
