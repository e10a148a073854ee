#pragma once
// The main window: a switchboard that creates the controls, runs the start-up and shut-down
// sequences and hands each event to the panel that owns its control.

#include "app/application_window_win.h"
#include "app/main_controls_win.h"
#include "app/settings.h"
#include "app/track_popups_win.h"
#include "framework/controls_win.h"
#include "framework/window.h"
#include "player/player_panel_win.h"
#include "playlist/browser_panel_win.h"
#include "playlist/playlist_panel_win.h"
#include "trackinfo/status_panels_win.h"
#include "ui/layout_panel_win.h"
#include "ui/list_adds_win.h"
#include "ui/list_drags_win.h"

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace tundeck {

class Form1 final : public Window {
public:
    // `programDirectory` (with its trailing "\") holds the settings file and the remembered
    // playlist; `arguments` are the words of the command line after the program's name.
    Form1(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments = {});
    ~Form1() override;

    // Creates the window; the start-up sequence runs inside.
    void Create();
    // The user cancelled the search for the player's executable: the run ends at once.
    bool StartCancelled() const { return startCancelled_; }
    // How File > Options... shows the Setup dialog, and Help > About and the first paint of a
    // first run the About dialog.
    void SetDialogs(std::function<void()> showSetup, std::function<void()> showAbout) {
        showSetupDialog_ = std::move(showSetup);
        showAboutDialog_ = std::move(showAbout);
    }

    Settings& Options() { return settings_; }
    Playlist& Tracks() { return playlist_.Tracks(); }
    FileBrowser& Browser() { return browser_.Browser(); }
    StatusPanels& Status() { return status_; }
    PlayerControl& Player() { return player_.Control(); }
    TrackPopups& Popups() { return popups_; }
    HWND Control(ControlId id) const { return controls_[id]; }
    HACCEL Accelerators() const { return accelerators_.get(); }
    int PressedIndex() const { return playlist_.PressedIndex(); }
    int PopupIndex() const { return playlist_.PopupIndex(); }

    // A menu item, an accelerator or a popup menu's choice (`code` 0 or 1), or a control's
    // notification `code`, by the one command table.
    void RunCommand(int id, int code);

    // Event handlers, each handing the event to the panel that owns it.
    void Button1Click() { adds_.GetAll(); }
    void Button9Click() { adds_.GetSelected(); }
    void FileListBox1Dbl() { adds_.AddFocusedFile(); }
    void Button3Click() { playlist_.RemoveSelected(); }
    void Button2Click() { playlist_.RemoveAll(); }
    void Button6Click() { playlist_.DeselectAll(); }
    void Remove1Click() { playlist_.RemovePopupTrack(); }
    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z: the last edit of the playlist undone, or done again.
    void UndoEdit() { playlist_.Undo(); }
    void RedoEdit() { playlist_.Redo(); }
    void UpDown1Click(bool upperArrow) { playlist_.MoveSelection(upperArrow); }
    void Button7Click();
    void Button4Click() { player_.PlayAll(Tracks()); }
    void Button5Click() { player_.PlaySelected(Tracks(), Tracks().SelectedFlags()); }
    void BitBtn1Click() { player_.TransportClick(Tracks(), 0); }
    void BitBtn2Click() { player_.TransportClick(Tracks(), 1); }
    void BitBtn3Click() { player_.TransportClick(Tracks(), 2); }
    void BitBtn4Click() { player_.TransportClick(Tracks(), 3); }
    void BitBtn5Click() { player_.TransportClick(Tracks(), 4); }
    void ListBoxDbl() { ActOnRow(PressedIndex()); }
    void Playfromhere1Click() { player_.PlayFromIndex(Tracks(), PopupIndex(), true); }
    void Play1Click() { player_.PlayFromIndex(Tracks(), PopupIndex(), false); }
    void Playsingle1Click() { player_.PlayFile(browser_.PopupFileName()); }
    void SavePlaylist1Click() { browser_.SavePlaylistAs(Ui(), Owner(), Tracks().Paths()); }
    void Exit4Click() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }
    void Exit2Click() { showAboutDialog_(); }
    void Exit1Click() { showSetupDialog_(); }
    // Keys on the playlist: Ctrl+A selects every row, Enter acts on the focused row as a
    // double-click on it would (Del is Remove Sel.).
    void ListBoxSelectAll() { playlist_.SelectAll(); }
    void ListBoxEnter() { ActOnRow(Tracks().FocusedRow()); }
    void ListBoxMouseDown(const MouseEvent& event) { drags_.ListBoxMouseDown(event); }
    void ListBoxMouseMove(const MouseEvent& event) { playlist_.MouseMove(event); }
    void ListBoxMouseUp(const MouseEvent& event) {
        playlist_.MouseUp(event);
        popups_.MouseUp(Control(IdListBox1), event);
    }
    void FileListBox1MouseDown(const MouseEvent& event) { drags_.FileListBox1MouseDown(event); }
    void DirectoryListBox1MouseDown(const MouseEvent& event) { drags_.DirectoryListBox1MouseDown(event); }
    void FileListBox1MouseMove(const MouseEvent& event) { browser_.FileListMouseMove(event); }
    void FileListBox1MouseUp(const MouseEvent& event) {
        browser_.FileListMouseUp(event);
        popups_.MouseUp(Control(IdFileListBox1), event);
    }
    // The mouse over the window or a control that shows no track: the hover panels emptied.
    void MouseMove() { status_.ClearHoverInfo(); }
    void ViewEditIDTag1Click() { popups_.ViewEditIDTag1Click(); }
    void ViewEditIDTag2Click() { popups_.ViewEditIDTag2Click(); }
    // Lays out every control for the client size and the splitter factors.
    void OnResize() { layout_.OnResize(); }

    void UpdateTimeTotals() { playlist_.UpdateTimeTotals(); }
    // Marks the playlist popup's default command by the double-click action.
    void UpdatePopupDefaults() { popups_.UpdatePopupDefaults(); }
    // Deletes one playlist row (none when out of range) and recomputes the totals.
    void RemoveTrack(int index) { playlist_.RemoveTrack(index); }

protected:
    void OnCreate() override;
    void OnDestroy() override { ShutDown(); }
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnSize(int width, int height) override;
    void OnPaint() override;
    void OnEndSession(bool ending) override {
        if (ending) {
            ShutDown();
        }
    }
    bool OnMinimize() override { return MinimizeProgram(Handle()); }
    bool OnMouse(const MouseEvent& event) override;
    bool OnSetCursor() override { return drags_.Dragging(); }
    void OnCaptureChanged(HWND newCapture) override { drags_.CaptureChanged(Handle(), newCapture); }
    bool OnActivate(bool active) override { return focus_.Activate(Handle(), active); }
    bool OnSetFocus() override { return focus_.Restore(); }
    void OnChildMouse(int id, const MouseEvent& event) override;
    bool OnContextMenu(const ContextMenuRequest& request) override { return popups_.ContextMenu(request); }
    void OnChildDropFiles(int id, const std::vector<std::string>& paths, POINT point) override;
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(int id, MEASUREITEMSTRUCT& item) override;
    bool OnListKey(HWND list, int key) override;
    int OnListCharacter(HWND list, char character) override;
    void OnUpDown(int id, int position, int delta) override;

private:
    void CreateMenuAndShortcuts();
    void AttachPanels();
    void FillPlaylist();
    // The double-click action on a playlist row.
    void ActOnRow(int row);
    void ShutDown();

    std::string programDirectory_;
    std::vector<std::string> arguments_;
    Settings settings_;
    POINT lastMousePoint_{}; // the latest mouse position over any of the lists, in its coordinates
    StatusPanels status_;
    PlaylistPanel playlist_{settings_.ShowFullPath, lastMousePoint_, status_};
    BrowserPanel browser_{lastMousePoint_, status_};
    PlayerPanel player_;
    LayoutPanel layout_;
    ListAdds adds_{playlist_, browser_, status_, settings_.RecurseDroppedDirectories};
    ListDrags drags_{
        playlist_,
        browser_,
        status_,
        {settings_.DragMovesTracks, settings_.FileDragStartsDrag, settings_.RecurseDroppedDirectories}};
    TrackPopups popups_{playlist_, browser_, settings_, [this](int id) { RunCommand(id, 0); }};
    Tooltips tooltips_;
    Font font_;
    std::unique_ptr<std::remove_pointer_t<HACCEL>, decltype(&DestroyAcceleratorTable)> accelerators_{
        nullptr, &DestroyAcceleratorTable};
    MainControlHandles controls_;
    FocusMemory focus_;
    std::function<void()> showSetupDialog_ = [] {};
    std::function<void()> showAboutDialog_ = [] {};
    bool showAboutOnFirstPaint_ = false;
    bool startCancelled_ = false;
    bool playlistKnown_ = false;     // start-up filled the playlist
    unsigned untouchedRevision_ = 0; // the playlist as a start-up cut short left it
    bool shutDown_ = false;
};

} // namespace tundeck
