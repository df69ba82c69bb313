#include <gtest/gtest.h>

#include "sensors/ChipMapping.h"
#include "sensors/FanSpeed.h"

using namespace cdx;

namespace {

using Kind = HwmonInput::Kind;

HwmonInput input(Kind kind, int number, std::string label, double value, std::optional<double> divisor = {})
{
    return HwmonInput{kind, number, std::move(label), value, divisor};
}

HwmonChip lm78()
{
    HwmonChip chip{"lm78", static_cast<int>(HwmonBus::ISA), 0, 0x290, {}};
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

TEST(ChipMapping, UnlabelledInputsGoByOrder)
{
    HwmonChip chip{"w83781d", static_cast<int>(HwmonBus::I2C), 1, 0x2d, {}};
    for (int i = 0; i < 7; ++i) {
        chip.inputs.push_back(input(Kind::Voltage, i, "in" + std::to_string(i), i + 0.5));
    }
    chip.inputs.push_back(input(Kind::Temperature, 3, "temp3", 30.5));
    chip.inputs.push_back(input(Kind::Temperature, 1, "temp1", 40.4));
    chip.inputs.push_back(input(Kind::Temperature, 2, "temp2", 44.5));
    const auto r = ChipMapping::map({chip});
    EXPECT_EQ(r.chipId, 16);
    EXPECT_DOUBLE_EQ(r.core0, 0.5);
    EXPECT_DOUBLE_EQ(r.pos12, 4.5);
    EXPECT_DOUBLE_EQ(r.neg5, 6.5);
    EXPECT_EQ(r.temp, 40);
    EXPECT_DOUBLE_EQ(r.winbond2, 44.5);
    EXPECT_DOUBLE_EQ(r.winbond3, 30.5);
    EXPECT_EQ(r.fan1, 255); // absent fans
    EXPECT_EQ(r.fan3, 255);
    EXPECT_EQ(r.fanDivide1, 1);
}

TEST(ChipMapping, ChipOrderIsStableAndCpuSensorIsChosen)
{
    HwmonChip gpu{"amdgpu", static_cast<int>(HwmonBus::PCI), 3, 0, {input(Kind::Fan, 1, "fan1", 900)}};
    HwmonChip core{"coretemp",
                   static_cast<int>(HwmonBus::ISA),
                   0,
                   0,
                   {input(Kind::Temperature, 2, "Core 0", 60), input(Kind::Temperature, 1, "Package id 0", 55.4)}};
    HwmonChip second = lm78();
    second.address = 0x300;
    second.name = "lm78";
    second.inputs[1].value = 9.9;
    // Whatever order the kernel numbered them in, the same chip is chosen.
    for (auto chips : {std::vector<HwmonChip>{gpu, second, core, lm78()}, {lm78(), core, second, gpu}}) {
        const auto r = ChipMapping::map(chips);
        EXPECT_DOUBLE_EQ(r.core0, 2.8);
        EXPECT_EQ(r.lm75, 55);
    }
    HwmonChip lm75{"lm75", static_cast<int>(HwmonBus::I2C), 0, 0x48, {input(Kind::Temperature, 1, "temp1", 31)}};
    EXPECT_EQ(ChipMapping::map({core, lm75}).lm75, 31);
    EXPECT_FALSE(ChipMapping::map({core, lm75}).present);
    HwmonChip amd{
        "k10temp", 2, 0, 0xc3, {input(Kind::Temperature, 1, "Tctl", 70), input(Kind::Temperature, 2, "Tdie", 50)}};
    EXPECT_EQ(ChipMapping::map({amd}).lm75, 50);
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
