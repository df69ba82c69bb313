#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "../core/PollHarness.h"
#include "TemporaryDirectory.h"
#include "logs/IntervalLogEntry.h"
#include "monitor/LogSnapshots.h"
#include "sensors/CoreVoltageStart.h"
#include "sensors/DriverReading.h"
#include "sensors/VoltageBand.h"

namespace fs = std::filesystem;
using namespace cdx;

// The libsensors driver on fabricated machines, read by the real library: a
// user and mount namespace mounts a tmpfs over /sys/class holding the chips'
// files (libsensors refuses a /sys that is not sysfs, so /sys itself stays),
// puts the machine's sensors3.conf over /etc/sensors3.conf and an empty
// /etc/sensors.d (with the user's file, if any) in place, and the driver probe
// prints the driver the program would choose and every reading with its
// source. The readings then go through one poll, as the window and the
// interval log would show them.

namespace {

fs::path buildDirectory()
{
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

int run(const std::string& command, std::string& output)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const char* NamespaceScript = R"SH(set -e
mount -t tmpfs none /sys/class
mkdir -p /sys/class/hwmon
if [ -d /etc/sensors.d ]; then
  mount -t tmpfs none /etc/sensors.d
  cp "$DIR/user.conf" /etc/sensors.d/user.conf
else
  cat "$DIR/user.conf" >> "$DIR/sensors3.conf"
fi
if [ -e /etc/sensors3.conf ]; then
  mount --bind "$DIR/sensors3.conf" /etc/sensors3.conf
  echo "CONFIG 1"
else
  echo "CONFIG 0"
fi
put() { mkdir -p "$(dirname "$1")"; echo "$2" > "$1"; }
. "$DIR/tree.sh"
exec "$@"
)SH";

// A machine: its hwmon tree (put commands), the sensors3.conf it ships and
// the user's own /etc/sensors.d file.
struct Machine {
    std::string tree;
    std::string config;
    std::string userConfig;
};

// What the probe printed.
struct Probe {
    std::string output;
    bool configUsed = false;
    std::string driver;
    std::string notice;
    std::map<std::string, std::string> values;  // export -> value
    std::map<std::string, std::string> sources; // export -> source
    std::map<std::string, VoltageBand> limits;  // export -> the chip's limits of its input
    ReadingMask available = 0;

    double value(DriverReading reading) const { return std::stod(values.at(readingExport(reading))); }
    const std::string& source(DriverReading reading) const { return sources.at(readingExport(reading)); }
    bool has(DriverReading reading) const { return hasReading(available, reading); }
};

// A file of tests/data/hwmon: a machine's hwmon tree (put commands, one
// file per machine) or the sensors3.conf it ships ("nuvoton-stock.conf": the
// labels a stock sensors3.conf gives that chip family).
std::string machineFile(const char* name)
{
    const std::string text = test::readWholeFile(std::string(CALDRIX_TEST_DATA) + "/hwmon/" + name);
    EXPECT_FALSE(text.empty()) << name;
    return text;
}

// Runs `command` (quoted words) in a namespace set up as the machine, its
// files written to `dir`, with the `environment` given (NAME='value' words).
int runOnMachine(const Machine& machine, const test::TemporaryDirectory& dir, const std::string& environment,
                 const std::string& command, std::string& output)
{
    test::writeWholeFile(dir.file("ns.sh"), NamespaceScript);
    test::writeWholeFile(dir.file("tree.sh"), machine.tree);
    test::writeWholeFile(dir.file("sensors3.conf"), machine.config);
    test::writeWholeFile(dir.file("user.conf"), machine.userConfig);
    return run("env -u CALDRIX_DRIVER " + environment + " DIR='" + dir.path() + "' unshare -rm sh '" +
                   dir.file("ns.sh") + "' " + command,
               output);
}

// Runs the probe on the machine: on the driver the program would choose, or
// on the libsensors driver when `automatic` is false.
Probe probe(const Machine& machine, bool automatic = false)
{
    const fs::path program = buildDirectory() / "bin" / "caldrix_driver_probe";
    const fs::path library = buildDirectory() / "lib" / "caldrix" / "libcaldrix_sensors.so";
    Probe p;
    const int rc = runOnMachine(
        machine, test::TemporaryDirectory(), "",
        "'" + program.string() + "'" + (automatic ? "" : " '" + library.string() + "'") + " 2>&1", p.output);
    EXPECT_EQ(rc, 0) << p.output;

    std::istringstream lines(p.output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto space = line.find(' ');
        const std::string name = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (name == "CONFIG") {
            p.configUsed = rest == "1";
        } else if (name == "Driver") {
            p.driver = rest;
        } else if (name == "Notice") {
            p.notice = rest;
        } else if (name == "Limits") {
            std::istringstream band(rest);
            std::string reading;
            double low = 0;
            double high = 0;
            band >> reading >> low >> high;
            p.limits.emplace(reading, VoltageBand::between(low, high));
        } else {
            const auto gap = rest.find("  ");
            p.values[name] = rest.substr(0, gap);
            p.sources[name] = gap == std::string::npos ? "" : rest.substr(gap + 2);
        }
    }
    for (int i = 0; i < DriverReadingCount; ++i) {
        const auto reading = static_cast<DriverReading>(i);
        const auto it = p.sources.find(readingExport(reading));
        if (it != p.sources.end() && it->second.rfind("not available", 0) != 0) {
            p.available |= readingBit(reading);
        }
    }
    return p;
}

// `caldrix --sensors` on the machine, with a settings key holding `rows`
// (registry lines such as "\"Source WB2\"=\"nvme-pci-0200/temp1\""): the lines
// it prints by input, and what it said on standard error.
struct Listing {
    std::map<std::string, std::vector<std::string>> inputs; // "<chip>/<feature>" -> label, value, slots
    std::string errors;
    std::string output;
};

Listing listSensors(const Machine& machine, const std::string& rows)
{
    const test::TemporaryDirectory dir;
    fs::create_directories(dir.file("config/caldrix"));
    test::writeWholeFile(dir.file("config/caldrix/HKEY_CURRENT_USER.reg"),
                         "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Caldrix]\n" + rows +
                             "\n");
    fs::permissions(dir.file("config/caldrix"), fs::perms::owner_all);

    const fs::path program = buildDirectory() / "bin" / "caldrix";
    Listing l;
    const int rc = runOnMachine(machine, dir, "XDG_CONFIG_HOME='" + dir.file("config") + "'",
                                "'" + program.string() + "' --sensors 2>'" + dir.file("errors") + "'", l.output);
    l.errors = test::readWholeFile(dir.file("errors"));
    EXPECT_EQ(rc, 0) << l.output << l.errors;

    std::istringstream lines(l.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');) {
            fields.push_back(field);
        }
        if (fields.size() == 4) {
            l.inputs[fields[0]] = {fields[1], fields[2], fields[3]};
        } else if (line.rfind("CONFIG", 0) != 0) {
            ADD_FAILURE() << "not a line of the listing: " << line;
        }
    }
    return l;
}

// One poll of the probed readings with the settings of a first run, every
// temperature sensor switched on.
struct Window {
    explicit Window(const Probe& p)
    {
        h.driver.setAvailableReadings(p.available);
        for (int i = 0; i < DriverReadingCount; ++i) {
            const auto reading = static_cast<DriverReading>(i);
            if (const auto it = p.limits.find(readingExport(reading)); it != p.limits.end()) {
                h.driver.setReadingLimits(reading, it->second);
            }
        }
        h.driver.setCpuTemperatureIsTrue(p.values.at("CpuTemperatureIsTrue") == "1");
        for (const auto& [name, value] : p.values) {
            if (name.rfind("Get", 0) == 0) {
                h.driver.script(name, {std::stod(value)});
            }
        }
        h.settings.temperature(TemperatureSensor::LM75).sensorEnabled =
            h.settings.temperature(TemperatureSensor::WB2).sensorEnabled =
                h.settings.temperature(TemperatureSensor::WB3).sensorEnabled = true;
        if (p.has(DriverReading::Core0)) {
            h.settings.coreVoltageNominal =
                coreVoltageStartValue(p.value(DriverReading::Core0)).value_or(h.settings.coreVoltageNominal);
        }
        h.poll.setChipPresent(p.values.at("CheckLM78") == "1");
        h.poll.setFanDivisors(std::stoi(p.values.at("GetFanDivide1")), std::stoi(p.values.at("GetFanDivide2")));
        h.poll.poll();
        log = IntervalLogEntry::fromWindow("12/07/26", "01:00:00", intervalLogSnapshot(h.gauges, h.panel, 2000));
    }

    // The interval log's field of a rail: after date, time, speed and the four temperatures.
    const std::string& logged(VoltageRail rail) const
    {
        constexpr int Field[] = {7, 8, 9, 11, 12, 10}; // Core, +3.3, +5, +12, -12, -5
        return log.fields[static_cast<std::size_t>(Field[static_cast<int>(rail)])];
    }

    // The alarms raised. A fan out of its band is found due whether or not
    // its alarm is on; only with the alarm on (off by default) does it raise
    // one.
    std::vector<std::string> alarms() const
    {
        std::vector<std::string> raised;
        for (const auto& call : h.alarms.calls) {
            if (call.rfind("fan ", 0) == 0 &&
                !std::as_const(h.settings).fan(static_cast<Fan>(call[4] - '1')).alarmEnabled) {
                continue;
            }
            raised.push_back(call);
        }
        return raised;
    }

    PollHarness h;
    IntervalLogEntry log;
};

// Every test needs a user and mount namespace of its own.
class HwmonDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        if (run("unshare -rm sh -c 'mount -t tmpfs none /sys/class' 2>&1", why) != 0) {
            GTEST_SKIP() << "user and mount namespaces are not permitted here (unshare -rm): " << why;
        }
    }
};

} // namespace

TEST_F(HwmonDriver, NuvotonBoardWithStockOrUserLabelsRaisesNoAlarm)
{
    const Probe p = probe({machineFile("nuvoton-nct6775.tree"), machineFile("nuvoton-stock.conf"), ""});
    EXPECT_DOUBLE_EQ(p.value(DriverReading::Core0), 1.05) << p.output;
    EXPECT_DOUBLE_EQ(p.value(DriverReading::Pos33), 3.33); // "+3.3V", not AVCC
    EXPECT_NE(p.source(DriverReading::Pos33).find("in3"), std::string::npos) << p.output;
    for (DriverReading rail : {DriverReading::Pos5, DriverReading::Pos12, DriverReading::Neg12, DriverReading::Neg5}) {
        EXPECT_FALSE(p.has(rail)) << p.output;
        // The user learns which inputs could be labelled.
        EXPECT_NE(p.source(rail).find("in1"), std::string::npos) << p.source(rail);
    }
    EXPECT_EQ(p.value(DriverReading::Wb1Temperature), 33); // SYSTIN
    EXPECT_EQ(p.value(DriverReading::Wb2Temperature), 41.5);
    EXPECT_FALSE(p.has(DriverReading::Wb3Temperature)); // AUXTIN unconnected, PECI is the CPU's
    EXPECT_EQ(p.value(DriverReading::CpuTemperature), 45);

    const Window w(p);
    EXPECT_EQ(w.h.settings.coreVoltageNominal, 1.1);
    EXPECT_EQ(w.h.panel.voltageText(VoltageRail::Core), ": 1.05");
    EXPECT_EQ(w.h.panel.voltageText(VoltageRail::Pos5), ": not available");
    EXPECT_EQ(w.logged(VoltageRail::Pos5), "N/A");
    EXPECT_EQ(w.logged(VoltageRail::Neg12), "N/A");
    EXPECT_EQ(w.logged(VoltageRail::Pos33), "3.33");
    EXPECT_EQ(w.h.gauges[1].centerLabel(), "45°C"); // no CPU offset on the package sensor
    EXPECT_EQ(w.h.panel.fanText(Fan::Fan1), "not available");
    EXPECT_EQ(w.h.panel.fanText(Fan::Fan2), "1125");
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();

    // The user's labels in /etc/sensors.d map and check the rails.
    const char* user = R"(chip "nct6775-*"
    label in1 "+12V"
    label in4 "+5V"
    compute in1 @*12, @/12
    compute in4 @*3, @/3
)";
    const Probe labelled = probe({machineFile("nuvoton-nct6775.tree"), machineFile("nuvoton-stock.conf"), user});
    if (labelled.configUsed) {
        EXPECT_NEAR(labelled.value(DriverReading::Pos12), 12.0, 1e-9) << labelled.output;
        EXPECT_NEAR(labelled.value(DriverReading::Pos5), 5.1, 1e-9);
        EXPECT_FALSE(labelled.has(DriverReading::Neg12)); // never 0 V
        const Window checked(labelled);
        EXPECT_EQ(checked.h.panel.voltageText(VoltageRail::Pos12), ": 12.00");
        EXPECT_EQ(checked.logged(VoltageRail::Pos5), "5.10");
        EXPECT_EQ(checked.h.statistics.entry(UpDownReading::P12Voltage).count, 1);
        EXPECT_TRUE(checked.alarms().empty()) << checked.alarms().front();
    }
}

TEST_F(HwmonDriver, IteBoardWithK10tempReadsTheProcessorWithoutOffset)
{
    const Probe p = probe({machineFile("ite-it8728.tree"), machineFile("ite-it8728.conf"), ""});
    EXPECT_DOUBLE_EQ(p.value(DriverReading::Core0), 1.32) << p.output; // the family's standard Vcore input
    EXPECT_NE(p.source(DriverReading::Core0).find("it8728"), std::string::npos);
    EXPECT_FALSE(p.has(DriverReading::Pos33));
    EXPECT_EQ(p.value(DriverReading::CpuTemperature), 48);
    EXPECT_EQ(p.values.at("CpuTemperatureIsTrue"), "1");
    EXPECT_EQ(p.value(DriverReading::Wb1Temperature), 40); // unlabelled board inputs are not guessed at

    const Window w(p);
    EXPECT_EQ(w.h.gauges[1].centerLabel(), "48°C");
    EXPECT_EQ(w.h.panel.voltageText(VoltageRail::Pos33), ": not available");
    EXPECT_EQ(w.h.panel.fanText(Fan::Fan1), "1800");
    EXPECT_EQ(w.h.panel.fanText(Fan::Fan3), "not available");
    if (p.configUsed) {
        EXPECT_NEAR(p.value(DriverReading::Pos12), 12.0, 1e-9);
        EXPECT_NEAR(p.value(DriverReading::Pos5), 2.98 * 1.68, 1e-9);
        EXPECT_EQ(w.logged(VoltageRail::Pos12), "12.00");
    }
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();
}

TEST_F(HwmonDriver, LaptopUsesTheRealDriverWithThePackageSensor)
{
    const Probe p = probe({machineFile("laptop.tree"), "", ""}, true);
    EXPECT_NE(p.driver.find("the libsensors driver"), std::string::npos) << p.output;
    EXPECT_TRUE(p.notice.empty()) << p.notice;
    EXPECT_EQ(p.values.at("CheckLM78"), "1");
    EXPECT_EQ(p.value(DriverReading::CpuTemperature), 52);
    EXPECT_EQ(p.value(DriverReading::Wb1Temperature), 47); // the thermal zone, not the drive
    EXPECT_FALSE(p.has(DriverReading::Pos12));             // not the battery
    EXPECT_FALSE(p.has(DriverReading::Fan1));

    const Window w(p);
    // With the Intel offset the package's 52 °C would show 74 °C, over the CPU alarm.
    EXPECT_EQ(w.h.gauges[1].centerLabel(), "52°C");
    EXPECT_EQ(w.h.gauges[2].centerLabel(), "--");
    EXPECT_EQ(w.logged(VoltageRail::Core), "N/A");
    EXPECT_EQ(w.log.fields[13], "N/A"); // fan 1
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();
}

TEST_F(HwmonDriver, SingleBoardComputerWithOnlyItsProcessorSensor)
{
    const Probe p = probe({machineFile("single-board.tree"), "", ""}, true);
    EXPECT_NE(p.driver.find("the libsensors driver"), std::string::npos) << p.output;
    EXPECT_EQ(p.available, readingBit(DriverReading::CpuTemperature)) << p.output;
    EXPECT_NE(p.source(DriverReading::Wb1Temperature).find("no ACPI thermal zone"), std::string::npos);

    const Window w(p);
    EXPECT_EQ(w.h.gauges[1].centerLabel(), "52°C");
    EXPECT_EQ(w.h.gauges[0].centerLabel(), "--");
    EXPECT_EQ(w.h.statistics.entry(UpDownReading::WB1).count, 0);
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();
}

TEST_F(HwmonDriver, NoChipsAtAllGivesTheSimulatedDriverAndSaysSo)
{
    const Probe p = probe({"", "", ""}, true);
    EXPECT_NE(p.driver.find("the simulated driver"), std::string::npos) << p.output;
    EXPECT_NE(p.notice.find("simulated"), std::string::npos) << p.output;
    EXPECT_NE(p.notice.find("no sensor chip"), std::string::npos) << p.notice;
}

TEST_F(HwmonDriver, DesktopWithDrivesAndGraphicsCardBindsAnySlot)
{
    // Devices on their buses, so that libsensors names them as on a real
    // desktop: a device folder whose subsystem link ends in the bus's name.
    const char* devices =
        R"(dev() { mkdir -p /sys/class/fake/$3 /sys/class/fake/dev/$2; ln -s /sys/class/fake/$3 /sys/class/fake/dev/$2/subsystem; ln -s /sys/class/fake/dev/$2 $1/device; }
h=/sys/class/hwmon/hwmon0
put $h/name nct6798
put $h/in0_input 824; put $h/in0_label Vcore; put $h/in0_min 600; put $h/in0_max 1500
put $h/temp1_input 31000; put $h/temp1_label SYSTIN
put $h/temp2_input 44000; put $h/temp2_label CPUTIN
put $h/fan1_input 900
dev $h nct6775.656 platform
h=/sys/class/hwmon/hwmon1
put $h/name k10temp
put $h/temp1_input 52000; put $h/temp1_label Tctl
dev $h 0000:00:18.3 pci
h=/sys/class/hwmon/hwmon2
put $h/name amdgpu
put $h/temp1_input 50000; put $h/temp1_label edge; put $h/fan1_input 1450; put $h/in0_input 806; put $h/in0_label vddgfx
dev $h 0000:03:00.0 pci
h=/sys/class/hwmon/hwmon3
put $h/name nvme
put $h/temp1_input 38850; put $h/temp1_label Composite
dev $h 0000:01:00.0 pci
h=/sys/class/hwmon/hwmon5
put $h/name drivetemp
put $h/temp1_input 33000
dev $h 0:0:0:0 scsi
)";
    const std::string secondDrive = R"(h=/sys/class/hwmon/hwmon4
put $h/name nvme
put $h/temp1_input 47000; put $h/temp1_label Composite
dev $h 0000:02:00.0 pci
)";
    // The user's file corrects the second drive: its computes apply to a bound input too.
    const char* user = R"(chip "nvme-pci-0200"
    compute temp1 @-2, @+2
)";
    const std::string rows = "\"Source WB2\"=\"nvme-pci-0200/temp1\"\n"
                             "\"Source Fan 3\"=\"amdgpu-pci-0300/fan1\"\n"
                             "\"Source +12\"=dword:00000001\n"; // unreadable: automatic

    const Listing all = listSensors({devices + secondDrive, "", user}, rows);
    for (const char* input :
         {"nct6798-isa-0290/in0", "k10temp-pci-00c3/temp1", "amdgpu-pci-0300/temp1", "amdgpu-pci-0300/fan1",
          "amdgpu-pci-0300/in0", "nvme-pci-0100/temp1", "nvme-pci-0200/temp1", "drivetemp-scsi-0-0/temp1"}) {
        EXPECT_EQ(all.inputs.count(input), 1u) << input << "\n" << all.output;
    }
    ASSERT_EQ(all.inputs.count("nvme-pci-0200/temp1"), 1u) << all.output << all.errors;
    EXPECT_EQ(all.inputs.at("nvme-pci-0200/temp1")[2], "WB2");
    EXPECT_EQ(all.inputs.at("nvme-pci-0100/temp1")[2], "-");
    EXPECT_EQ(all.inputs.at("amdgpu-pci-0300/fan1"), (std::vector<std::string>{"fan1", "1450 RPM", "Fan 3"}));
    EXPECT_EQ(all.inputs.at("amdgpu-pci-0300/temp1")[0], "edge");
    EXPECT_EQ(all.inputs.at("k10temp-pci-00c3/temp1")[2], "CPU");
    EXPECT_EQ(all.inputs.at("drivetemp-scsi-0-0/temp1")[2], "-");
    EXPECT_EQ(all.inputs.size(), 11u) << all.output;
    if (fs::exists("/etc/sensors.d") || fs::exists("/etc/sensors3.conf")) {
        EXPECT_EQ(all.inputs.at("nvme-pci-0200/temp1")[1], "45.0 °C") << all.output;
    }

    // The drive removed: nothing else takes WB2, and the user is told.
    const Listing removed = listSensors({devices, "", user}, rows);
    EXPECT_EQ(removed.inputs.count("nvme-pci-0200/temp1"), 0u);
    for (const auto& [input, fields] : removed.inputs) {
        EXPECT_EQ(fields[2].find("WB2"), std::string::npos) << input;
    }
    EXPECT_NE(removed.errors.find("nvme-pci-0200/temp1"), std::string::npos) << removed.errors;
}

TEST_F(HwmonDriver, ProcessorOfTodayAtLowCoreVoltageRaisesNoFalseAlarm)
{
    const std::string board = R"(h=/sys/class/hwmon/hwmon2
put $h/name nct6798
put $h/in0_input 824; put $h/in0_label Vcore
put $h/in3_input 3340; put $h/in3_label +3.3V
put $h/temp1_input 31000; put $h/temp1_label "System Temp"
put $h/temp2_input 44000; put $h/temp2_label "CPU Temp"
h=/sys/class/hwmon/hwmon0
put $h/name k10temp
put $h/temp1_input 52000; put $h/temp1_label Tctl
)";
    // With the chip's limits the core is checked against them.
    const Probe limited =
        probe({board + "put /sys/class/hwmon/hwmon2/in0_min 600; put /sys/class/hwmon/hwmon2/in0_max 1500\n", "", ""});
    ASSERT_EQ(limited.limits.count("GetLM78Core0"), 1u) << limited.output;
    EXPECT_DOUBLE_EQ(limited.limits.at("GetLM78Core0").low(), 0.6);
    EXPECT_DOUBLE_EQ(limited.limits.at("GetLM78Core0").high(), 1.5);
    EXPECT_EQ(limited.value(DriverReading::Wb1Temperature), 31);
    EXPECT_EQ(limited.value(DriverReading::CpuTemperature), 52); // the package sensor, not the board's input
    Window w(limited);
    EXPECT_EQ(w.h.settings.coreVoltageNominal, 0.8); // the first run proposes what the chip measures
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();
    w.h.driver.script("GetLM78Core0", {1.35}); // under load, within the limits
    w.h.poll.poll();
    EXPECT_TRUE(w.alarms().empty()) << w.alarms().front();
    w.h.driver.script("GetLM78Core0", {1.62});
    w.h.poll.poll();
    EXPECT_EQ(w.alarms(), (std::vector<std::string>{"volt 1.620"}));

    // Without limits (or with limits the BIOS never set) the nominal and
    // margin apply: no alarm at the idle voltage the first run proposed.
    const Probe bare =
        probe({board + "put /sys/class/hwmon/hwmon2/in0_min 0; put /sys/class/hwmon/hwmon2/in0_max 0\n", "", ""});
    EXPECT_EQ(bare.limits.count("GetLM78Core0"), 0u) << bare.output;
    const Window idle(bare);
    EXPECT_EQ(idle.h.panel.voltageText(VoltageRail::Core), ": 0.82");
    EXPECT_TRUE(idle.alarms().empty()) << idle.alarms().front();
}
