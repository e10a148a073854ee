#pragma once
// Everything that asks the user something: message boxes and the file dialogs. The program
// uses the desktop's own; tests answer through a scripted one.

#include <windows.h>

#include <optional>
#include <string>

namespace tundeck {

struct FileDialogOptions {
    std::string Title;
    std::string Filter;           // "Description|*.ext|Other|*.*"
    std::string DefaultExtension; // without the dot, or empty
    std::string FileName;         // proposed name
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    // MessageBoxA semantics: `flags` are MB_* values, the result an ID* value.
    virtual int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(HWND owner, const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFile(HWND owner, const FileDialogOptions& options) = 0;
};

// The desktop's message boxes and common dialogs.
class DesktopInteraction : public UserInteraction {
public:
    int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    std::optional<std::string> OpenFile(HWND owner, const FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(HWND owner, const FileDialogOptions& options) override;
};

// The one error funnel: the error's text and "." under the application title, stop icon.
void ShowErrorBox(UserInteraction& ui, HWND owner, const std::string& text);

} // namespace tundeck
