#pragma once
// The main window: file browser, playlist, command and transport buttons, status bar and menu.

#include "app/main_controls.h"
#include "app/settings.h"
#include "framework/controls_win.h"
#include "framework/file_browser_win.h"
#include "framework/window.h"

#include <map>
#include <string>

namespace tundeck {

class Form1 : public Window, private SettingsTarget {
  public:
    // `programDirectory` (with its trailing "\") holds the settings file.
    Form1(UserInteraction& ui, std::string programDirectory);

    // Creates the window; the start-up sequence runs inside.
    void Create();

    Settings& Options() { return settings_; }
    FileBrowser& Browser() { return browser_; }
    StatusBar& Status() { return statusBar_; }
    HWND Control(ControlId id) const;
    HACCEL Accelerators() const { return accelerators_; }

    void Exit4Click();

  protected:
    void OnCreate() override;
    void OnDestroy() override;
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnSize(int width, int height) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void CreateControls();
    void CreateControl(const ControlSpec& spec);
    void CreateMenuAndShortcuts();
    void ReadSettingsFile();
    void WriteSettingsFile();
    WindowGeometry Geometry() const;
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    void OnActivate(bool active);
    bool OnSetCursor(HWND window);

    // Lines of the settings file that act on the windows.
    bool SetBrowserDirectory(const std::string& directory) override;
    void SetWindowLeft(std::int32_t left) override;
    void SetWindowTop(std::int32_t top) override;
    void SetClientWidth(std::int32_t width) override;
    void SetClientHeight(std::int32_t height) override;

    std::string programDirectory_;
    Settings settings_;
    FileBrowser browser_;
    Tooltips tooltips_;
    StatusBar statusBar_;
    Font font_;
    HACCEL accelerators_ = nullptr;
    std::map<int, HWND> controls_;
    HWND focused_ = nullptr; // the control that gets the focus back when the window is activated
};

} // namespace tundeck
