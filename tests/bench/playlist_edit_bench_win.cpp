// Prints how long filling and editing the playlist of a real, visible main window take: the
// editing commands on 100,000 rows, and Get All and AddDirectory on 10,000 files against the
// bare directory walk plus the list insert; reading rows back as screen readers do. Each figure is
// the median of a few runs.
#include "app/application.h"
#include "app/main_controls.h"
#include "bench/bench_tools.h"
#include "framework/directory_search_win.h"
#include "framework/list_accessible_win.h"
#include "playlist/adding_win.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tundeck::bench::PaintNow;
using tundeck::testing::ScriptedInteraction;
using tundeck::testing::TempDir;

constexpr int Repeats = 5;
constexpr int Rows = 100'000;
constexpr int TreeDirectories = 1'000;
constexpr int FilesPerDirectory = 10;

// The median time of `work` after `prepare`, which is not timed.
double MedianMs(HWND window, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> runs;
    for (int run = 0; run < Repeats; ++run) {
        prepare();
        PaintNow(window);
        const auto start = std::chrono::steady_clock::now();
        work();
        PaintNow(window);
        runs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// The playlist refilled with `Rows` rows, every `everyNth` row from first to last selected.
void Fill(tundeck::Form1& form, int everyNth, int firstSelected = 0, int lastSelected = Rows - 1) {
    if (form.Tracks().Count() != Rows) {
        std::vector<std::string> paths;
        for (int i = 0; i < Rows; ++i) {
            paths.push_back("C:\\Music\\Artist " + std::to_string(i / 1000) + "\\" + std::to_string(i) +
                            ".mp3");
        }
        form.Tracks().Clear();
        form.Tracks().AddTracks(std::vector<std::string_view>(paths.begin(), paths.end()), -1, false);
    }
    tundeck::Arrangement unchanged{std::vector<int>(Rows), std::vector<bool>(Rows, false)};
    for (int row = 0; row < Rows; ++row) {
        unchanged.Order[static_cast<std::size_t>(row)] = row;
    }
    for (int row = firstSelected; row <= lastSelected; row += everyNth) {
        unchanged.Selected[static_cast<std::size_t>(row)] = true;
    }
    form.Tracks().Rearrange(unchanged);
}

void TimeEditing(tundeck::Form1& form) {
    HWND window = form.Handle();
    form.Options().AutoPlayAfterRandom = false;
    std::printf("Editing %d rows (target: each under 200 ms; the totals read every file afresh):\n", Rows);
    const auto line = [](const char* what, double ms) { std::printf("  %-48s %8.1f ms\n", what, ms); };
    const auto removeSelected = [&] {
        form.Tracks().Rearrange(tundeck::WithoutSelected(form.Tracks().SelectedFlags()));
    };
    line("Remove Sel. without its totals, every other row",
         MedianMs(
             window, [&] { Fill(form, 2); }, removeSelected));
    line("Remove Sel., every other row selected",
         MedianMs(
             window, [&] { Fill(form, 2); }, [&] { form.Button3Click(); }));
    line("up arrow, 50,000 rows selected in one run",
         MedianMs(
             window, [&] { Fill(form, 1, 25'000, 74'999); }, [&] { form.UpDown1Click(true); }));
    line("down arrow, every other row selected",
         MedianMs(
             window, [&] { Fill(form, 2); }, [&] { form.UpDown1Click(false); }));
    line("Random, a tenth selected", MedianMs(
                                         window, [&] { Fill(form, 10); }, [&] { form.Button7Click(); }));
    line("Deselect All, a tenth selected",
         MedianMs(
             window, [&] { Fill(form, 10); }, [&] { form.Button6Click(); }));
    line("Ctrl+A without its totals, nothing selected",
         MedianMs(
             window, [&] { Fill(form, Rows * 2); }, [&] { form.Tracks().SetAllSelected(true); }));
    line("Ctrl+A, nothing selected",
         MedianMs(
             window, [&] { Fill(form, Rows * 2); }, [&] { form.ListBoxSelectAll(); }));
    form.Tracks().Clear();
}

// What a screen reader asks of the playlist, on the first and on the last of 100,000 rows.
void TimeReadingBack(tundeck::Form1& form) {
    Fill(form, 2);
    HWND window = form.Handle();
    HWND list = form.Control(tundeck::IdListBox1);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* rows = nullptr;
    AccessibleObjectFromWindow(list, OBJID_CLIENT, tundeck::AccessibleInterfaceId,
                               reinterpret_cast<void**>(&rows));
    if (rows != nullptr) {
        constexpr int Calls = 1000; // so the milliseconds of a run are microseconds per call
        const auto perCall = [&](const std::function<void(LONG child)>& ask, LONG child) {
            return MedianMs(
                window, [] {},
                [&] {
                    for (int call = 0; call < Calls; ++call) {
                        ask(child);
                    }
                });
        };
        const auto name = [&](LONG child) {
            VARIANT id{};
            id.vt = VT_I4;
            id.lVal = child;
            BSTR text = nullptr;
            rows->get_accName(id, &text);
            SysFreeString(text);
        };
        const auto text = [&](LONG child) {
            char row[MAX_PATH];
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(child - 1), reinterpret_cast<LPARAM>(row));
        };
        std::printf("Reading rows back, %d rows (target: the last row as fast as the first):\n", Rows);
        const auto line = [](const char* what, double us) { std::printf("  %-48s %8.2f us\n", what, us); };
        line("accessible name of the first row", perCall(name, 1));
        line("accessible name of the last row", perCall(name, Rows));
        line("LB_GETTEXT of the first row", perCall(text, 1));
        line("LB_GETTEXT of the last row", perCall(text, Rows));
        rows->Release();
    }
    CoUninitialize();
    form.Tracks().Clear();
}

std::string MakeTree(const TempDir& dir) {
    const std::string bytes = std::string("\xFF\xF3\x10\x00", 4) + std::string(996, '\0');
    for (int d = 0; d < TreeDirectories; ++d) {
        const std::string sub = "tree\\" + std::to_string(d / 100) + "\\" + std::to_string(d % 100);
        std::filesystem::create_directories(dir.Path() / sub);
        for (int f = 0; f < FilesPerDirectory; ++f) {
            dir.Write(sub + "\\track" + std::to_string(f) + ".mp3", bytes);
        }
    }
    return dir.File("tree") + "\\";
}

// The least a tree add can cost: every directory searched once; then one insert of the paths.
void BareWalk(const std::string& directory, std::vector<std::string>& paths) {
    for (const tundeck::FoundEntry& entry : tundeck::SearchDirectory(directory + "*")) {
        if ((entry.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            BareWalk(directory + entry.Name + "\\", paths);
        } else {
            paths.push_back(directory + entry.Name);
        }
    }
}

void InsertAll(tundeck::Playlist& playlist, const std::vector<std::string>& paths, bool select) {
    playlist.AddTracks(std::vector<std::string_view>(paths.begin(), paths.end()), -1, select);
}

void TimeAdding(tundeck::Form1& form, const TempDir& dir) {
    HWND window = form.Handle();
    const std::string tree = MakeTree(dir);
    const auto clear = [&] { form.Tracks().Clear(); };
    const double walk = MedianMs(window, clear, [&] {
        std::vector<std::string> paths;
        BareWalk(tree, paths);
        InsertAll(form.Tracks(), paths, true);
    });
    const double add =
        MedianMs(window, clear, [&] { tundeck::AddDirectory(form.Tracks(), tree, true, -1, nullptr); });
    std::printf(
        "AddDirectory over %d files in %d directories: %.1f ms, bare walk and insert %.1f ms, ratio %.2f "
        "(target: at most 1.20)\n",
        form.Tracks().Count(), TreeDirectories + TreeDirectories / 100 + 1, add, walk, add / walk);

    const double drop = MedianMs(window, clear, [&] {
        tundeck::AddDroppedFiles(form.Tracks(), {tree.substr(0, tree.size() - 1)}, -1, true, nullptr);
        form.UpdateTimeTotals();
    });
    const double fromList = MedianMs(window, clear, [&] {
        tundeck::AddDirectory(form.Tracks(), tree, true, -1, nullptr);
        form.UpdateTimeTotals();
    });
    std::printf(
        "Desktop drop of the tree with its totals: %.1f ms, AddDirectory with its totals %.1f ms, ratio %.2f "
        "(target: at most 1.20)\n",
        drop, fromList, drop / fromList);

    // One flat directory of as many files, in the browser.
    const std::string flat = dir.File("flat");
    std::filesystem::create_directory(flat);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path() / "tree")) {
        if (entry.is_regular_file()) {
            std::filesystem::copy_file(entry.path(),
                                       std::filesystem::path(flat) /
                                           (entry.path().parent_path().filename().string() + "-" +
                                            entry.path().parent_path().parent_path().filename().string() +
                                            "-" + entry.path().filename().string()));
        }
    }
    form.Browser().ChangeDirectory(flat);
    const double bare = MedianMs(window, clear, [&] {
        std::vector<std::string> paths;
        BareWalk(flat + "\\", paths);
        InsertAll(form.Tracks(), paths, false);
    });
    const std::string prefix = flat + "\\";
    const double getAll = MedianMs(window, clear, [&] {
        tundeck::AddFiles(form.Tracks(), prefix, form.Browser().Files(), false, nullptr);
    });
    std::printf(
        "Get All's add on %d files: %.1f ms, bare walk and insert %.1f ms, ratio %.2f (target: at most "
        "1.20)\n",
        form.Tracks().Count(), getAll, bare, getAll / bare);
    const double withTotals = MedianMs(window, clear, [&] { form.Button1Click(); });
    std::printf("Get All with its totals over the %d files: %.1f ms\n", form.Tracks().Count(), withTotals);
    form.Tracks().Clear();
}

} // namespace

int main() {
    tundeck::bench::InitControls();

    char start[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, start);
    {
        TempDir dir;
        ScriptedInteraction ui;
        tundeck::Application app(ui, dir.Directory());
        app.Start();
        ShowWindow(app.Main().Handle(), SW_SHOWNORMAL);
        PaintNow(app.Main().Handle());
        TimeEditing(app.Main());
        TimeReadingBack(app.Main());
        TimeAdding(app.Main(), dir);
        app.End();
        SetCurrentDirectoryA(start);
        for (const tundeck::testing::ShownMessage& message : ui.Messages) {
            std::printf("Message shown: %s\n", message.Text.c_str());
        }
    }
    return 0;
}
