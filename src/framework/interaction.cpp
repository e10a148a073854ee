#include "framework/interaction.h"

namespace tundeck {

void UserInteraction::ShowError(WindowHandle owner, const std::string& text) {
    if (showingError_) {
        return;
    }
    showingError_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{showingError_};
    ShowMessage(owner, text + ".", ApplicationTitle, MessageOk | MessageIconStop);
}

} // namespace tundeck
