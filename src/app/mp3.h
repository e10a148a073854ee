#pragma once
// The main window: a switchboard that creates the controls, runs the start-up and shut-down
// sequences and hands each event to the panel that owns its control.

#include "app/main_controls.h"
#include "app/settings.h"
#include "framework/controls_win.h"
#include "framework/window.h"
#include "player/player_panel_win.h"
#include "playlist/browser_panel_win.h"
#include "playlist/playlist_panel_win.h"
#include "trackinfo/status_panels_win.h"
#include "ui/layout_panel_win.h"

#include <array>
#include <string>
#include <vector>

namespace tundeck {

class Form1 final : public Window, private SettingsTarget {
public:
    // `programDirectory` (with its trailing "\") holds the settings file and the remembered
    // playlist; `arguments` are the words of the command line after the program's name.
    Form1(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments = {});
    ~Form1() override;

    // Creates the window; the start-up sequence runs inside.
    void Create();

    Settings& Options() { return settings_; }
    Playlist& Tracks() { return playlist_.Tracks(); }
    FileBrowser& Browser() { return browser_.Browser(); }
    StatusPanels& Status() { return status_; }
    PlayerControl& Player() { return player_.Control(); }
    const MainLayout& Layout() const { return layout_.Layout(); }
    HWND Control(ControlId id) const;
    HACCEL Accelerators() const { return accelerators_; }
    int PressedIndex() const { return playlist_.PressedIndex(); }
    int PopupIndex() const { return playlist_.PopupIndex(); }
    int FilePopupIndex() const { return browser_.FilePopupIndex(); }

    // A menu item, an accelerator or a popup menu's choice (`code` 0 or 1), or a control's
    // notification `code`, by the one command table.
    void RunCommand(int id, int code);

    // Event handlers.
    void Button4Click();
    void Button5Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void ListBoxDbl();
    void Playfromhere1Click();
    void Play1Click();
    void Playsingle1Click();
    void SavePlaylist1Click();
    void Exit4Click();
    void ListBoxMouseDown(const MouseEvent& event);
    void ListBoxMouseMove(const MouseEvent& event);
    void ListBoxMouseUp(const MouseEvent& event);
    void FileListBox1MouseDown(const MouseEvent& event);
    void FileListBox1MouseMove(const MouseEvent& event);
    void FileListBox1MouseUp(const MouseEvent& event);
    // Lays out every control for the client size and the splitter factors.
    void OnResize();

    void UpdateTimeTotals();
    // Deletes one playlist row (none when out of range) and recomputes the totals.
    void RemoveTrack(int index);

protected:
    void OnCreate() override;
    void OnDestroy() override;
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnSize(int width, int height) override;
    bool OnActivate(bool active) override;
    bool OnSetFocus() override;
    void OnChildMouse(int id, const MouseEvent& event) override;
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
    void OnMeasureItem(int id, MEASUREITEMSTRUCT& item) override;
    bool OnListKey(HWND list, int key) override;

private:
    void CreateMenuAndShortcuts();
    void CreateControls();
    void CreateControl(const ControlSpec& info);
    void AttachPanels();
    void ReadSettingsFile();
    void WriteSettingsFile();

    // Lines of the settings file that act on the windows.
    bool SetBrowserDirectory(const std::string& directory) override;
    void SetWindowLeft(std::int32_t left) override;
    void SetWindowTop(std::int32_t top) override;
    void SetClientWidth(std::int32_t width) override;
    void SetClientHeight(std::int32_t height) override;

    std::string programDirectory_;
    std::vector<std::string> arguments_;
    Settings settings_;
    POINT lastMousePoint_{}; // the latest mouse position over any of the lists, in its coordinates
    StatusPanels status_;
    PlaylistPanel playlist_{settings_.ShowFullPath, lastMousePoint_};
    BrowserPanel browser_{lastMousePoint_};
    PlayerPanel player_;
    LayoutPanel layout_;
    Tooltips tooltips_;
    Font font_;
    HACCEL accelerators_ = nullptr;
    std::array<HWND, IdLastControl - IdLabel2 + 1> controls_{};
    HWND focused_ = nullptr; // the control that gets the focus back when the window is activated
};

} // namespace tundeck
