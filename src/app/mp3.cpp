#include "app/mp3.h"

#include "app/commands.h"
#include "app/main_menus.h"
#include "app/window_geometry_win.h"

namespace tundeck {

namespace {

constexpr const char* MainClassName = "TundeckMain";
constexpr const char* BrowserFilter = "Mp3-files (*.mp3;*.m3u)|*.mp3;*.m3u|All files (*.*)|*.*";
constexpr DWORD MainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

constexpr ACCEL Shortcuts[] = {
    {FCONTROL | FVIRTKEY, 'S', CmdSavePlaylist},
    {FCONTROL | FVIRTKEY, 'Z', CmdUndo},
    {FCONTROL | FVIRTKEY, 'Y', CmdRedo},
    {FCONTROL | FSHIFT | FVIRTKEY, 'Z', CmdRedo},
};

} // namespace

Form1::Form1(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments)
    : Window(ui), programDirectory_(std::move(programDirectory)), arguments_(std::move(arguments)),
      player_(ui, settings_, programDirectory_),
      layout_(ui, settings_.HorizontalFactor, settings_.VerticalFactor, status_) {}

void Form1::Create() {
    RegisterClass(MainClassName, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    Window::Create(MainClassName, "Tundeck v1.4", MainStyle, 0,
                   OuterRect(MainStyle, 10, 10, DesignClientWidth, DesignClientHeight), nullptr, nullptr);
}

Form1::~Form1() {
    Destroy(); // while the members the shut-down sequence uses still exist
}

bool Form1::OnClose() {
    // The application destroys its windows in order once the event loop has ended.
    PostQuitMessage(0);
    return true;
}

void Form1::CreateMenuAndShortcuts() {
    SetMenu(Handle(), BuildMenuBar(MainMenuItems()));
    accelerators_.reset(
        CreateAcceleratorTableA(const_cast<ACCEL*>(Shortcuts), static_cast<int>(std::size(Shortcuts))));
}

void Form1::AttachPanels() {
    font_ = CreateUiFont();
    controls_ = CreateMainControls(Handle(), font_.Get(), tooltips_, [this](const ControlSpec& info) {
        return layout_.CreateSplitter(*PlacementOf(info.Id), Handle(), info.Id, DesignRectOf(info));
    });
    status_.Attach(Control(IdStatusBar1));
    playlist_.Attach(Control(IdListBox1), Control(IdUpDown1));
    browser_.Attach(Control(IdDriveComboBox1), Control(IdDirectoryListBox1), Control(IdFileListBox1),
                    Control(IdFilterComboBox1), BrowserFilter);
    player_.Attach(Handle(), {Control(IdBitBtn1), Control(IdBitBtn2), Control(IdBitBtn3), Control(IdBitBtn4),
                              Control(IdBitBtn5)});
    std::array<HWND, LayoutControlCount> placed{};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        placed[i] = Control(PlacedControl(static_cast<LayoutControl>(i)));
    }
    layout_.Attach(Handle(), placed);
    drags_.Attach(Handle(), Control(IdListBox1), Control(IdFileListBox1), Control(IdDirectoryListBox1));
}

void Form1::OnSize(int /*width*/, int /*height*/) {
    if (!IsIconic(Handle())) {
        OnResize();
    }
}

void Form1::OnPaint() {
    Window::OnPaint();
    if (showAboutOnFirstPaint_) {
        showAboutOnFirstPaint_ = false;
        Exit2Click();
    }
}

bool Form1::OnDrawItem(int /*id*/, const DRAWITEMSTRUCT& item) {
    return playlist_.DrawItem(item) || player_.DrawItem(item) || browser_.Browser().OnDrawItem(item);
}

bool Form1::OnMeasureItem(int /*id*/, MEASUREITEMSTRUCT& item) {
    // Rows fit a small shell icon; the layout pass sets the closed height of the drop-down lists.
    item.itemHeight = item.itemID == static_cast<UINT>(-1) ? 16 : 18;
    return true;
}

} // namespace tundeck
