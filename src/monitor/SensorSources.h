#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sensors/SensorInput.h"
#include "sensors/SensorSlot.h"
#include "sensors/VoltageBand.h"

namespace cdx {

class PollCycle;
class SensorDriver;
struct Settings;

// The user's choice of input for each slot ("Source <slot>" rows): hands it
// to the driver, tells once when a chosen input goes away, and lists what the
// driver reports for the Sources page and `caldrix --sensors`.
class SensorSources {
public:
    using Notice = std::function<void(const std::string&)>;

    SensorSources(Settings& settings, SensorDriver& driver, PollCycle& poll, Notice notice);

    // Binds every slot as the settings say; the poll takes the fan divisors
    // the driver reports from then on.
    void apply();
    // Hands every slot's stored choice to the driver.
    static void bindAll(SensorDriver& driver, const Settings& settings);
    // The user chose `source` for `slot` ("" automatic): stored and applied,
    // so the next poll reads it.
    void choose(SensorSlot slot, const std::string& source);
    // After each poll: one notice for a chosen input that is no longer
    // reported, and another only after it came back and went again.
    void afterPoll();
    // Called at the end of each afterPoll (the Sources page's live values).
    void setPolledListener(std::function<void()> listener) { m_polled = std::move(listener); }

    // The one message for a chosen input that is not reported.
    static std::string goneNotice(SensorSlot slot, const std::string& source);

    std::vector<SensorInput> inputs() const;
    const Settings& settings() const { return m_settings; }

    // The Voltages page's line on how the core voltage is checked: by the
    // chip's limits where it reports them, not at all by default where the
    // processor scales its voltage, else empty (nominal +- margin).
    static std::string coreVoltageNote(bool processorScales, const std::optional<VoltageBand>& limits,
                                       const std::string& decimalSeparator);
    // The note for the core reading the settings choose, from what the driver reports now.
    std::string coreVoltageNote(bool processorScales, const std::string& decimalSeparator) const;
    // `caldrix --sensors`: one input a line, "<chip>/<feature>", its label,
    // its value with its unit and the slots it feeds now ("-" for none),
    // separated by tabs.
    static std::string listing(const std::vector<SensorInput>& inputs);
    // "Fan 1", "Core": the slots a reading feeds, in words.
    static std::string slotsFed(const SensorInput& input);
    // "38.5 °C", "1.250 V", "1200 RPM".
    static std::string valueText(const SensorInput& input, const std::string& decimalSeparator = ".");

private:
    Settings& m_settings;
    SensorDriver& m_driver;
    PollCycle& m_poll;
    Notice m_notice;
    std::function<void()> m_polled;
    std::array<bool, SensorSlotCount> m_gone{};
};

} // namespace cdx
