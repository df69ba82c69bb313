#include <gtest/gtest.h>

#include "sensors/ChipMapping.h"
#include "sensors/FanSpeed.h"
#include "sensors/RailLabel.h"
#include "sensors/TemperatureLabel.h"

using namespace cdx;

namespace {

using Kind = HwmonInput::Kind;

HwmonInput input(Kind kind, int number, std::string label, double value, std::optional<double> divisor = {})
{
    return HwmonInput{kind, number, std::move(label), value, divisor, {}, {}};
}

HwmonChip makeChip(std::string name, HwmonBus bus, int number, int address, std::vector<HwmonInput> inputs = {},
                   std::string id = "")
{
    return HwmonChip{std::move(name), static_cast<int>(bus), number, address, std::move(inputs), std::move(id)};
}

HwmonChip lm78()
{
    HwmonChip chip = makeChip("lm78", HwmonBus::ISA, 0, 0x290);
    chip.inputs = {
        input(Kind::Voltage, 6, "-5V", -5.1),    input(Kind::Voltage, 0, "VCore 1", 2.8),
        input(Kind::Voltage, 1, "VCore 2", 2.7), input(Kind::Voltage, 2, "+3.3V", 3.31),
        input(Kind::Voltage, 3, "+5V", 5.02),    input(Kind::Voltage, 4, "+12V", 12.1),
        input(Kind::Voltage, 5, "-12V", -11.9),  input(Kind::Temperature, 1, "M/B Temp", 36.6),
        input(Kind::Fan, 1, "fan1", 2500, 2),    input(Kind::Fan, 2, "fan2", 0, 2),
        input(Kind::Fan, 3, "fan3", 4500),
    };
    return chip;
}

} // namespace

TEST(ChipMapping, LabelledRailsTemperaturesAndFans)
{
    const auto r = ChipMapping::map({lm78()});
    EXPECT_TRUE(r.present);
    EXPECT_EQ(r.chipId, 45);
    EXPECT_DOUBLE_EQ(r.core0, 2.8);
    EXPECT_DOUBLE_EQ(r.core1, 2.7);
    EXPECT_DOUBLE_EQ(r.pos33, 3.31);
    EXPECT_DOUBLE_EQ(r.neg5, -5.1);
    EXPECT_DOUBLE_EQ(r.neg12, -11.9);
    EXPECT_EQ(r.temp, 37);
    EXPECT_EQ(r.fanDivide1, 2);
    EXPECT_EQ(fanSpeed(Fan::Fan1, r.fan1, r.fanDivide1, FanType::Type1), 2500);
    EXPECT_EQ(r.fan2, 255); // standing still
    EXPECT_EQ(fanSpeed(Fan::Fan3, r.fan3, 0, FanType::Type1), 4500);
    EXPECT_EQ(r.lm75, 0); // no CPU sensor
}

TEST(ChipMapping, UnlabelledInputsAreNotAvailableNeverTakenByOrder)
{
    HwmonChip chip = makeChip("w83781d", HwmonBus::I2C, 1, 0x2d);
    chip.id = "w83781d-i2c-1-2d";
    for (int i = 0; i < 7; ++i) {
        chip.inputs.push_back(input(Kind::Voltage, i, "in" + std::to_string(i), i + 0.5));
    }
    chip.inputs.push_back(input(Kind::Temperature, 1, "temp1", 40.4));
    const auto r = ChipMapping::map({chip});
    EXPECT_TRUE(r.present); // real hardware monitoring, however little of it identified
    EXPECT_EQ(r.available, 0U);
    EXPECT_DOUBLE_EQ(r.pos12, 0.0);
    const std::string& why = r.sources[static_cast<int>(DriverReading::Pos5)];
    EXPECT_NE(why.find("not available"), std::string::npos) << why;
    EXPECT_NE(why.find("w83781d-i2c-1-2d in3"), std::string::npos) << why;
    EXPECT_NE(why.find("/etc/sensors.d"), std::string::npos) << why;
    EXPECT_EQ(r.fan1, 255); // absent fans
    EXPECT_FALSE(hasReading(r.available, DriverReading::Fan1));
}

TEST(ChipMapping, NuvotonBoardWithStockLabels)
{
    // Stock labels only name Vcore, AVCC, +3.3V, 3VSB and Vbat; the other
    // inputs are pin voltages that only a divider formula makes rails of.
    HwmonChip chip = makeChip("nct6775", HwmonBus::ISA, 0, 0x290);
    chip.inputs = {input(Kind::Voltage, 0, "Vcore", 1.05),
                   input(Kind::Voltage, 1, "in1", 1.0),
                   input(Kind::Voltage, 2, "AVCC", 3.36),
                   input(Kind::Voltage, 3, "+3.3V", 3.33),
                   input(Kind::Voltage, 4, "in4", 1.7),
                   input(Kind::Voltage, 5, "in5", 0.85),
                   input(Kind::Voltage, 7, "3VSB", 3.42),
                   input(Kind::Voltage, 8, "Vbat", 3.2),
                   input(Kind::Temperature, 1, "SYSTIN", 33),
                   input(Kind::Temperature, 2, "CPUTIN", 41.5),
                   input(Kind::Temperature, 3, "AUXTIN", -128),
                   input(Kind::Temperature, 7, "PECI Agent 0", 45),
                   input(Kind::Fan, 1, "fan1", 0),
                   input(Kind::Fan, 2, "fan2", 1200)};
    const auto r = ChipMapping::map({chip});
    EXPECT_TRUE(r.present);
    EXPECT_DOUBLE_EQ(r.core0, 1.05);
    EXPECT_DOUBLE_EQ(r.pos33, 3.33); // not AVCC
    for (DriverReading rail :
         {DriverReading::Core1, DriverReading::Pos5, DriverReading::Pos12, DriverReading::Neg12, DriverReading::Neg5}) {
        EXPECT_FALSE(hasReading(r.available, rail)) << r.sources[static_cast<int>(rail)];
    }
    EXPECT_EQ(r.temp, 33);
    EXPECT_EQ(r.lm75, 42); // CPUTIN, where no processor sensor exists
    EXPECT_TRUE(r.cpuTemperatureTrue);
    EXPECT_FALSE(hasReading(r.available, DriverReading::Wb2Temperature)); // AUXTIN is unconnected
    EXPECT_FALSE(hasReading(r.available, DriverReading::Wb3Temperature)); // PECI is the processor's
    EXPECT_TRUE(hasReading(r.available, DriverReading::Fan1));            // present, standing still
    EXPECT_EQ(r.fan1, 255);
    EXPECT_FALSE(hasReading(r.available, DriverReading::Fan3));

    // Without any labels the datasheet's Vcore and 3VCC inputs still count.
    for (auto& i : chip.inputs) {
        if (i.kind == Kind::Voltage) {
            i.label = "in" + std::to_string(i.number);
        }
    }
    const auto bare = ChipMapping::map({chip});
    EXPECT_DOUBLE_EQ(bare.core0, 1.05);
    EXPECT_DOUBLE_EQ(bare.pos33, 3.33);
    EXPECT_NE(bare.sources[static_cast<int>(DriverReading::Pos33)].find("nct6775 in3"), std::string::npos);
    EXPECT_FALSE(hasReading(bare.available, DriverReading::Pos5));
}

TEST(ChipMapping, IteStandardInputsOnlyWhereTheChipFixesThem)
{
    HwmonChip older = makeChip("it8718", HwmonBus::ISA, 0, 0x290);
    older.inputs = {input(Kind::Voltage, 0, "in0", 1.3), input(Kind::Voltage, 2, "in2", 3.3),
                    input(Kind::Voltage, 3, "in3", 2.9)};
    const auto r = ChipMapping::map({older});
    EXPECT_DOUBLE_EQ(r.core0, 1.3);
    EXPECT_DOUBLE_EQ(r.pos33, 3.3);
    EXPECT_FALSE(hasReading(r.available, DriverReading::Pos5));

    HwmonChip newer = older;
    newer.name = "it8728"; // whose in2 the board maker chooses
    const auto n = ChipMapping::map({newer});
    EXPECT_DOUBLE_EQ(n.core0, 1.3);
    EXPECT_FALSE(hasReading(n.available, DriverReading::Pos33));
}

TEST(ChipMapping, RailLabelsAsBoardsSpellThem)
{
    const std::pair<DriverReading, std::vector<std::string>> named[] = {
        {DriverReading::Pos12, {"+12V", "ATX +12V", "+12.0V", "12V"}},
        {DriverReading::Pos5, {"ATX +5 V Voltage", "+5V"}},
        {DriverReading::Core0, {"VCore", "VCore Voltage", "CPU Core Voltage", "VCore 1"}},
        {DriverReading::Core1, {"VCore 2"}},
        {DriverReading::Pos33, {"+3.30V", "3VCC", "+3.3V"}},
        {DriverReading::Neg12, {"-12V", "N12V"}},
        {DriverReading::Neg5, {"-5V"}},
    };
    for (const auto& [rail, labels] : named) {
        for (const std::string& label : labels) {
            EXPECT_EQ(RailLabel::identify(label), rail) << label;
        }
    }
    for (const std::string& label :
         std::vector<std::string>{"5VSB", "3VSB", "+3.3V-Aux", "Standby Voltage (+5V)", "AVCC", "Vbat", "CPU Vcore SOC",
                                  "NB Core Voltage", "DIMM", "+1.8V", "in4", "VIN1", "VIN3", "AIN 3", "Voltage 3", "",
                                  "5V Dual", "VTT", std::string(400, '9') + "V"}) {
        EXPECT_EQ(RailLabel::identify(label), std::nullopt) << label;
    }
}

TEST(ChipMapping, LaptopAndSingleBoardComputer)
{
    HwmonChip core = makeChip("coretemp", HwmonBus::ISA, 0, 0);
    core.inputs = {input(Kind::Temperature, 2, "Core 0", 60), input(Kind::Temperature, 1, "Package id 0", 55.4)};
    HwmonChip zone = makeChip("acpitz", HwmonBus::ACPI, 0, 0, {input(Kind::Temperature, 1, "temp1", 47)});
    HwmonChip drive = makeChip("nvme", HwmonBus::PCI, 1, 0, {input(Kind::Temperature, 1, "Composite", 38)});
    HwmonChip battery = makeChip("BAT0", HwmonBus::ACPI, 0, 0, {input(Kind::Voltage, 0, "in0", 12.4)});
    const auto laptop = ChipMapping::map({drive, battery, zone, core});
    EXPECT_TRUE(laptop.present);
    EXPECT_EQ(laptop.lm75, 55);
    EXPECT_TRUE(laptop.cpuTemperatureTrue);
    EXPECT_EQ(laptop.temp, 47); // the thermal zone, not the drive
    EXPECT_FALSE(hasReading(laptop.available, DriverReading::Wb2Temperature));
    EXPECT_FALSE(hasReading(laptop.available, DriverReading::Pos12)); // not the battery
    EXPECT_FALSE(hasReading(laptop.available, DriverReading::Fan1));

    HwmonChip soc = makeChip("cpu_thermal", HwmonBus::Virtual, 0, 0, {input(Kind::Temperature, 1, "temp1", 51)});
    const auto board = ChipMapping::map({soc});
    EXPECT_EQ(board.available, readingBit(DriverReading::CpuTemperature));
    EXPECT_EQ(board.lm75, 51);

    HwmonChip lm75 = makeChip("lm75", HwmonBus::I2C, 0, 0x48, {input(Kind::Temperature, 1, "temp1", 31)});
    EXPECT_FALSE(ChipMapping::map({lm75}).cpuTemperatureTrue); // the offset still applies
    EXPECT_FALSE(ChipMapping::map({}).present);
}

TEST(ChipMapping, FanCountsGiveTheSpeedBack)
{
    for (int divisor : {1, 2, 4, 8}) {
        for (double rpm : {600.0, 1234.0, 2500.0, 5000.0}) {
            const auto count = ChipMapping::fanCount(rpm, divisor);
            ASSERT_NE(count, 255);
            const auto back = fanSpeed(Fan::Fan1, count, divisor, FanType::Type1);
            ASSERT_TRUE(back.has_value());
            // As close as a whole count allows: within one count's step.
            const double step = (675000.0 / divisor) / count - (675000.0 / divisor) / (count + 1);
            EXPECT_LE(std::abs(*back - rpm), step + 1) << rpm << " rpm, divisor " << divisor;
        }
    }
    EXPECT_EQ(ChipMapping::fanCount(2500, 2), 135);
    EXPECT_EQ(ChipMapping::fanCount(0, 2), 255);
    EXPECT_EQ(ChipMapping::fanCount(-10, 2), 255);
    // A speed whose ideal count is 255 is given a neighbouring count.
    EXPECT_NE(ChipMapping::fanCount(675000.0 / 255, 1), 255);
}

TEST(ChipMapping, TemperatureLabelsAsBoardsSpellThem)
{
    using R = TemperatureRole;
    const std::pair<R, std::vector<std::string>> labels[] = {
        {R::Board,
         {"System Temp", "SYS Temperature", "Sys Temp", "System 1", "SYSTEM TEMP1", "System1 Temp", "MB Temp",
          "MB(?) temp", "Mainboard", "M/B Temperature", "SYSTIN", "Motherboard", "motherboard_temp"}},
        {R::Processor, {"CPU Temp", "CPU Temperature", "CPUTIN", "CPU Socket", "CPU1 Temp"}},
        {R::Secondary,
         {"System 2", "Sys Temp 3", "AUXTIN", "AUXTIN1", "Chipset", "PCH Temp", "VRM Temp", "CPU 2 Temp"}},
        {R::Foreign, {"PECI Agent 0", "SMBUSMASTER 0", "TSI0_TEMP"}},
        {R::Unknown, {"temp1", "Temperature", "Tctl", "Systemic", "", "9999999999"}},
    };
    for (const auto& [role, names] : labels) {
        for (const std::string& label : names) {
            EXPECT_EQ(TemperatureLabel::identify(label), role) << label;
        }
    }
}

TEST(ChipMapping, BoardAndProcessorTemperaturesByTheirLabels)
{
    HwmonChip board = makeChip("it8686", HwmonBus::ISA, 0, 0xa40);
    board.inputs = {input(Kind::Temperature, 1, "CPU Temp", 48), input(Kind::Temperature, 2, "VRM Temp", 52),
                    input(Kind::Temperature, 3, "Chipset", 44), input(Kind::Temperature, 4, "PCIEX16", 35),
                    input(Kind::Temperature, 5, "System Temp", 31)};
    const auto r = ChipMapping::map({board});
    EXPECT_EQ(r.temp, 31); // labelled last, still the board's own
    EXPECT_EQ(r.lm75, 48); // no processor sensor: the board's CPU input, no offset
    EXPECT_TRUE(r.cpuTemperatureTrue);
    EXPECT_DOUBLE_EQ(r.winbond2, 52); // then the further board inputs
    EXPECT_DOUBLE_EQ(r.winbond3, 44);

    // With the processor's own sensor the board's CPU input is only a further one.
    HwmonChip k10 = makeChip("k10temp", HwmonBus::PCI, 0, 0xc3, {input(Kind::Temperature, 1, "Tctl", 61)});
    const auto withSensor = ChipMapping::map({board, k10});
    EXPECT_EQ(withSensor.lm75, 61);
    EXPECT_EQ(withSensor.temp, 31);
    EXPECT_DOUBLE_EQ(withSensor.winbond2, 52);

    // A device's "System Temp" (a drive's, a card's) is never the board's.
    HwmonChip drive = makeChip("drivetemp", HwmonBus::SCSI, 0, 0, {input(Kind::Temperature, 1, "System Temp", 29)});
    const auto onlyDrive = ChipMapping::map({drive});
    EXPECT_FALSE(hasReading(onlyDrive.available, DriverReading::Wb1Temperature));
}

TEST(ChipMapping, BoardLabelsWinOverTheChipFamilysInputs)
{
    // A board whose file only numbers its inputs: "VIN3" says nothing of
    // +3.3 V, and the chip family's in3 does not apply to a labelled input.
    HwmonChip chip = makeChip("nct6791", HwmonBus::ISA, 0, 0x290);
    chip.inputs = {input(Kind::Voltage, 0, "VCore A", 1.31), input(Kind::Voltage, 1, "VIN0", 12.1),
                   input(Kind::Voltage, 2, "VIN1", 5.04),    input(Kind::Voltage, 3, "VIN3", 1.0),
                   input(Kind::Voltage, 4, "5VCC", 5.01),    input(Kind::Voltage, 5, "5VSB", 5.1),
                   input(Kind::Voltage, 6, "+3.3V", 3.34)};
    const auto r = ChipMapping::map({chip});
    EXPECT_DOUBLE_EQ(r.core0, 1.31);
    EXPECT_DOUBLE_EQ(r.pos33, 3.34); // the board's "+3.3V" in6, not the family's in3
    EXPECT_DOUBLE_EQ(r.pos5, 5.01);
    EXPECT_FALSE(hasReading(r.available, DriverReading::Pos12));

    // Without a +3.3 V label the rail is not available rather than read from in3.
    chip.inputs.pop_back();
    const auto unlabelled = ChipMapping::map({chip});
    EXPECT_FALSE(hasReading(unlabelled.available, DriverReading::Pos33))
        << unlabelled.sources[static_cast<int>(DriverReading::Pos33)];
    EXPECT_DOUBLE_EQ(unlabelled.core0, 1.31);
}

TEST(ChipMapping, ReadingsBoundToAnyInputOfTheirKind)
{
    HwmonChip board = makeChip("nct6798", HwmonBus::ISA, 0, 0x290, {}, "nct6798-isa-0290");
    board.inputs = {input(Kind::Temperature, 1, "SYSTIN", 31), input(Kind::Temperature, 2, "CPUTIN", 44),
                    input(Kind::Temperature, 3, "AUXTIN0", 36), input(Kind::Voltage, 0, "Vcore", 0.82),
                    input(Kind::Fan, 1, "fan1", 900)};
    board.inputs[3].minimum = 0.6;
    board.inputs[3].maximum = 1.5;
    HwmonChip gpu = makeChip("amdgpu", HwmonBus::PCI, 3, 0, {}, "amdgpu-pci-0300");
    gpu.inputs = {input(Kind::Temperature, 1, "edge", 52), input(Kind::Fan, 1, "fan1", 1450)};
    HwmonChip drive1 =
        makeChip("nvme", HwmonBus::PCI, 1, 0, {input(Kind::Temperature, 1, "Composite", 38)}, "nvme-pci-0100");
    HwmonChip drive2 =
        makeChip("nvme", HwmonBus::PCI, 2, 0, {input(Kind::Temperature, 1, "Composite", 47)}, "nvme-pci-0200");
    HwmonChip sata =
        makeChip("drivetemp", HwmonBus::SCSI, 0, 0, {input(Kind::Temperature, 1, "", 33)}, "drivetemp-scsi-0-0");
    ReadingBindings bound;
    bound[static_cast<int>(DriverReading::Wb2Temperature)] = "nvme-pci-0200/temp1";
    bound[static_cast<int>(DriverReading::Fan3)] = "amdgpu-pci-0300/fan1";
    bound[static_cast<int>(DriverReading::Fan1)] = "amdgpu-pci-0300/temp1"; // not a fan: nothing
    bound[static_cast<int>(DriverReading::Core1)] = "nct6798-isa-0290/in0";

    const auto r = ChipMapping::map({board, gpu, drive1, drive2, sata}, bound);
    EXPECT_DOUBLE_EQ(r.winbond2, 47);
    EXPECT_EQ(r.inputs[static_cast<int>(DriverReading::Wb2Temperature)], "nvme-pci-0200/temp1");
    EXPECT_NEAR(fanSpeed(Fan::Fan3, r.fan3, 0, FanType::Type1).value_or(0), 1450, 5); // as close as a count allows
    EXPECT_EQ(r.temp, 31);
    EXPECT_DOUBLE_EQ(r.winbond3, 36); // the automatic choice goes on among the board's inputs
    EXPECT_FALSE(hasReading(r.available, DriverReading::Fan1));
    EXPECT_DOUBLE_EQ(r.core1, 0.82);
    ASSERT_TRUE(r.limits[static_cast<int>(DriverReading::Core1)].has_value());
    EXPECT_DOUBLE_EQ(r.limits[static_cast<int>(DriverReading::Core1)]->high, 1.5);

    // The drive removed: WB2 is not available and says why, never another drive's value.
    const auto removed = ChipMapping::map({board, gpu, drive1, sata}, bound);
    EXPECT_FALSE(hasReading(removed.available, DriverReading::Wb2Temperature));
    EXPECT_DOUBLE_EQ(removed.winbond2, 0);
    const std::string& why = removed.sources[static_cast<int>(DriverReading::Wb2Temperature)];
    EXPECT_NE(why.find("nvme-pci-0200/temp1"), std::string::npos) << why;
    EXPECT_DOUBLE_EQ(removed.winbond3, 36);

    // Bound WB1: the board's own temperature does not move on to WB2.
    ReadingBindings wb1;
    wb1[static_cast<int>(DriverReading::Wb1Temperature)] = "drivetemp-scsi-0-0/temp1";
    const auto drive = ChipMapping::map({board, gpu, drive1, drive2, sata}, wb1);
    EXPECT_EQ(drive.temp, 33);
    EXPECT_DOUBLE_EQ(drive.winbond2, 36);
}
