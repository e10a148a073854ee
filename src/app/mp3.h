#pragma once
// The main window: file browser, playlist, command and transport buttons, status bar and menu.

#include "app/main_controls.h"
#include "app/settings.h"
#include "framework/controls_win.h"
#include "framework/file_browser_win.h"
#include "framework/window.h"
#include "player/play_commands.h"
#include "player/player_window.h"
#include "player/window_control_win.h"
#include "playlist/mylstbox.h"
#include "playlist/playlist.h"
#include "ui/layout.h"
#include "ui/splitter_win.h"

#include <map>
#include <string>
#include <vector>

namespace tundeck {

class Form1 : public Window, private SettingsTarget, private SplitterListener, private PlayHost {
public:
    // `programDirectory` (with its trailing "\") holds the settings file and the remembered
    // playlist; `arguments` are the words of the command line after the program's name.
    Form1(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments = {});
    ~Form1() override;

    // Creates the window; the start-up sequence runs inside.
    void Create();

    Settings& Options() { return settings_; }
    Playlist& Tracks() { return playlist_; }
    const MainLayout& Layout() const { return layout_; }
    FileBrowser& Browser() { return browser_; }
    StatusBar& Status() { return statusBar_; }
    HWND Control(ControlId id) const;
    HACCEL Accelerators() const { return accelerators_; }

    void Exit4Click();
    void SavePlaylist1Click();
    // Lays out every control for the client size and the splitter factors.
    void OnResize();
    void UpdateTimeTotals();
    // Deletes one playlist row (none when out of range) and recomputes the totals.
    void RemoveTrack(int index);

    // Play commands.
    void Button4Click();
    void Button5Click();
    void Playfromhere1Click();
    void Play1Click();
    void Playsingle1Click();
    void ListBoxDbl();
    void TransportButtonClick(int id);
    PlayerControl& Player() { return player_; }

    // Rows of the playlist under the last press and the last right-button release; -1 for none.
    int PressedIndex() const { return pressedIndex_; }
    int PopupIndex() const { return popupIndex_; }
    // File-list row under the last right-button release over the file list; -1 for none.
    int FilePopupIndex() const { return filePopupIndex_; }

protected:
    void OnCreate() override;
    void OnDestroy() override;
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnSize(int width, int height) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateControl(const ControlSpec& info);
    void CreateMenuAndShortcuts();
    void ReadSettingsFile();
    void WriteSettingsFile();
    WindowGeometry Geometry() const;
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    void OnActivate(bool active);
    void ChildMouse(int id, UINT message, POINT point);
    void ListBoxMouse(UINT message, POINT point);
    void FileListMouse(UINT message, POINT point);
    void ClearHoverInfo();

    void SplitterMouseDown(int id, MouseButton button) override;
    void SplitterMouseMove(int id, int x, int y) override;
    void SplitterMouseUp(int id, MouseButton button) override;
    void Panel1MouseMove(int x);
    void Panel2MouseMove(int y);

    std::string TempPlaylistPath() const override;
    void WriteTempPlaylist(const std::vector<std::string>& paths) override;
    void ShowMessage(const std::string& text) override;

    // Lines of the settings file that act on the windows.
    bool SetBrowserDirectory(const std::string& directory) override;
    void SetWindowLeft(std::int32_t left) override;
    void SetWindowTop(std::int32_t top) override;
    void SetClientWidth(std::int32_t width) override;
    void SetClientHeight(std::int32_t height) override;

    std::string programDirectory_;
    std::vector<std::string> arguments_;
    Settings settings_;
    myListBox listBox1_;
    Playlist playlist_{listBox1_, settings_.ShowFullPath};
    Splitter panel1_;
    Splitter panel2_;
    MainLayout layout_;
    bool columnSplitterDragging_ = false;
    bool rowSplitterDragging_ = false;
    int pressedIndex_ = -1;
    int popupIndex_ = -1;
    int filePopupIndex_ = -1;
    Win32WindowControl windowControl_;
    PlayerControl player_{windowControl_, settings_};
    POINT lastMousePoint_{};
    FileBrowser browser_;
    Tooltips tooltips_;
    StatusBar statusBar_;
    Font font_;
    HACCEL accelerators_ = nullptr;
    std::map<int, HWND> controls_;
    HWND focused_ = nullptr; // the control that gets the focus back when the window is activated
};

} // namespace tundeck
