#include "metrics/MetricsText.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LogTestFiles.h"
#include "metrics/MetricsRecorder.h"

namespace cdx {
namespace {

// One sample as a scraper reads it: label values unescaped.
struct Sample {
    std::string name;
    std::map<std::string, std::string> labels;
    std::string value;
};

// A strict reader of the text format: fails the test on any line a scraper
// would refuse, a sample before its family's TYPE line, a family described
// twice or a series given twice.
struct Exposition {
    std::vector<Sample> samples;
    std::map<std::string, std::string> types;

    std::optional<std::string> value(const std::string& name, const std::map<std::string, std::string>& labels) const
    {
        for (const Sample& s : samples) {
            if (s.name == name && s.labels == labels) {
                return s.value;
            }
        }
        return std::nullopt;
    }
    std::size_t count(const std::string& name) const
    {
        std::size_t n = 0;
        for (const Sample& s : samples) {
            n += s.name == name ? 1 : 0;
        }
        return n;
    }
};

Exposition parse(const std::string& text)
{
    static const std::regex comment(R"(# (HELP|TYPE) ([a-zA-Z_:][a-zA-Z0-9_:]*)(?: (.*))?)");
    static const std::regex sample(
        R"(([a-zA-Z_:][a-zA-Z0-9_:]*)(?:\{(.*)\})? ([-+]?([0-9]*\.?[0-9]+([eE][-+]?[0-9]+)?|Inf|NaN)))");
    static const std::regex label(R"re(([a-zA-Z_][a-zA-Z0-9_]*)="((?:[^"\\]|\\[\\"n])*)"(?:,|$))re");
    Exposition e;
    std::set<std::string> helped;
    std::set<std::string> series;
    EXPECT_TRUE(text.empty() || text.back() == '\n') << "the text must end with a line feed";
    std::istringstream in(text);
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, comment)) {
            const std::string name = m[2];
            if (m[1] == "HELP") {
                EXPECT_TRUE(helped.insert(name).second) << "HELP given twice: " << line;
            } else {
                EXPECT_TRUE(m[3] == "gauge" || m[3] == "counter") << line;
                EXPECT_TRUE(e.types.emplace(name, m[3]).second) << "TYPE given twice: " << line;
                EXPECT_EQ(e.count(name), 0u) << "TYPE after samples: " << line;
            }
            continue;
        }
        if (!std::regex_match(line, m, sample)) {
            ADD_FAILURE() << "stray line: " << line;
            continue;
        }
        Sample s{m[1], {}, m[3]};
        const std::string labels = m[2];
        std::size_t at = 0; // every character of the label set belongs to one label
        for (std::sregex_iterator i(labels.begin(), labels.end(), label), end; i != end; ++i) {
            EXPECT_EQ(static_cast<std::size_t>(i->position()), at) << "bad label in " << line;
            at = static_cast<std::size_t>(i->position() + i->length());
            const std::string escaped = (*i)[2];
            std::string value;
            for (std::size_t k = 0; k < escaped.size(); ++k) {
                value += escaped[k] == '\\' && escaped[++k] == 'n' ? '\n' : escaped[k];
            }
            EXPECT_TRUE(s.labels.emplace((*i)[1], value).second) << line;
        }
        EXPECT_EQ(at, labels.size()) << "bad label in " << line;
        EXPECT_EQ(e.types.count(s.name), 1u) << "sample without TYPE: " << line;
        EXPECT_EQ(helped.count(s.name), 1u) << "sample without HELP: " << line;
        std::ostringstream id;
        id << s.name;
        for (const auto& [k, v] : s.labels) {
            id << '|' << k << '=' << v;
        }
        EXPECT_TRUE(series.insert(id.str()).second) << "series given twice: " << line;
        e.samples.push_back(std::move(s));
    }
    return e;
}

// What `promtool check metrics` says of the text: nullopt where promtool is
// not installed.
std::optional<std::string> promtoolVerdict(const std::string& text)
{
    if (std::system("command -v promtool >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    test::TempFolder folder;
    const std::string input = folder.file("metrics.prom");
    const std::string output = folder.file("promtool.out");
    std::FILE* f = std::fopen(input.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    const int status = std::system(("promtool check metrics <'" + input + "' >'" + output + "' 2>&1").c_str());
    return "status " + std::to_string(status) + ": " + test::readFile(output);
}

// The strict reading of the text, checked by promtool as well where it is installed.
Exposition parseChecked(const std::string& text)
{
    if (const auto verdict = promtoolVerdict(text)) {
        EXPECT_EQ(*verdict, "status 0: ") << text;
    }
    return parse(text);
}

MetricsSnapshot fullSnapshot()
{
    MetricsSnapshot s;
    s.version = "0.1.0";
    s.temperatures = {
        {"wb1", "Motherboard", 41.0, 50.0, true, {39.0, 45.5, 41.25}},
        {"lm75", "CPU LM75", 55.5, 70.0, false, {}},
    };
    s.voltages = {{"core", 1.65, true, {1.6, 1.7, 1.65}, true}, {"+12", 12.34, false, {}, false}};
    s.fans = {{"1", "Fan 1", 2500.0, 2400.0, 10.0, true, {2400.0, 2600.0, 2500.0}},
              {"2", "Fan 2", std::nullopt, 0.0, 10.0, false, {}}};
    s.voltageTolerancePercent = 10.0;
    s.polls = 7;
    s.alarms = {2, 1, 0};
    s.suspended = false;
    return s;
}

TEST(MetricsTextTest, EveryFamilyCarriesItsReadingsUnderStableLabels)
{
    const Exposition e = parseChecked(metricsText(fullSnapshot()));
    using L = std::map<std::string, std::string>;
    EXPECT_EQ(e.value("caldrix_build_info", L{{"version", "0.1.0"}}), "1");
    EXPECT_EQ(e.value("caldrix_temperature_celsius", L{{"sensor", "wb1"}, {"name", "Motherboard"}}), "41");
    EXPECT_EQ(e.value("caldrix_temperature_celsius", L{{"sensor", "lm75"}, {"name", "CPU LM75"}}), "55.5");
    EXPECT_EQ(e.value("caldrix_temperature_alarm_celsius", L{{"sensor", "wb1"}, {"name", "Motherboard"}}), "50");
    EXPECT_EQ(e.count("caldrix_temperature_alarm_celsius"), 1u) << "the LM75 alarm is off";
    EXPECT_EQ(e.value("caldrix_temperature_average_celsius", L{{"sensor", "wb1"}, {"name", "Motherboard"}}), "41.25");
    EXPECT_EQ(e.value("caldrix_voltage_volts", L{{"rail", "core"}}), "1.65");
    EXPECT_EQ(e.value("caldrix_voltage_in_band", L{{"rail", "+12"}}), "0");
    EXPECT_EQ(e.value("caldrix_voltage_in_band", L{{"rail", "core"}}), "1");
    EXPECT_EQ(e.value("caldrix_voltage_tolerance_percent", L{}), "10");
    EXPECT_EQ(e.value("caldrix_voltage_alarm_enabled", L{{"rail", "core"}}), "1");
    EXPECT_EQ(e.value("caldrix_voltage_alarm_enabled", L{{"rail", "+12"}}), "0");
    EXPECT_EQ(e.value("caldrix_fan_rpm", L{{"fan", "1"}, {"name", "Fan 1"}}), "2500");
    EXPECT_EQ(e.value("caldrix_fan_expected_rpm", L{{"fan", "1"}, {"name", "Fan 1"}}), "2400");
    EXPECT_EQ(e.value("caldrix_polls_total", L{}), "7");
    EXPECT_EQ(e.value("caldrix_alarms_total", L{{"kind", "temperature"}}), "2");
    EXPECT_EQ(e.value("caldrix_alarms_total", L{{"kind", "fan"}}), "0");
    EXPECT_EQ(e.value("caldrix_suspended", L{}), "0");
    EXPECT_EQ(e.types.at("caldrix_polls_total"), "counter");
    EXPECT_EQ(e.types.at("caldrix_alarms_total"), "counter");
    EXPECT_EQ(e.types.at("caldrix_temperature_celsius"), "gauge");
}

TEST(MetricsTextTest, NamesWithQuotesBackslashesAndLineBreaksSurviveAsLabelValues)
{
    MetricsSnapshot s = fullSnapshot();
    const std::string awkward = "C:\\temp \"hot\"\nsecond line °";
    s.temperatures[0].name = awkward;
    s.fans[0].name = "\\\"";
    const std::string text = metricsText(s);
    EXPECT_EQ(text.find("°\n"), std::string::npos) << "a line break inside a name must not end the line";
    const Exposition e = parseChecked(text);
    EXPECT_EQ(e.value("caldrix_temperature_celsius", {{"sensor", "wb1"}, {"name", awkward}}), "41");
    EXPECT_EQ(e.value("caldrix_fan_rpm", {{"fan", "1"}, {"name", "\\\""}}), "2500");
    EXPECT_EQ(escapeLabelValue("a\\b\"c\nd"), "a\\\\b\\\"c\\nd");
}

TEST(MetricsTextTest, AbsentReadingsAndEmptyFamiliesAreLeftOut)
{
    MetricsSnapshot s = fullSnapshot();
    s.temperatures[1].celsius.reset();
    s.voltages[1].volts.reset();
    Exposition e = parse(metricsText(s));
    EXPECT_EQ(e.count("caldrix_temperature_celsius"), 1u);
    EXPECT_EQ(e.count("caldrix_voltage_volts"), 1u);
    EXPECT_EQ(e.count("caldrix_voltage_in_band"), 1u) << "no band without a value";
    EXPECT_EQ(e.count("caldrix_fan_rpm"), 1u) << "fan 2 is not available";
    EXPECT_EQ(e.count("caldrix_fan_lowest_rpm"), 1u);

    // With no sensor switched on and no chip, only the program's own figures.
    MetricsSnapshot bare;
    bare.version = "0.1.0";
    const std::string text = metricsText(bare);
    e = parseChecked(text);
    EXPECT_EQ(text.find("caldrix_temperature"), std::string::npos);
    EXPECT_EQ(text.find("caldrix_fan"), std::string::npos);
    EXPECT_EQ(e.value("caldrix_polls_total", {}), "0");
}

TEST(MetricsTextTest, NumbersKeepFullPrecisionAndTheirPoint)
{
    MetricsSnapshot s;
    s.voltages = {{"-12", -11.96, true, {}}, {"+3.3", 3.3000000000000003, true, {}}};
    const Exposition e = parse(metricsText(s));
    EXPECT_EQ(e.value("caldrix_voltage_volts", {{"rail", "-12"}}), "-11.96");
    EXPECT_EQ(std::stod(*e.value("caldrix_voltage_volts", {{"rail", "+3.3"}})), 3.3000000000000003);
}

TEST(MetricsRecorderTest, CountersOnlyRiseAndAveragesRestartWithTheStatistics)
{
    MetricsRecorder recorder;
    std::uint64_t lastPolls = 0;
    std::uint64_t lastAlarms = 0;
    std::int32_t taken = 0;
    for (int poll = 0; poll < 50; ++poll) {
        recorder.countPoll();
        if (poll % 3 == 0) {
            recorder.countAlarm(AlarmKind::Fan);
        }
        // The user resets the statistics every tenth poll.
        taken = poll % 10 == 0 ? 1 : taken + 1;
        recorder.averageCelsius(0, 40.0, taken);
        MetricsSnapshot s;
        recorder.stamp(s);
        const Exposition e = parse(metricsText(s));
        const auto polls = std::stoull(*e.value("caldrix_polls_total", {}));
        const auto alarms = std::stoull(*e.value("caldrix_alarms_total", {{"kind", "fan"}}));
        EXPECT_GT(polls, lastPolls);
        EXPECT_GE(alarms, lastAlarms);
        lastPolls = polls;
        lastAlarms = alarms;
    }
    EXPECT_EQ(lastPolls, 50u);
    EXPECT_EQ(lastAlarms, 17u);

    // Temperature averages are Celsius and restart with the statistics.
    MetricsRecorder averages;
    EXPECT_EQ(averages.averageCelsius(1, std::nullopt, 0), std::nullopt);
    EXPECT_EQ(averages.averageCelsius(1, 40.0, 1), 40.0);
    EXPECT_EQ(averages.averageCelsius(1, 50.0, 2), 45.0);
    // Not taken this poll (the count stood still): the value does not count.
    EXPECT_EQ(averages.averageCelsius(1, 90.0, 2), 45.0);
    // The statistics were reset and took one value since.
    EXPECT_EQ(averages.averageCelsius(1, 30.0, 1), 30.0);
    EXPECT_EQ(averages.averageCelsius(1, 30.0, 0), std::nullopt);
    EXPECT_EQ(averages.averageCelsius(7, 30.0, 1), std::nullopt);
}

} // namespace
} // namespace cdx
