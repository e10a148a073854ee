#pragma once
// The tag dialog: a track's path and header lines, and its ID3v1 tag to view and change. It
// writes the tag back on closing when a box was changed and the user agrees.

#include "framework/dialog_window.h"
#include "trackinfo/id3_tag.h"
#include "trackinfo/info_lines.h"

#include <array>
#include <optional>
#include <string>

namespace tundeck {

class Form4 final : public DialogWindow {
public:
    enum ControlIds : int {
        IdEdit1 = 201, // song name; Edit2 to Edit5 follow in the order of the tag's text fields
        IdComboBox1 = IdEdit1 + static_cast<int>(TagTextFields.size()),
        IdLabel7, // the path; Label8 to Label11 follow with the header lines
        IdButton1 = IDOK,
    };

    explicit Form4(UserInteraction& ui) : DialogWindow(ui) {}
    ~Form4() override { Destroy(); }

    // Created hidden and disabled, owned by the main window.
    void Create(HWND main);

    // Shows the dialog over the disabled main window with the tag of the file at `path`.
    void ViewEditIDTag1Click(const std::string& path, const HeaderLines& lines);
    // OK, and with it every other way of closing: the tag written if it changed and the user agrees.
    void Button1Click();
    void FormClose();

    bool TagChanged() const { return tagChanged_; }

protected:
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    // The focus entering or leaving a box (an edit box or the genre box). Only a move between
    // controls of the dialog counts: another window taking the focus and giving it back leaves
    // the box as it was.
    void BoxEntered(int id);
    void BoxLeft(int id);
    void BoxExit(int id);
    void EditEnter(HWND edit);
    void EditExit(HWND edit);
    void ComboBox1Enter();
    void ComboBox1Exit();
    int SelectedGenre() const;
    void Close(bool changed);
    void Save();

    std::string path_;
    TagBuffer tagBuffer_{};
    std::optional<TagBuffer> shownTag_; // the tag the boxes were filled from
    bool tagChanged_ = false;
    std::string enteredText_;
    int enteredGenre_ = -1;
    int awayFrom_ = 0; // the box the focus left for another window, 0 for none
};

} // namespace tundeck
