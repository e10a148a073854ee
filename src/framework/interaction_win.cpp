#include "framework/interaction_win.h"

#include "framework/wide_names_win.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace tundeck {

static_assert(MessageOk == MB_OK && MessageOkCancel == MB_OKCANCEL && MessageIconStop == MB_ICONSTOP &&
              MessageIconWarning == MB_ICONWARNING && AnswerOk == IDOK && AnswerCancel == IDCANCEL);

namespace {

// Common dialogs want "Description\0*.ext\0...\0\0".
std::string DialogFilter(const std::string& filter) {
    std::string result = filter;
    std::replace(result.begin(), result.end(), '|', '\0');
    result.append(2, '\0');
    return result;
}

std::optional<std::string> RunFileDialog(WindowHandle owner, const FileDialogOptions& options, bool save) {
    std::vector<char> name(32768, '\0');
    options.FileName.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilter(options.Filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ToHwnd(owner);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = options.Title.c_str();
    ofn.lpstrDefExt = options.DefaultExtension.empty() ? nullptr : options.DefaultExtension.c_str();
    // The browser's directory stays the current one: bare file-list names rely on it.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) {
        return std::nullopt;
    }
    return std::string(name.data());
}

} // namespace

int DesktopInteraction::ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                                    std::uint32_t flags) {
    if ((flags & MessageTextUtf8) != 0) {
        return MessageBoxW(ToHwnd(owner), WideFromUtf8(text).c_str(), WideFromAnsi(caption).c_str(),
                           flags & ~MessageTextUtf8);
    }
    return MessageBoxA(ToHwnd(owner), text.c_str(), caption.c_str(), flags);
}

std::optional<std::string> DesktopInteraction::OpenFile(WindowHandle owner,
                                                        const FileDialogOptions& options) {
    return RunFileDialog(owner, options, false);
}

std::optional<std::string> DesktopInteraction::SaveFile(WindowHandle owner,
                                                        const FileDialogOptions& options) {
    return RunFileDialog(owner, options, true);
}

} // namespace tundeck
