#include "lifecycle/ExitQuestion.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "lifecycle/ProgramExit.h"
#include "lifecycle/SingleInstance.h"
#include "platform/WindowMessages.h"
#include "platform/fake/FakeLocalMessaging.h"

namespace cdx {
namespace {

using Origin = ExitQuestion::Origin;

TEST(ExitQuestionTest, TheExitItemAsksWithoutMinimizeAndSwitchingOffDisarmsForGood)
{
    ExitQuestion question;
    std::vector<ExitButtonLayout> asked;
    auto ask = [&](const ExitButtonLayout& layout) {
        asked.push_back(layout);
        return ExitAnswer::No;
    };
    question.closeQuery(true, Origin::ExitItem, ask);
    question.closeQuery(true, Origin::CloseBox, ask);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], (ExitButtonLayout{60, 140, 500}));
    EXPECT_GE(asked[0].minimizeLeft, ExitButtonLayout::kDialogWidth) << "out of sight";
    EXPECT_FALSE(asked[0].focusOnMinimize());
    EXPECT_EQ(asked[1], (ExitButtonLayout{20, 100, 180}));
    EXPECT_TRUE(asked[1].focusOnMinimize());

    // Disarmed for good by switching it off or by a session end.
    int questions = 0;
    auto askNo = [&](const ExitButtonLayout&) {
        ++questions;
        return ExitAnswer::No;
    };
    ExitQuestion switchedOff;
    EXPECT_TRUE(switchedOff.closeQuery(false, Origin::ExitItem, askNo).canClose);
    // Switched back on later, it stays quiet: it never arms again.
    EXPECT_TRUE(switchedOff.closeQuery(true, Origin::CloseBox, askNo).canClose);
    EXPECT_EQ(questions, 0);

    ExitQuestion sessionEnd;
    sessionEnd.sessionEnding();
    EXPECT_TRUE(sessionEnd.closeQuery(true, Origin::ExitItem, askNo).canClose);
    EXPECT_EQ(questions, 0);
}

// The program's ends, recorded.
struct ExitHarness {
    bool questionEnabled = true;
    bool saves = true;
    std::vector<ExitAnswer> answers;
    std::vector<ExitButtonLayout> asked;
    int saved = 0;
    int hidden = 0;
    int quits = 0;
    ProgramExit exit{ProgramExit::Actions{
        .questionEnabled = [this] { return questionEnabled; },
        .ask =
            [this](const ExitButtonLayout& layout) {
                asked.push_back(layout);
                const ExitAnswer answer = answers.empty() ? ExitAnswer::None : answers.front();
                if (!answers.empty()) {
                    answers.erase(answers.begin());
                }
                return answer;
            },
        .save =
            [this] {
                ++saved;
                return saves;
            },
        .hideToTray = [this] { ++hidden; },
        .quit = [this] { ++quits; },
    }};
};

TEST(ProgramExitTest, ExitEndsOnlyAfterYesAndASave)
{
    ExitHarness h;
    h.answers = {ExitAnswer::No, ExitAnswer::Minimize, ExitAnswer::None, ExitAnswer::Yes};
    h.exit.exitItem();
    h.exit.closeBox();
    h.exit.closeBox();
    EXPECT_EQ(h.quits, 0);
    EXPECT_EQ(h.saved, 0) << "a refused close saves nothing";
    EXPECT_EQ(h.hidden, 1) << "Minimize hides to the tray";
    EXPECT_TRUE(h.exit.question().armed()) << "an answer leaves the question armed";
    EXPECT_EQ(h.asked[0], ExitButtonLayout::fromExitItem());
    EXPECT_EQ(h.asked[1], ExitButtonLayout::fromCloseBox());

    h.saves = false;
    h.exit.exitItem();
    EXPECT_EQ(h.saved, 1);
    EXPECT_EQ(h.quits, 0) << "settings that cannot be saved keep the program running";
    EXPECT_FALSE(h.exit.saved());

    h.saves = true;
    h.questionEnabled = false;
    h.exit.exitItem();
    EXPECT_EQ(h.asked.size(), 4u) << "switched off, nothing is asked";
    EXPECT_EQ(h.quits, 1);
    EXPECT_TRUE(h.exit.saved());
}

TEST(ProgramExitTest, ASessionEndWhileArmedAsksNothingAndSaves)
{
    ExitHarness h;
    h.exit.sessionEnd();
    EXPECT_TRUE(h.asked.empty());
    EXPECT_EQ(h.saved, 1);
    EXPECT_EQ(h.quits, 1);
    EXPECT_FALSE(h.exit.question().armed());
    // A close that follows (the window's own close at the end) asks nothing
    // and does not end twice.
    h.exit.closeBox();
    EXPECT_TRUE(h.asked.empty());
    EXPECT_EQ(h.quits, 1);

    // Failing to save does not hold a session end up.
    ExitHarness failing;
    failing.saves = false;
    failing.exit.sessionEnd();
    EXPECT_EQ(failing.quits, 1);
    EXPECT_FALSE(failing.exit.saved());
}

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToComeForwardAndAnUntrustedFolderRefusesIt)
{
    FakeLocalMessaging bus;
    std::ostringstream notices;
    std::vector<LocalMessage> firstReceived;
    SingleInstance first(bus, notices);
    EXPECT_FALSE(first.isAlreadyRunning("Caldrix", [&](const LocalMessage& m) { firstReceived.push_back(m); }));
    EXPECT_TRUE(first.holdsName());

    SingleInstance second(bus, notices);
    EXPECT_TRUE(second.isAlreadyRunning("Caldrix", {}));
    EXPECT_FALSE(second.holdsName());
    ASSERT_EQ(firstReceived.size(), 1u);
    EXPECT_EQ(firstReceived[0].message, WindowMessages::BringForward);
    EXPECT_TRUE(notices.str().empty());

    // An untrusted runtime folder refuses the start instead of running a second instance.
    FakeLocalMessaging untrusted;
    untrusted.failClaims("/run/user/1000/caldrix belongs to another user; it is not used");
    std::ostringstream refusals;
    SingleInstance instance(untrusted, refusals);
    EXPECT_TRUE(instance.isAlreadyRunning("Caldrix", {}));
    EXPECT_FALSE(instance.holdsName());
    EXPECT_NE(instance.refusal().find("belongs to another user"), std::string::npos) << instance.refusal();
    EXPECT_NE(refusals.str().find("does not start"), std::string::npos) << refusals.str();
    EXPECT_TRUE(untrusted.sent().empty()) << "nothing is sent through a folder that is not trusted";
}

} // namespace
} // namespace cdx
