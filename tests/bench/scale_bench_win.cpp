// Prints how the playlist operations of a real, visible main window grow with the playlist: each
// at 10,000, 100,000 and 1,000,000 rows, with the factor from each size to the next (linear work
// gives about 10), and how long a start with a remembered playlist of 10,000 entries takes to
// show the window. The tracks do not exist, so the times are the list's and the model's own.
// Then adds from real trees of 1,000 and 10,000 track files: AddDirectory, and shell drops of
// the files and of the tree on the list, each with the times the drop recomputes, and the time
// totals of the tree against the bare opens and reads they need. Undo and redo
// are timed without the times they recompute (the "time totals" row), the history's memory is
// shown over a run of edits of a million rows, and closing the step of a drop of 10,000 folders.
#include "app/application.h"
#include "bench/bench_tools.h"
#include "framework/wide_names_win.h"
#include "playlist/adding_win.h"
#include "playlist/playlist_files_win.h"
#include "playlist/playlist_history.h"
#include "app/main_controls.h"
#include "support/scripted_interaction.h"
#include "support/test_tools.h"
#include "support/temp_dir.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tundeck::bench::PaintNow;
using tundeck::testing::ScriptedInteraction;
using tundeck::testing::TempDir;

constexpr std::array<int, 3> Sizes{10'000, 100'000, 1'000'000};

std::vector<std::string> Paths(int rows) {
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        paths.push_back("C:\\Music\\Artist " + std::to_string(i / 1000) + "\\" + std::to_string(i) + ".mp3");
    }
    return paths;
}

double Ms(HWND window, const std::function<void()>& work) {
    PaintNow(window);
    const auto start = std::chrono::steady_clock::now();
    work();
    PaintNow(window);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median of a few runs at the smaller sizes; one run at a million rows.
double MedianMs(int rows, HWND window, const std::function<void()>& prepare,
                const std::function<void()>& work) {
    std::vector<double> runs;
    for (int run = 0; run < (rows >= 1'000'000 ? 1 : 3); ++run) {
        prepare();
        runs.push_back(Ms(window, work));
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// The playlist holding `paths`, every `everyNth` row selected (none for 0).
void Fill(tundeck::Playlist& playlist, const std::vector<std::string>& paths, int everyNth) {
    if (playlist.Count() != static_cast<int>(paths.size())) {
        playlist.Clear();
        playlist.AddTracks(std::vector<std::string_view>(paths.begin(), paths.end()), -1, false);
    }
    const int rows = playlist.Count();
    tundeck::Arrangement same{std::vector<int>(static_cast<std::size_t>(rows)),
                              std::vector<bool>(static_cast<std::size_t>(rows))};
    for (int row = 0; row < rows; ++row) {
        same.Order[static_cast<std::size_t>(row)] = row;
        same.Selected[static_cast<std::size_t>(row)] = everyNth > 0 && row % everyNth == 0;
    }
    playlist.Rearrange(same);
}

struct Operation {
    const char* Name;
    int EveryNth; // the selection it starts from
    std::function<void()> Work;
    std::function<void()> Before = [] {}; // after the selection, not timed
};

void TimeOperations(tundeck::Form1& form, const TempDir& dir) {
    tundeck::Playlist& playlist = form.Tracks();
    const std::string file = dir.File("list.m3u");
    const auto undo = [&] { playlist.History()->Undo(playlist); };
    const auto redo = [&] { playlist.History()->Redo(playlist); };
    const std::vector<Operation> operations{
        {"load a playlist file", 0,
         [&] {
             playlist.Clear();
             tundeck::ReadPlaylistFile(playlist, file, -1, false);
         }},
        {"display mode switch", 0, [&] { playlist.SetDisplayMode(true); }},
        {"Remove Sel., every other row", 2,
         [&] { playlist.Rearrange(tundeck::WithoutSelected(playlist.SelectedFlags())); }},
        {"down arrow, every other row", 2, [&] { form.UpDown1Click(false); }},
        {"Random, a tenth selected", 10, [&] { form.Button7Click(); }},
        {"Deselect All, a tenth selected", 10, [&] { form.Button6Click(); }},
        {"Remove All", 0, [&] { form.Button2Click(); }},
        {"save the playlist", 0,
         [&] { tundeck::WritePlaylistFile(dir.File("saved.m3u"), playlist.Paths()); }},
        {"time totals (one open per entry)", 10, [&] { form.UpdateTimeTotals(); }},
        {"undo Remove All", 0, undo, [&] { form.Button2Click(); }},
        {"redo Remove All", 0, redo,
         [&] {
             form.Button2Click();
             undo();
         }},
        {"undo Random, a tenth selected", 10, undo, [&] { form.Button7Click(); }},
        {"redo Random, a tenth selected", 10, redo,
         [&] {
             form.Button7Click();
             undo();
         }},
        {"undo down arrow, every other row", 2, undo, [&] { form.UpDown1Click(false); }},
        {"undo Remove Sel., every other row", 2, undo,
         [&] {
             const tundeck::PlaylistEdit edit(*playlist.History(), playlist);
             playlist.Rearrange(tundeck::WithoutSelected(playlist.SelectedFlags()));
         }},
    };
    form.Options().AutoPlayAfterRandom = false;
    std::vector<std::array<double, Sizes.size()>> figures(operations.size());
    for (std::size_t size = 0; size < Sizes.size(); ++size) {
        const std::vector<std::string> paths = Paths(Sizes[size]);
        tundeck::WritePlaylistFile(file, paths);
        for (std::size_t op = 0; op < operations.size(); ++op) {
            const Operation& operation = operations[op];
            figures[op][size] = MedianMs(
                Sizes[size], form.Handle(),
                [&] {
                    form.Options().ShowFullPath = false;
                    playlist.SetDisplayMode(false);
                    Fill(playlist, paths, operation.EveryNth);
                    operation.Before();
                },
                [&] { operation.Work(); });
        }
        playlist.Clear();
    }
    std::printf("%-34s %12s %12s %12s %10s %10s\n", "operation (ms)", "10,000", "100,000", "1,000,000",
                "10k-100k", "100k-1M");
    for (std::size_t op = 0; op < operations.size(); ++op) {
        const auto& f = figures[op];
        std::printf("%-34s %12.1f %12.1f %12.1f %9.1fx %9.1fx\n", operations[op].Name, f[0], f[1], f[2],
                    f[1] / f[0], f[2] / f[1]);
    }
}

// The history's memory over thirty Randoms of a million rows, a tenth selected, and a Remove All.
void HistoryMemory(tundeck::Form1& form) {
    tundeck::Playlist& playlist = form.Tracks();
    const tundeck::PlaylistHistory& history = *playlist.History();
    Fill(playlist, Paths(1'000'000), 10);
    std::size_t peak = 0;
    for (int step = 0; step <= 30; ++step) {
        step < 30 ? form.Button7Click() : form.Button2Click();
        peak = std::max(peak, history.Bytes());
    }
    std::printf(
        "\nhistory at 1,000,000 rows: peak %.1f MiB (bound %.0f MiB); %zu steps kept after 30 Randoms "
        "and a Remove All, %.1f MiB\n",
        static_cast<double>(peak) / (1 << 20),
        static_cast<double>(tundeck::PlaylistHistory::DefaultByteLimit) / (1 << 20), history.UndoSteps(),
        static_cast<double>(history.Bytes()) / (1 << 20));
}

// Closing the undo step of a drop of 10,000 folders of 100 files each: its inserts become one.
void CloseOfALargeDrop(tundeck::Form1& form) {
    tundeck::Playlist& playlist = form.Tracks();
    playlist.Clear();
    const std::vector<std::string> paths = Paths(1'000'000);
    std::optional<tundeck::PlaylistEdit> drop(std::in_place, *playlist.History(), playlist);
    for (std::size_t folder = 0; folder < 10'000; ++folder) {
        const auto first = paths.begin() + static_cast<std::ptrdiff_t>(folder * 100);
        playlist.AddTracks(std::vector<std::string_view>(first, first + 100), -1, false);
    }
    const double ms = Ms(form.Handle(), [&] { drop.reset(); });
    std::printf("closing the step of a drop of 10,000 inserts of 100 rows: %.1f ms (target: under 50), "
                "%zu step kept\n",
                ms, playlist.History()->UndoSteps());
    playlist.Clear();
}

void WriteTrack(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// `tracks` tagged track files, a hundred to a directory, under `root`; their paths.
std::vector<std::string> MakeTree(const std::string& root, int tracks) {
    const std::string bytes = tundeck::bench::TaggedTrackBytes();
    std::vector<std::string> paths;
    CreateDirectoryA(root.c_str(), nullptr);
    for (int i = 0; i < tracks; ++i) {
        const std::string directory = root + "\\d" + std::to_string(i / 100);
        if (i % 100 == 0) {
            CreateDirectoryA(directory.c_str(), nullptr);
        }
        paths.push_back(directory + "\\" + std::to_string(i) + ".mp3");
        WriteTrack(tundeck::WideFromAnsi(paths.back()), bytes);
    }
    return paths;
}

// A shell drop on the playlist's list, as the shell sends it.
void DropOnList(tundeck::Form1& form, const std::vector<std::string>& paths) {
    HWND list = form.Control(tundeck::IdListBox1);
    SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(tundeck::testing::MakeShellDrop(paths, 5, 5)),
                 0);
}

void TimeAdds(tundeck::Form1& form, const TempDir& dir) {
    constexpr std::array<int, 2> TreeSizes{1'000, 10'000};
    tundeck::Playlist& playlist = form.Tracks();
    form.Options().RecurseDroppedDirectories = true;
    std::printf("\n%-34s %12s %12s %10s\n", "adding a tree (ms)", "1,000", "10,000", "growth");
    std::array<std::array<double, 2>, 5> figures{};
    std::int64_t sink = 0;
    for (std::size_t size = 0; size < TreeSizes.size(); ++size) {
        const std::string root = dir.File("tree" + std::to_string(size));
        const std::vector<std::string> files = MakeTree(root, TreeSizes[size]);
        const std::array<std::function<void()>, 3> adds{
            [&] { tundeck::AddDirectory(playlist, root + "\\", true, -1, nullptr); },
            [&] { DropOnList(form, files); },
            [&] { DropOnList(form, {root}); },
        };
        for (std::size_t add = 0; add < adds.size(); ++add) {
            figures[add][size] = MedianMs(
                TreeSizes[size], form.Handle(), [&] { playlist.Clear(); }, adds[add]);
        }
        // The totals of the tree just dropped, against the same opens and reads without the analysis.
        figures[3][size] = MedianMs(
            TreeSizes[size], form.Handle(), [] {}, [&] { form.UpdateTimeTotals(); });
        figures[4][size] = MedianMs(
            TreeSizes[size], form.Handle(), [] {}, [&] { sink += tundeck::bench::BareTrackReads(files); });
    }
    const char* names[] = {"AddDirectory, recursive", "drop of the files, with times",
                           "drop of the tree, with times", "time totals of the tree",
                           "  the same opens and reads, bare"};
    for (std::size_t add = 0; add < figures.size(); ++add) {
        std::printf("%-34s %12.1f %12.1f %9.1fx\n", names[add], figures[add][0], figures[add][1],
                    figures[add][1] / figures[add][0]);
    }
    std::printf("%-34s %12.2f %12.2f%s\n", "  totals over bare (target: <= 1.30)",
                figures[3][0] / figures[4][0], figures[3][1] / figures[4][1],
                sink == 0 ? " (no file read)" : "");
    playlist.Clear();
}

// A directory of 10,000 files named in Cyrillic, reached through their short names, against one
// of 10,000 names the code page spells: the add, then its totals.
void TimeInternationalAdds(tundeck::Form1& form, const TempDir& dir) {
    constexpr int Files = 10'000;
    const std::string bytes = tundeck::bench::TaggedTrackBytes();
    std::printf("\n%-34s %12s %12s %10s\n", "a directory of 10,000 (ms)", "plain", "Cyrillic", "ratio");
    std::array<std::array<double, 2>, 2> figures{};
    for (int kind = 0; kind < 2; ++kind) {
        const std::wstring directory =
            tundeck::WideFromAnsi(dir.File(kind == 0 ? "plain" : "cyrillic")) + L"\\";
        CreateDirectoryW(directory.c_str(), nullptr);
        for (int i = 0; i < Files; ++i) {
            WriteTrack(directory + (kind == 0 ? L"Song " : L"Песня ") + std::to_wstring(i) + L".mp3", bytes);
        }
        const std::string kept = *tundeck::KeptPath(directory);
        figures[0][kind] = MedianMs(
            Files, form.Handle(), [&] { form.Tracks().Clear(); },
            [&] { tundeck::AddDirectory(form.Tracks(), kept, false, -1, nullptr); });
        figures[1][kind] = MedianMs(
            Files, form.Handle(), [] {}, [&] { form.UpdateTimeTotals(); });
    }
    const char* names[] = {"AddDirectory", "time totals of the directory"};
    for (std::size_t add = 0; add < figures.size(); ++add) {
        std::printf("%-34s %12.1f %12.1f %9.2fx\n", names[add], figures[add][0], figures[add][1],
                    figures[add][1] / figures[add][0]);
    }
    form.Tracks().Clear();
}

// A start whose remembered playlist holds 10,000 entries, until the window has painted.
double StartUpMs(const TempDir& dir) {
    ScriptedInteraction ui;
    const auto start = std::chrono::steady_clock::now();
    tundeck::Application app(ui, dir.Directory());
    app.Start();
    app.Show(SW_SHOWNORMAL);
    PaintNow(app.Main().Handle());
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    app.End();
    return ms;
}

} // namespace

int main() {
    tundeck::bench::InitControls();
    char start[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, start);
    {
        TempDir dir;
        dir.Write("player.exe", "MZ");
        dir.Write("tundeck.ini", "MelvDir=" + dir.File("player.exe") + "\r\n");
        ScriptedInteraction ui;
        tundeck::Application app(ui, dir.Directory());
        app.Start();
        app.Show(SW_SHOWNORMAL);
        PaintNow(app.Main().Handle());
        TimeOperations(app.Main(), dir);
        HistoryMemory(app.Main());
        CloseOfALargeDrop(app.Main());
        TimeAdds(app.Main(), dir);
        TimeInternationalAdds(app.Main(), dir);
        app.End();
        SetCurrentDirectoryA(start);
        for (const tundeck::testing::ShownMessage& message : ui.Messages) {
            std::printf("Message shown: %s\n", message.Text.c_str());
        }
    }
    {
        TempDir dir;
        dir.Write("player.exe", "MZ");
        tundeck::WritePlaylistFile(dir.File("tmplist.m3u"), Paths(10'000));
        std::vector<double> runs;
        for (int run = 0; run < 4; ++run) {
            dir.Write("tundeck.ini", "MelvDir=" + dir.File("player.exe") + "\r\n");
            runs.push_back(StartUpMs(dir));
            SetCurrentDirectoryA(start);
        }
        std::sort(runs.begin() + 1, runs.end()); // the first run warms up
        std::printf(
            "Start-up with a remembered playlist of 10,000 entries, warm: %.1f ms (target: under 1000)\n",
            runs[2]);
    }
    return 0;
}
