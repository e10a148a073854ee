#include "framework/file_browser_win.h"

#include "framework/directory_search_win.h"
#include "framework/file_io_win.h"
#include "framework/shell_icons_win.h"
#include "framework/text.h"
#include "framework/wide_names_win.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstddef>
#include <map>

namespace tundeck {

namespace {

constexpr int IndentPerLevel = 10;

std::vector<std::string> SplitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// Entries by the name they are shown by: the real name where there is one.
using FoundNames = std::map<std::string, UsableName>;

ShownText Shown(const UsableName& name) {
    return name.Real.empty() ? ShownText{name.Name} : ShownText{name.Real, true};
}

bool NameLess(const UsableName& a, const UsableName& b) {
    if (a.Real.empty() && b.Real.empty()) {
        return lstrcmpiA(a.Name.c_str(), b.Name.c_str()) < 0;
    }
    return lstrcmpiW(WideText(Shown(a)).c_str(), WideText(Shown(b)).c_str()) < 0;
}

// Names in `directory` matching `pattern`, directories or plain files by `wantDirectories`.
void FindNames(const std::string& directory, const std::string& pattern, bool wantDirectories,
               FoundNames& names) {
    std::string query = directory;
    if (!query.empty() && query.back() != '\\') {
        query += '\\';
    }
    constexpr DWORD Unwanted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (FoundEntry& entry : SearchDirectory(query + pattern)) {
        const bool isDirectory = (entry.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // Matching the name itself keeps "*.mp3" from also matching "x.mp3x" through its short name.
        if (isDirectory == wantDirectories && (entry.Attributes & Unwanted) == 0 && entry.Matches(pattern)) {
            std::string key = entry.Real.empty() ? entry.Name : entry.Real;
            names.emplace(std::move(key), UsableName{std::move(entry.Name), std::move(entry.Real)});
        }
    }
}

std::vector<UsableName> SortedNames(FoundNames& names) {
    std::vector<UsableName> sorted;
    sorted.reserve(names.size());
    for (auto& [key, name] : names) {
        sorted.push_back(std::move(name));
    }
    std::sort(sorted.begin(), sorted.end(), NameLess);
    return sorted;
}

// The open path's rows, each shown by its real name where the code page cannot spell it.
std::vector<DirectoryRow> OpenRowsShown(const std::string& directory) {
    std::vector<DirectoryRow> rows = OpenDirectoryRows(directory);
    const std::string real = RealPathOf(directory);
    if (real.empty()) {
        return rows;
    }
    const std::vector<DirectoryRow> realRows = OpenDirectoryRows(real);
    for (std::size_t i = 1; i < rows.size() && realRows.size() == rows.size(); ++i) {
        if (rows[i].Name != realRows[i].Name && !AnsiSpelling(WideFromUtf8(realRows[i].Name))) {
            rows[i].Real = realRows[i].Name;
        }
    }
    return rows;
}

// Fills a list box in one go with redrawing off; a real name is kept as the code page spells it.
template <typename Row> void FillList(HWND list, const std::vector<Row>& rows) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const Row& row : rows) {
        const std::string text = row.Real.empty() ? row.Name : LossyAnsi(WideFromUtf8(row.Real));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

} // namespace

void FileBrowser::Attach(HWND drives, HWND directories, HWND files, HWND filters, const std::string& filter) {
    drives_ = drives;
    directories_ = directories;
    fileList_ = files;
    filters_ = filters;
    const std::vector<std::string> parts = SplitOn(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        SendMessageA(filters_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(parts[i].c_str()));
        masks_.push_back(parts[i + 1]);
    }
    SendMessageA(filters_, CB_SETCURSEL, 0, 0);
    mask_ = masks_.empty() ? "*.*" : masks_.front();
    FillDrives();
    ShowDirectory();
}

bool FileBrowser::ChangeDirectory(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos || !SetCurrentDirectoryA(path.c_str())) {
        return false;
    }
    ShowDirectory();
    return true;
}

void FileBrowser::Refresh() {
    FillDirectories();
    FillFiles();
}

void FileBrowser::SetMask(const std::string& mask) {
    mask_ = mask;
    FillFiles();
}

std::vector<std::string> FileBrowser::FileNames() const {
    std::vector<std::string> names;
    names.reserve(files_.size());
    for (const UsableName& file : files_) {
        if (!file.Name.empty()) {
            names.push_back(file.Name);
        }
    }
    return names;
}

std::vector<UsableName> FileBrowser::SelectedFiles() const {
    const int count = std::max(0, static_cast<int>(SendMessageA(fileList_, LB_GETSELCOUNT, 0, 0)));
    std::vector<int> rows(static_cast<std::size_t>(count));
    if (count > 0) {
        SendMessageA(fileList_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    }
    std::vector<UsableName> files;
    for (int row : rows) {
        files.push_back(File(row));
    }
    return files;
}

int FileBrowser::FocusedFileRow() const {
    const auto row = static_cast<int>(SendMessageA(fileList_, LB_GETCARETINDEX, 0, 0));
    return SendMessageA(fileList_, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0 ? row : -1;
}

const UsableName& FileBrowser::File(int row) const {
    static const UsableName none;
    return row >= 0 && static_cast<std::size_t>(row) < files_.size() ? files_[static_cast<std::size_t>(row)]
                                                                     : none;
}

ShownText FileBrowser::ShownFileNameAt(int row) const {
    return Shown(File(row));
}

std::string FileBrowser::DirectoryPathAt(int row) const {
    const bool reachable = row >= 0 && static_cast<std::size_t>(row) < rows_.size() &&
                           !rows_[static_cast<std::size_t>(row)].Name.empty();
    return reachable ? DirectoryRowPath(rows_, static_cast<std::size_t>(row)) : std::string();
}

void FileBrowser::ShowDirectory() {
    directory_ = CurrentDirectory();
    const std::string drive = directory_.size() >= 2 && directory_[1] == ':' ? directory_.substr(0, 1) : "";
    const int count = static_cast<int>(SendMessageA(drives_, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char letter[4] = {};
        SendMessageA(drives_, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(letter)); // texts are "x:"
        if (!drive.empty() && lstrcmpiA(std::string(letter, 1).c_str(), drive.c_str()) == 0) {
            SendMessageA(drives_, CB_SETCURSEL, row, 0);
        }
    }
    Refresh();
}

void FileBrowser::FillDrives() {
    char roots[512] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof roots - 1, roots);
    SendMessageA(drives_, CB_RESETCONTENT, 0, 0);
    for (const char* root = roots; root < roots + length && *root != '\0'; root += lstrlenA(root) + 1) {
        const std::string text = LowerAscii(std::string(root, 2)); // "c:"
        SendMessageA(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void FileBrowser::FillDirectories() {
    rows_ = OpenRowsShown(directory_);
    FoundNames names;
    FindNames(directory_, "*", true, names);
    const int level = static_cast<int>(rows_.size());
    for (UsableName& name : SortedNames(names)) {
        rows_.push_back({std::move(name.Name), level, false, std::move(name.Real)});
    }
    FillList(directories_, rows_);
    SendMessageA(directories_, LB_SETCURSEL, level - 1, 0);
}

void FileBrowser::FillFiles() {
    FoundNames names;
    for (const std::string& pattern : SplitOn(mask_, ';')) {
        if (!pattern.empty()) {
            FindNames(directory_, pattern, false, names);
        }
    }
    files_ = SortedNames(names);
    FillList(fileList_, files_);
}

void FileBrowser::OpenDirectoryRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return;
    }
    const DirectoryRow& entry = rows_[static_cast<std::size_t>(row)];
    if (entry.Name.empty()) {
        NoteUnreachable(entry.Real);
    } else {
        ChangeDirectory(DirectoryRowPath(rows_, static_cast<std::size_t>(row)));
    }
}

bool FileBrowser::OnCommand(HWND control, int code) {
    if (control == drives_ && code == CBN_SELCHANGE) {
        char text[8] = {};
        const LRESULT row = SendMessageA(drives_, CB_GETCURSEL, 0, 0);
        SendMessageA(drives_, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
        if (!ChangeDirectory(text)) {
            ShowDirectory(); // back to the drive on view
        }
        return true;
    }
    if (control == directories_ && code == LBN_DBLCLK) {
        OpenDirectoryRow(static_cast<int>(SendMessageA(directories_, LB_GETCURSEL, 0, 0)));
        return true;
    }
    if (control == filters_ && code == CBN_SELCHANGE) {
        const LRESULT row = SendMessageA(filters_, CB_GETCURSEL, 0, 0);
        if (row >= 0 && static_cast<std::size_t>(row) < masks_.size()) {
            SetMask(masks_[static_cast<std::size_t>(row)]);
        }
        return true;
    }
    return control == directories_ || control == drives_ || control == filters_;
}

bool FileBrowser::OnKeyToItem(HWND control, int key) {
    if (control != directories_ || key != VK_RETURN) {
        return false;
    }
    OpenDirectoryRow(static_cast<int>(SendMessageA(directories_, LB_GETCURSEL, 0, 0)));
    return true;
}

bool FileBrowser::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int row = static_cast<int>(item.itemID);
    if (item.hwndItem == directories_) {
        const bool valid = row >= 0 && static_cast<std::size_t>(row) < rows_.size();
        const DirectoryRow entry =
            valid ? rows_[static_cast<std::size_t>(row)] : DirectoryRow{"", 0, false, ""};
        const ShellIcon icon = row == 0     ? ShellIcon::Drive
                               : entry.Open ? ShellIcon::OpenFolder
                                            : ShellIcon::ClosedFolder;
        // Drives read in lower case, as in the drive selector.
        const std::string text = row == 0 ? LowerAscii(entry.Name) : entry.Name;
        const ShownText shown = entry.Real.empty() ? ShownText{text} : ShownText{entry.Real, true};
        DrawIconRow(item, icon, entry.Name, shown, entry.Level * IndentPerLevel);
        return true;
    }
    if (item.hwndItem == fileList_) {
        const UsableName& file = File(row);
        DrawIconRow(item, ShellIcon::File, file.Name, Shown(file), 0);
        return true;
    }
    if (item.hwndItem == drives_) {
        char text[8] = {};
        if (row >= 0) {
            SendMessageA(drives_, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
        }
        const std::string root = std::string(text) + "\\";
        DrawIconRow(item, ShellIcon::Drive, root, ShownText{text}, 0);
        return true;
    }
    return false;
}

} // namespace tundeck
