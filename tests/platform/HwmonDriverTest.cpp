#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>

using namespace std::string_literals;
namespace fs = std::filesystem;

// The libsensors driver against a fabricated hwmon tree, read by the real
// library: a user and mount namespace mounts a tmpfs over /sys/class holding
// the chip's files (libsensors refuses a /sys that is not sysfs, so /sys
// itself stays), and the driver probe prints every reading.

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
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const char* TreeScript = R"SH(set -e
mount -t tmpfs none /sys/class
if [ -e /etc/sensors3.conf ]; then
  mount --bind "$CONF" /etc/sensors3.conf
  if [ -d /etc/sensors.d ]; then mount -t tmpfs none /etc/sensors.d; fi
  echo "CONFIG 1"
else
  echo "CONFIG 0"
fi
put() { mkdir -p "$(dirname "$1")"; echo "$2" > "$1"; }
# hwmon0 holds a chip whose name sorts later: the kernel numbers must not decide.
h=/sys/class/hwmon/hwmon3
put $h/name w83781d
put $h/temp1_input 36600; put $h/temp2_input 44500; put $h/temp3_input 39000
put $h/in0_input 2800; put $h/in1_input 2750; put $h/in2_input 3300; put $h/in3_input 2950
put $h/in4_input 3160; put $h/in5_input 560; put $h/in6_input 870
put $h/fan1_input 2500; put $h/fan1_div 2; put $h/fan2_input 0; put $h/fan2_div 4; put $h/fan3_input 4500
h=/sys/class/hwmon/hwmon0
put $h/name w83791d
put $h/in0_input 1100
h=/sys/class/hwmon/hwmon1
put $h/name coretemp
put $h/temp1_input 52400; put $h/temp1_label "Package id 0"; put $h/temp2_input 60000
exec "$@"
)SH";

const char* Config = R"(chip "w83781d-*"
    label in0 "VCore 1"
    label in1 "VCore 2"
    label in2 "+3.3V"
    label in3 "+5V"
    label in4 "+12V"
    label in5 "-12V"
    label in6 "-5V"
    label temp1 "M/B Temp"
    compute in3 ((6.8/10)+1)*@ , @/((6.8/10)+1)
    compute in4 ((28/10)+1)*@ , @/((28/10)+1)
    compute in5 (5.14 * @) - 14.91 , (@ + 14.91) / 5.14
    compute in6 (3.14 * @) - 7.71 , (@ + 7.71) / 3.14
)";

} // namespace

TEST(HwmonDriver, ReadsFabricatedChipThroughLibsensors)
{
    std::string ignored;
    if (run("unshare -rm sh -c 'mount -t tmpfs none /sys/class' 2>&1", ignored) != 0) {
        GTEST_SKIP() << "user and mount namespaces are not permitted here (unshare -rm): " << ignored;
    }
    const fs::path dir = fs::temp_directory_path() / ("caldrix-hwmon-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "tree.sh") << TreeScript;
    std::ofstream(dir / "sensors3.conf") << Config;

    const fs::path probe = buildDirectory() / "bin" / "caldrix_driver_probe";
    const fs::path library = buildDirectory() / "lib" / "caldrix" / "libcaldrix_sensors.so";
    std::string output;
    const int rc = run("CONF='"s + (dir / "sensors3.conf").string() + "' unshare -rm sh '" +
                           (dir / "tree.sh").string() + "' '" + probe.string() + "' '" + library.string() + "' 2>&1",
                       output);
    fs::remove_all(dir);
    ASSERT_EQ(rc, 0) << output;

    std::map<std::string, double> values;
    std::istringstream lines(output);
    std::string name;
    double value = 0;
    while (lines >> name >> value) {
        values[name] = value;
    }
    EXPECT_EQ(values["CheckLM78"], 1) << output;
    EXPECT_EQ(values["GetChipID"], 16);
    EXPECT_EQ(values["GetLM78Temp"], 37);
    EXPECT_DOUBLE_EQ(values["GetWinBondSensor2"], 44.5);
    EXPECT_DOUBLE_EQ(values["GetWinBondSensor3"], 39.0);
    EXPECT_EQ(values["GetLM75TempAsusTX"], 52);
    EXPECT_DOUBLE_EQ(values["GetLM78Core0"], 2.8);
    EXPECT_DOUBLE_EQ(values["GetLM78Core1"], 2.75);
    EXPECT_DOUBLE_EQ(values["GetLM78Pos33v"], 3.3);
    EXPECT_EQ(values["GetFanDivide1"], 2);
    EXPECT_EQ(values["GetFanDivide2"], 4);
    EXPECT_EQ(values["GetLM78Fan1"], 135); // (675000 div 2) div 135 = 2500
    EXPECT_EQ(values["GetLM78Fan2"], 255); // standing still
    EXPECT_EQ(values["GetLM78Fan3"], 150); // 675000 div 150 = 4500
    if (values["CONFIG"] == 1) {
        // sensors.conf's compute rules have been applied.
        EXPECT_NEAR(values["GetLM78Pos5v"], 2.95 * 1.68, 1e-9);
        EXPECT_NEAR(values["GetLM78Pos12v"], 3.16 * 3.8, 1e-9);
        EXPECT_NEAR(values["GetLM78Neg12v"], 5.14 * 0.56 - 14.91, 1e-9);
        EXPECT_NEAR(values["GetLM78Neg5v"], 3.14 * 0.87 - 7.71, 1e-9);
    } else {
        EXPECT_DOUBLE_EQ(values["GetLM78Pos12v"], 3.16);
    }
}
