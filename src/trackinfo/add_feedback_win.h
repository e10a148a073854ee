#pragma once
// What a long add shows while it runs: the wait cursor and, past half a second, how many tracks
// it has found so far in the first status panel, which gets its old text back afterwards.

#include "playlist/adding_win.h"
#include "trackinfo/status_panels_win.h"

#include <windows.h>

#include <string>

namespace tundeck {

class AddFeedback final : public AddProgress {
public:
    // `clock` gives milliseconds, as GetTickCount64 does.
    explicit AddFeedback(StatusPanels& status, ULONGLONG(WINAPI* clock)() = &GetTickCount64);
    AddFeedback(const AddFeedback&) = delete;
    AddFeedback& operator=(const AddFeedback&) = delete;
    ~AddFeedback() override;

    void TracksFound(std::size_t count) override;

private:
    StatusPanels& status_;
    ULONGLONG(WINAPI* clock_)();
    HCURSOR previousCursor_;
    ULONGLONG start_;
    ULONGLONG lastShown_ = 0;
    std::string previousText_;
    bool shown_ = false;
    std::size_t lastCount_ = 0; // as the current add reported it
    std::size_t earlier_ = 0;   // found by the adds before it in the same command
};

} // namespace tundeck
