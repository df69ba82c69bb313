#pragma once

#include <optional>
#include <string>

#include "sensors/CpuType.h"

namespace cdx {

// What the first-run settings dialog shows.
struct StartupQuestions {
    bool chipDetected = true; // without a chip the core voltage questions are hidden
    bool askCpuType = true;   // false where the CPU sensor reports the true temperature
    double coreVoltage = 2.8; // the spin's start value
    // The two ports' readings, shown in their captions; nothing where the
    // driver has no such input.
    std::optional<double> port0Volts;
    std::optional<double> port1Volts;
    std::string decimalSeparator = ".";
};

// What the user chose there.
struct StartupChoices {
    double coreVoltage = 2.8;
    bool port1 = false;
    CpuType cpuType = CpuType::Intel;
};

// The four dialogs of a first start, each modal.
class FirstRunDialogs {
public:
    virtual ~FirstRunDialogs() = default;

    // "Startup Info"; returns when the user pressed OK.
    virtual void showStartupInfo() = 0;
    // "Caldrix Agreement": true for "I Agree", false for "I Don't Agree" (or
    // when the dialog was closed without an answer).
    virtual bool askAgreement() = 0;
    // "Caldrix Startup Settings"; returns the answers when OK was pressed.
    virtual StartupChoices askStartupSettings(const StartupQuestions& questions) = 0;
    // "1st Time Information" with the text for the detected chip.
    virtual void showFirstTimeInformation(const std::string& chipText) = 0;
};

} // namespace cdx
