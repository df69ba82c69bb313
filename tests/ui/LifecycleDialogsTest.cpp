#include <sstream>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "lifecycle/FirstRunSequence.h"
#include "lifecycle/ProgramExit.h"
#include "settings/Settings.h"
#include "ui/ExitQuestionDialog.h"
#include "ui/FirstRunInfoDialog.h"
#include "ui/FirstRunWindows.h"
#include "ui/StartupSettingsDialog.h"
#include "ui/UninstallDialog.h"

namespace cdx {
namespace {

template <typename T> T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Asks the exit question and, from inside its loop, records what is shown
// and then runs `answer`.
struct AskedQuestion {
    ExitAnswer answer = ExitAnswer::None;
    bool minimizeVisible = false;
    QString focus;
};

AskedQuestion ask(ExitQuestionDialog& dialog, const ExitButtonLayout& layout,
                  const std::function<void(ExitQuestionDialog&)>& answer)
{
    AskedQuestion seen;
    QTimer::singleShot(50, &dialog, [&] {
        seen.minimizeVisible = dialog.minimizeButton()->isVisible();
        seen.focus = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        answer(dialog);
    });
    seen.answer = dialog.ask(layout);
    return seen;
}

TEST(ExitQuestionDialogTest, ButtonsFocusAndAnswersByWhereTheQuestionCameFrom)
{
    ExitQuestionDialog dialog;
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), "Are you sure you want to Exit the Program ?");

    const AskedQuestion fromMenu =
        ask(dialog, ExitButtonLayout::fromExitItem(), [](ExitQuestionDialog& d) { d.noButton()->click(); });
    EXPECT_EQ(fromMenu.answer, ExitAnswer::No);
    EXPECT_FALSE(fromMenu.minimizeVisible);
    EXPECT_EQ(fromMenu.focus, "Button2") << "No has the focus";

    const AskedQuestion fromClose =
        ask(dialog, ExitButtonLayout::fromCloseBox(), [](ExitQuestionDialog& d) { d.minimizeButton()->click(); });
    EXPECT_EQ(fromClose.answer, ExitAnswer::Minimize);
    EXPECT_TRUE(fromClose.minimizeVisible);
    EXPECT_EQ(fromClose.focus, "Button3") << "Minimize has the focus";

    // Closed by its own close box: no answer, which keeps the program running.
    const AskedQuestion closed =
        ask(dialog, ExitButtonLayout::fromCloseBox(), [](ExitQuestionDialog& d) { d.close(); });
    EXPECT_EQ(closed.answer, ExitAnswer::None);
    const AskedQuestion yes =
        ask(dialog, ExitButtonLayout::fromExitItem(), [](ExitQuestionDialog& d) { d.yesButton()->click(); });
    EXPECT_EQ(yes.answer, ExitAnswer::Yes);
}

TEST(ExitQuestionDialogTest, TheProgramEndsOnlyOnYes)
{
    ExitQuestionDialog dialog;
    int quits = 0;
    int hidden = 0;
    std::function<void(ExitQuestionDialog&)> answer;
    ProgramExit exit(ProgramExit::Actions{
        .questionEnabled = [] { return true; },
        .ask = [&](const ExitButtonLayout& layout) { return ask(dialog, layout, answer).answer; },
        .save = [] { return true; },
        .hideToTray = [&] { ++hidden; },
        .quit = [&] { ++quits; },
    });
    answer = [](ExitQuestionDialog& d) { d.close(); };
    exit.closeBox();
    answer = [](ExitQuestionDialog& d) { d.minimizeButton()->click(); };
    exit.closeBox();
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(hidden, 1);
    answer = [](ExitQuestionDialog& d) { d.yesButton()->click(); };
    exit.exitItem();
    EXPECT_EQ(quits, 1);
}

TEST(FirstRunWindowsTest, AnsweredThroughTheDialogs)
{
    std::ostringstream notices;
    FirstRunWindows windows(false, notices);
    std::vector<QString> shown;
    bool agree = false;
    QString chipText;
    windows.setModalRunner([&](QDialog& dialog) {
        shown.push_back(dialog.objectName());
        if (dialog.objectName() == "TForm3") {
            child<QPushButton>(dialog, agree ? "Button1" : "Button2")->click();
            return dialog.result();
        }
        if (dialog.objectName() == "TForm2") {
            auto& settings = static_cast<StartupSettingsDialog&>(dialog);
            EXPECT_EQ(child<QRadioButton>(dialog, "RadioButton1")->text(), "Port 0: 1.65Volt");
            EXPECT_EQ(child<QRadioButton>(dialog, "RadioButton2")->text(), "Port 1: 2.02Volt");
            EXPECT_EQ(child<QLabel>(dialog, "Label4")->text(), "Core Voltage: 1.7Volt");
            child<QToolButton>(dialog, "SpinButton1Up")->click();
            settings.stepUp();
            EXPECT_EQ(child<QLabel>(dialog, "Label4")->text(), "Core Voltage: 1.9Volt");
            child<QRadioButton>(dialog, "RadioButton2")->setChecked(true);
            child<QRadioButton>(dialog, "RadioButton4")->setChecked(true);
        }
        if (dialog.objectName() == "TForm6") {
            chipText = static_cast<FirstRunInfoDialog&>(dialog).chipText();
        }
        dialog.accept();
        return dialog.result();
    });
    StartupQuestions questions;
    questions.coreVoltage = 1.7;
    questions.port0Volts = 1.654;
    questions.port1Volts = 2.02;

    Settings settings;
    EXPECT_EQ(FirstRunSequence::run(windows, questions, 45, settings), FirstRunSequence::Outcome::Refused);
    EXPECT_EQ(shown, (std::vector<QString>{"TForm9", "TForm3"}));

    agree = true;
    shown.clear();
    EXPECT_EQ(FirstRunSequence::run(windows, questions, 45, settings), FirstRunSequence::Outcome::Agreed);
    EXPECT_EQ(shown, (std::vector<QString>{"TForm9", "TForm3", "TForm2", "TForm6"}));
    EXPECT_DOUBLE_EQ(settings.coreVoltageNominal, 1.9);
    EXPECT_TRUE(settings.coreVoltagePort1);
    EXPECT_EQ(settings.cpuOffset, AmdCpuOffset);
    EXPECT_EQ(chipText.toStdString(), FirstRunSequence::chipText(45));
    EXPECT_TRUE(notices.str().empty());
}

TEST(FirstRunWindowsTest, WithoutADisplayTheDefaultsAreTaken)
{
    std::ostringstream notices;
    FirstRunWindows windows(true, notices);
    windows.setModalRunner([](QDialog&) -> int {
        ADD_FAILURE() << "no dialog may wait for an answer without a display";
        return QDialog::Rejected;
    });
    Settings settings;
    StartupQuestions questions;
    questions.coreVoltage = 1.2;
    EXPECT_EQ(FirstRunSequence::run(windows, questions, 0, settings), FirstRunSequence::Outcome::Agreed);
    EXPECT_DOUBLE_EQ(settings.coreVoltageNominal, 1.2);
    EXPECT_EQ(settings.cpuOffset, IntelCpuOffset);
    EXPECT_NE(notices.str().find("I Agree"), std::string::npos);
    EXPECT_NE(notices.str().find("has not detected"), std::string::npos);
}

TEST(StartupSettingsDialogTest, QuestionsThatDoNotApplyAreHidden)
{
    StartupQuestions questions;
    questions.chipDetected = false;
    questions.askCpuType = false;
    StartupSettingsDialog dialog(questions);
    EXPECT_TRUE(child<QWidget>(dialog, "GroupBox1")->isHidden());
    EXPECT_TRUE(child<QWidget>(dialog, "GroupBox2")->isHidden());
}

TEST(UninstallDialogTest, StepsAreCheckedOffAndCancelRemovesNothing)
{
    int runs = 0;
    std::vector<bool> checkedAtPause;
    UninstallDialog* current = nullptr;
    auto steps = [&](Uninstaller::Progress& progress) {
        ++runs;
        for (auto step : {Uninstaller::Step::Settings, Uninstaller::Step::Autorun, Uninstaller::Step::LogFiles,
                          Uninstaller::Step::Launch}) {
            EXPECT_FALSE(current->stepChecked(step));
            progress.stepDone(step);
            progress.pause(1000);
            checkedAtPause.push_back(current->stepChecked(step));
        }
    };

    UninstallDialog cancelled(steps);
    current = &cancelled;
    QTimer::singleShot(50, &cancelled, [&] { child<QPushButton>(cancelled, "SpeedButton1")->click(); });
    EXPECT_EQ(cancelled.exec(), QDialog::Rejected);
    EXPECT_EQ(runs, 0);

    UninstallDialog confirmed(steps);
    current = &confirmed;
    std::vector<int> pauses;
    confirmed.setPause([&](int ms) { pauses.push_back(ms); });
    QPushButton* cancel = child<QPushButton>(confirmed, "SpeedButton1");
    QPushButton* uninstall = child<QPushButton>(confirmed, "SpeedButton2");
    QTimer::singleShot(50, &confirmed, [&] { uninstall->click(); });
    EXPECT_EQ(confirmed.exec(), QDialog::Accepted);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(checkedAtPause, std::vector<bool>(4, true));
    EXPECT_EQ(pauses, std::vector<int>(4, 1000));
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_FALSE(uninstall->isEnabled());
}

} // namespace
} // namespace cdx
