#pragma once
// Drive selector, directory list, file list and filter selector working together as one
// browser bound to the process's current directory.

#include "framework/directory_rows.h"
#include "framework/wide_names_win.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tundeck {

class FileBrowser {
public:
    // Takes over four existing controls: an owner-drawn drop-down list of drives, owner-drawn
    // list boxes for directories and files, and a drop-down list for `filter`
    // ("Description|mask;mask|Description|mask").
    void Attach(HWND drives, HWND directories, HWND files, HWND filters, const std::string& filter);

    // The open directory, as the file list shows it.
    const std::string& Directory() const { return directory_; }
    // Makes `path` current and shows it; false, with nothing changed, if it cannot be entered.
    bool ChangeDirectory(const std::string& path);
    // Reads the open directory afresh, e.g. after a file was saved into it.
    void Refresh();

    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);

    // The file list's rows, in its order; its selected rows; its focused row if that row is
    // selected, else an empty one. A name the code page cannot spell comes with its short name,
    // or none when it has none.
    const std::vector<UsableName>& Files() const { return files_; }
    std::vector<UsableName> SelectedFiles() const;
    const UsableName& FocusedFile() const { return File(FocusedFileRow()); }
    // The names of Files() that paths can use.
    std::vector<std::string> FileNames() const;
    // The focused row of the file list if it is selected, else -1.
    int FocusedFileRow() const;
    // The name in a row of the file list as paths use it; empty for none and for one out of reach.
    std::string FileNameAt(int row) const { return File(row).Name; }
    // The name in a row as the list shows it.
    ShownText ShownFileNameAt(int row) const;
    // The full path of the directory a row of the directory list stands for; empty for none and
    // for a directory that cannot be reached.
    std::string DirectoryPathAt(int row) const;

    // Messages the parent passes on; each returns true when it was one of ours.
    bool OnCommand(HWND control, int code);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    bool OnKeyToItem(HWND control, int key);

private:
    void ShowDirectory();
    void FillDrives();
    void FillDirectories();
    void FillFiles();
    void OpenDirectoryRow(int row);
    const UsableName& File(int row) const;

    HWND drives_ = nullptr;
    HWND directories_ = nullptr;
    HWND fileList_ = nullptr;
    HWND filters_ = nullptr;
    std::string directory_;
    std::string mask_;
    std::vector<std::string> masks_;
    std::vector<DirectoryRow> rows_;
    std::vector<UsableName> files_; // the file list's rows
};

} // namespace tundeck
