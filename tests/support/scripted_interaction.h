#pragma once
// Answers the program's questions from a script and records what it was shown.

#include "framework/interaction.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tundeck::testing {

struct ShownMessage {
    std::string Text;
    std::string Caption;
    std::uint32_t Flags;
};

class ScriptedInteraction : public UserInteraction {
public:
    std::vector<ShownMessage> Messages;
    std::vector<FileDialogOptions> Dialogs;
    std::deque<int> MessageAnswers;                     // AnswerOk when empty
    std::deque<std::optional<std::string>> FileAnswers; // cancel when empty

    int ShowMessage(WindowHandle, const std::string& text, const std::string& caption,
                    std::uint32_t flags) override {
        Messages.push_back({text, caption, flags});
        if (MessageAnswers.empty()) {
            return AnswerOk;
        }
        const int answer = MessageAnswers.front();
        MessageAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> OpenFile(WindowHandle, const FileDialogOptions& options) override {
        return NextFile(options);
    }
    std::optional<std::string> SaveFile(WindowHandle, const FileDialogOptions& options) override {
        return NextFile(options);
    }

private:
    std::optional<std::string> NextFile(const FileDialogOptions& options) {
        Dialogs.push_back(options);
        if (FileAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = FileAnswers.front();
        FileAnswers.pop_front();
        return answer;
    }
};

} // namespace tundeck::testing
