#include "framework/interaction.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace tundeck {

namespace {

// Common dialogs want "Description\0*.ext\0...\0\0".
std::string DialogFilter(const std::string& filter) {
    std::string result = filter;
    std::replace(result.begin(), result.end(), '|', '\0');
    result.append(2, '\0');
    return result;
}

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    std::vector<char> name(32768, '\0');
    options.FileName.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilter(options.Filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = options.Title.c_str();
    ofn.lpstrDefExt = options.DefaultExtension.empty() ? nullptr : options.DefaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) {
        return std::nullopt;
    }
    return std::string(name.data());
}

} // namespace

int DesktopInteraction::ShowMessage(HWND owner, const std::string& text, const std::string& caption,
                                    UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

std::optional<std::string> DesktopInteraction::OpenFile(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, false);
}

std::optional<std::string> DesktopInteraction::SaveFile(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, true);
}

void ShowErrorBox(UserInteraction& ui, HWND owner, const std::string& text) {
    ui.ShowMessage(owner, text + ".", "Tundeck", MB_OK | MB_ICONSTOP);
}

} // namespace tundeck
