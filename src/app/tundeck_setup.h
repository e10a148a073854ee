#pragma once
// The Setup dialog: every option on three pages, each written the moment it is clicked, the
// ones that concern the player acted on at once.

#include "app/settings.h"
#include "framework/dialog_window.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tundeck {

// What the options act on beyond the record.
class SetupTarget {
public:
    virtual ~SetupTarget() = default;
    virtual void SetDisplayMode(bool fullPath) = 0;
    // Stores the mode and moves a running player from the old one to it.
    virtual void SetPlayerWindowHandling(std::uint8_t mode) = 0;
    virtual void ApplyPlayerAppearance(std::int32_t appearance) = 0;
    virtual void UpdatePopupDefaults() = 0;
};

class Form2 final : public DialogWindow {
public:
    enum ControlIds : int {
        IdPageControl1 = 300,
        IdPanel1,
        IdButton1,           // "Change"
        IdButton2 = IDOK,    // "Close"
        IdCheckBox1 = 310,   // CheckBox1 to CheckBox5
        IdRadioGroup1 = 320, // the first item of RadioGroup1; RadioGroupN's item i is
                             // IdRadioGroup1 + (N - 1) * 10 + i
    };
    static constexpr int RadioItemId(int group, int item) { return IdRadioGroup1 + (group - 1) * 10 + item; }

    Form2(UserInteraction& ui, Settings& settings, SetupTarget& target)
        : DialogWindow(ui), settings_(settings), target_(target) {}
    ~Form2() override { Destroy(); }

    // Created hidden and disabled, owned by the main window, showing "General".
    void Create(HWND main);
    void ShowSetupDialog();
    void CloseSetupDialog();
    // "Change": the file-open dialog until an existing executable is chosen or kept.
    void LocatePlayerExecutable();

    int PageShown() const { return page_; }
    bool PreTranslate(MSG& msg) override;

protected:
    bool OnClose() override;
    void OnDestroy() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnTabChange(int id) override;

private:
    void ShowPage(int page);
    // The item a radio group shows for its field; -1 or beyond for a value it has no item for.
    int RadioValue(int group) const;
    void RadioGroupClick(int group, int item);
    void CheckBoxClick(int box);
    // Shows a field's value; a control whose shown state changes runs its click handler.
    void ShowRadioItem(int group, int item);
    void ShowCheck(int box, bool checked);
    void ShowPlayerExecutable();

    Settings& settings_;
    SetupTarget& target_;
    int page_ = 0;
    std::vector<std::pair<HWND, int>> pages_; // each control with its page, -1 for every page
};

} // namespace tundeck
