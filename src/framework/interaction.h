#pragma once
// Everything that asks the user something: message boxes and the file dialogs. The program
// uses the desktop's own; tests answer through a scripted one. Pure, so pure code can ask too.

#include "framework/window_handle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tundeck {

// The name the desktop shows for the program, and the caption of its message boxes.
inline constexpr const char* ApplicationTitle = "Tundeck";

// MessageBoxA's flags and answers, spelled here; the desktop implementation checks them.
inline constexpr std::uint32_t MessageOk = 0x00;
inline constexpr std::uint32_t MessageOkCancel = 0x01;
inline constexpr std::uint32_t MessageIconStop = 0x10;
inline constexpr std::uint32_t MessageIconWarning = 0x30;
// Not MessageBoxA's: the text is UTF-8, for names the code page cannot spell.
inline constexpr std::uint32_t MessageTextUtf8 = 0x8000'0000;
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerCancel = 2;

struct FileDialogOptions {
    std::string Title;
    std::string Filter;           // "Description|*.ext|Other|*.*"
    std::string DefaultExtension; // without the dot, or empty
    std::string FileName;         // proposed name
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    // MessageBoxA semantics: `flags` are Message* values, the result an Answer* value.
    virtual int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                            std::uint32_t flags) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(WindowHandle owner, const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFile(WindowHandle owner, const FileDialogOptions& options) = 0;

    // The one error funnel: the error's text and "." under the application title, stop icon.
    // One box at a time: an error raised while the box is open (by a paint that the box's own
    // message loop runs, say) is not stacked on top of it.
    void ShowError(WindowHandle owner, const std::string& text);

private:
    bool showingError_ = false;
};

} // namespace tundeck
