#include "ui/list_adds_win.h"

#include "trackinfo/add_feedback_win.h"

namespace tundeck {

void ListAdds::GetAll() {
    const PlaylistEdit edit(playlist_.History(), playlist_.Tracks());
    AddFeedback busy(status_);
    browser_.AddAllFiles(playlist_.Tracks(), busy);
    playlist_.UpdateTimeTotals();
}

void ListAdds::GetSelected() {
    const PlaylistEdit edit(playlist_.History(), playlist_.Tracks());
    AddFeedback busy(status_);
    browser_.AddSelectedFiles(playlist_.Tracks(), busy);
    playlist_.UpdateTimeTotals();
}

void ListAdds::AddFocusedFile() {
    const PlaylistEdit edit(playlist_.History(), playlist_.Tracks());
    browser_.AddFocusedFile(playlist_.Tracks());
    playlist_.UpdateTimeTotals();
}

void ListAdds::DropFiles(const std::vector<std::string>& paths, POINT point) {
    AddFeedback busy(status_);
    playlist_.DropFiles(paths, point, recurse_, busy);
}

} // namespace tundeck
