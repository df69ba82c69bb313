#include <string>
#include <vector>

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

#include "ui/AboutDialog.h"
#include "ui/AgreementDialog.h"
#include "ui/FirstRunInfoDialog.h"
#include "ui/SplashWindow.h"
#include "ui/StartupInfoDialog.h"
#include "ui/StartupSettingsDialog.h"
#include "ui/UninstallDialog.h"

namespace cdx {
namespace {

// Every text a window shows, in the order its controls were made: labels,
// buttons and group captions. Pictures and empty labels are left out.
std::vector<std::string> shownTexts(const QWidget& window)
{
    std::vector<std::string> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            text = group->title();
        }
        if (!text.isEmpty()) {
            texts.push_back(text.toStdString());
        }
    }
    return texts;
}

using Texts = std::vector<std::string>;

TEST(WindowTextsTest, FirstRunWindowsCarryTheirTitleVersionAndWholeTexts)
{
    StartupInfoDialog startupInfo;
    EXPECT_EQ(startupInfo.windowTitle(), "Startup Info");
    EXPECT_EQ(shownTexts(startupInfo),
              (Texts{"Caldrix", "Version 3.72",
                     "This program will try to access the LM78/LM79/WinBond W83781D5 and LM75 on your motherboard, "
                     "there is no guarantee that this program will succeed in this, there can be several reason it "
                     "may not, most common reasons is ",
                     "that you don't have these Chips installed or they are not at their default location, if this "
                     "is the case you will get some bogus readings from the program.",
                     "I am constantly working on trying to get the program to operate on more motherboards, but "
                     "manufactures keep a close lid on any info about their monitoring hardware so any info you might "
                     "know will be appreciated. ",
                     "OK"}));

    AgreementDialog agreement;
    EXPECT_EQ(agreement.windowTitle(), "Caldrix Agreement");
    EXPECT_EQ(shownTexts(agreement),
              (Texts{"Caldrix", "Version 3.72",
                     "LIABILITY: This program is provided -AS IS- and is USED AT YOUR OWN RISK. Any values you get "
                     "from this program are not necessarily 100% correct and you should therefore always check them "
                     "with the values in your BIOS.  THE BIOS IS ALWAYS RIGHT!",
                     "Any Damage that this program may cause to your PC is something I can not be held responsible "
                     "for.",
                     "I Agree", "I Don't Agree"}));

    StartupQuestions questions;
    questions.port0Volts = 1.7;
    questions.port1Volts = 2.85;
    questions.decimalSeparator = ",";
    StartupSettingsDialog settings(questions);
    EXPECT_EQ(settings.windowTitle(), "Caldrix Startup Settings");
    EXPECT_EQ(shownTexts(settings),
              (Texts{"Caldrix", "Version 3.72", "Core Voltage Questions",
                     "To make sure this program runs correctly you need to set 2 properties. ",
                     "1- use the up and down buttons to set your CPU Core Voltage according to you Motherboard, CPU "
                     "& BIOS. ",
                     "2 - check the Port which is closest to your Core Voltage. ", "Core Voltage: 2,8Volt",
                     "Port 0: 1,70Volt", "Port 1: 2,85Volt", "CPU Type Questions (for LM75)",
                     "To make sure this program runs correclty you need to select your CPU type. If the program is "
                     "still a bit off compared to your Bios you can adjust custom compensation in the compensation "
                     "tab",
                     "Intel", "AMD", "Cyrix", "OK"}));

    FirstRunInfoDialog firstTime(
        "Caldrix has not detected the LM78 or the Winbond W83781D chip on your PC, it is recomended that you try all "
        "the sensors but if they do not work to uninstall the program unsing the uninstall option in the popup menu.");
    EXPECT_EQ(firstTime.windowTitle(), "1st Time Information");
    EXPECT_EQ(shownTexts(firstTime),
              (Texts{"Caldrix", "Version 3.72",
                     "The program will now go straight to your System Tray and display the Motherboard Temperature.  "
                     "If you right click on the icon you will get a menu.  Select Show & Expand to customize the "
                     "program to your personal needs.",
                     "Caldrix has not detected the LM78 or the Winbond W83781D chip on your PC, it is recomended that "
                     "you try all the sensors but if they do not work to uninstall the program unsing the uninstall "
                     "option in the popup menu.",
                     "OK"}));
}

TEST(WindowTextsTest, AboutAndUninstallWindowsShowTheirWholeContents)
{
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About Caldrix");
    EXPECT_EQ(shownTexts(about), (Texts{"Caldrix", "Version 3.72", "Close"}));

    UninstallDialog uninstall([](Uninstaller::Progress&) {});
    EXPECT_EQ(uninstall.windowTitle(), "Un-installing Caldrix");
    EXPECT_EQ(shownTexts(uninstall), (Texts{"Caldrix", "Version 3.72", "Removing Custom Settings from Registry",
                                            "Removing  Autorun from Registry", "Removing Log file",
                                            "Launching Uninstall Shield", "Cancel", "Un-install"}));
}

TEST(WindowTextsTest, TheSplashShowsTheVersionOnBlackWithoutAFrameCentredAtOnce)
{
    SplashWindow splash;
    splash.showNow();
    EXPECT_TRUE(splash.isVisible()) << "shown before any event loop runs";
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(shownTexts(splash), (Texts{"3.72"}));
    EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
}

} // namespace
} // namespace cdx
