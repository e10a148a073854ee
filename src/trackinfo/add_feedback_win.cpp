#include "trackinfo/add_feedback_win.h"

namespace tundeck {

namespace {

// Short adds show nothing; long ones repaint the count this often at most.
constexpr ULONGLONG QuietMilliseconds = 500;
constexpr ULONGLONG RepaintMilliseconds = 50;

} // namespace

AddFeedback::AddFeedback(StatusPanels& status, ULONGLONG(WINAPI* clock)())
    : status_(status), clock_(clock), previousCursor_(SetCursor(LoadCursor(nullptr, IDC_WAIT))),
      start_(clock()) {}

AddFeedback::~AddFeedback() {
    if (shown_) {
        status_.ShowNow(previousText_);
    }
    SetCursor(previousCursor_);
}

void AddFeedback::TracksFound(std::size_t count) {
    // Each directory of a drop counts from 1 again (a count never repeats within one add): keep
    // one running total.
    if (count <= lastCount_) {
        earlier_ += lastCount_;
    }
    lastCount_ = count;
    count += earlier_;
    const ULONGLONG now = clock_();
    if (now - start_ < QuietMilliseconds || (shown_ && now - lastShown_ < RepaintMilliseconds)) {
        return;
    }
    if (!shown_) {
        previousText_ = status_.Text(HoverNamePanel);
        shown_ = true;
    }
    lastShown_ = now;
    status_.ShowNow("Adding tracks: " + std::to_string(count));
}

} // namespace tundeck
