#include "playlist/browser_panel_win.h"

#include "framework/controls_win.h"
#include "framework/text.h"
#include "playlist/playlist_files_win.h"

#include <cstddef>
#include <vector>

namespace tundeck {

void BrowserPanel::Attach(HWND drives, HWND directories, HWND files, HWND filters,
                          const std::string& filter) {
    browser_.Attach(drives, directories, files, filters, filter);
    files_ = files;
    directories_ = directories;
    ReportMouseToParent(directories);
    ReportMouseToParent(files);
}

std::optional<std::string> BrowserPanel::PopupFileName() const {
    std::string name = browser_.FileNameAt(filePopupIndex_);
    return name.empty() ? std::nullopt : std::optional(std::move(name));
}

std::optional<std::string> BrowserPanel::PopupFilePath() const {
    const std::optional<std::string> name = PopupFileName();
    return name ? std::optional(DirectoryPrefix() + *name) : std::nullopt;
}

POINT BrowserPanel::TakeFocusedRowForPopup() {
    filePopupIndex_ = FocusedListRow(files_);
    return KeyboardMenuPoint(files_, filePopupIndex_);
}

std::string BrowserPanel::DirectoryPrefix() const {
    return WithTrailingBackslash(browser_.Directory());
}

void BrowserPanel::AddAllFiles(Playlist& playlist, AddProgress& progress) {
    AddFiles(playlist, DirectoryPrefix(), browser_.Files(), false, &progress);
}

void BrowserPanel::AddSelectedFiles(Playlist& playlist, AddProgress& progress) {
    AddFiles(playlist, DirectoryPrefix(), browser_.SelectedFiles(), false, &progress);
}

void BrowserPanel::AddFocusedFile(Playlist& playlist) {
    const UsableName& file = browser_.FocusedFile();
    const std::string type = PathExtension(file.Real.empty() ? file.Name : file.Real);
    if (type != ".mp3" && type != ".m3u") {
        return;
    }
    if (file.Name.empty()) {
        NoteUnreachable(file.Real);
    } else {
        AddFileByType(playlist, DirectoryPrefix() + file.Name, -1, true, false);
    }
}

void BrowserPanel::SavePlaylistAs(UserInteraction& ui, WindowHandle owner,
                                  const std::vector<std::string>& paths) {
    if (tundeck::SavePlaylistAs(ui, owner, paths)) {
        browser_.Refresh();
    }
}

namespace {

bool IsPlainLeftPress(const MouseEvent& event) {
    return event.Action == MouseAction::Press && event.Button == MouseButton::Left && !event.Shift &&
           !event.Control;
}

} // namespace

bool BrowserPanel::FileListMouseDown(const MouseEvent& event, bool fileDragStartsDrag) {
    if (!IsPlainLeftPress(event)) {
        return false;
    }
    const std::string name = browser_.FocusedFile().Name; // a press uses nothing yet
    dragPath_ = name.empty() ? name : DirectoryPrefix() + name;
    return fileDragStartsDrag && !dragPath_.empty();
}

bool BrowserPanel::DirectoryListMouseDown(const MouseEvent& event) {
    if (!IsPlainLeftPress(event)) {
        return false;
    }
    lastMousePoint_ = event.Point;
    const std::string path = browser_.DirectoryPathAt(ListRowAt(directories_, event.Point));
    if (path.empty()) {
        return false;
    }
    dragPath_ = path;
    return true;
}

void BrowserPanel::FileListMouseMove(const MouseEvent& event) {
    lastMousePoint_ = event.Point;
    const int row = ListRowAt(files_, event.Point);
    const std::string name = browser_.FileNameAt(row);
    const ShownText shown = browser_.ShownFileNameAt(row); // its type by its real name
    if (!name.empty() && PathExtension(shown.Text) == ".mp3") {
        status_.ShowFileHover(shown, DirectoryPrefix() + name);
    } else {
        status_.ClearHoverInfo();
    }
}

void BrowserPanel::FileListMouseUp(const MouseEvent& event) {
    if (event.Button == MouseButton::Right) {
        lastMousePoint_ = event.Point;
        filePopupIndex_ = ListRowAt(files_, event.Point);
    }
}

} // namespace tundeck
