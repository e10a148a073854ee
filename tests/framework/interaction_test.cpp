// The one error funnel: what it shows, and that it never stacks one error box on another.
#include "framework/error.h"
#include "framework/interaction.h"
#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace tundeck {
namespace {

// Shows what any throw would show in the error box.
std::string TextOf(const std::function<void()>& thrower) {
    try {
        thrower();
    } catch (...) {
        return CurrentErrorText();
    }
    return "nothing thrown";
}

TEST(ErrorFunnel, EveryKindOfThrowHasAText) {
    EXPECT_EQ(TextOf([] { RaiseIoError(IoDiskFull); }), "Disk full");
    EXPECT_EQ(TextOf([] { throw std::bad_alloc(); }), "Out of memory");
    EXPECT_EQ(TextOf([] { throw 42; }), "Unexpected error");
}

// A box whose own message loop runs another failing handler, as a paint inside it would.
class ReenteringInteraction : public testing::ScriptedInteraction {
public:
    int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                    std::uint32_t flags) override {
        const int answer = ScriptedInteraction::ShowMessage(owner, text, caption, flags);
        if (nested-- > 0) {
            ShowError(owner, "Read beyond end of file");
        }
        return answer;
    }
    int nested = 1;
};

TEST(ErrorFunnel, ShowsOneBoxAtATimeAndTheNextAfterItCloses) {
    ReenteringInteraction ui;
    ui.ShowError(7, "File access denied");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "File access denied.");
    EXPECT_EQ(ui.Messages[0].Caption, "Tundeck");
    EXPECT_EQ(ui.Messages[0].Flags, MessageOk | MessageIconStop);

    ui.ShowError(7, "Disk full");
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Text, "Disk full.");
}

} // namespace
} // namespace tundeck
