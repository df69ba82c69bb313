#include "ui/SourcesPage.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../core/PollHarness.h"
#include "monitor/SensorSources.h"

namespace cdx {
namespace {

using Kind = HwmonInput::Kind;

std::vector<SensorInput> desktop()
{
    return {
        {"nct6798-isa-0290/temp1", Kind::Temperature, "SYSTIN", 31, {DriverReading::Wb1Temperature}},
        {"nvme-pci-0100/temp1", Kind::Temperature, "Composite", 38, {}},
        {"nvme-pci-0200/temp1", Kind::Temperature, "Composite", 47, {}},
        {"amdgpu-pci-0300/fan1", Kind::Fan, "fan1", 1450, {}},
        {"nct6798-isa-0290/in0", Kind::Voltage, "Vcore", 0.82, {DriverReading::Core0, DriverReading::Core1}},
    };
}

struct Page {
    Page()
    {
        h.driver.setInputs(desktop());
        page.refresh();
    }
    PollHarness h;
    SensorSources sources{h.settings, h.driver, h.poll, {}};
    SourcesPage page{sources, ","};
};

QStringList items(QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) {
        texts << box.itemText(i);
    }
    return texts;
}

TEST(SourcesPageTest, ListsEveryInputAndOffersEachSlotItsKind)
{
    Page p;
    QTableWidget& table = p.page.inputTable();
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.item(2, 0)->text(), "nvme-pci-0200/temp1");
    EXPECT_EQ(table.item(2, 2)->text(), QString::fromUtf8("47,0 °C"));
    EXPECT_EQ(table.item(0, 3)->text(), "WB1");
    EXPECT_EQ(table.item(4, 3)->text(), "Core");

    QComboBox& wb2 = p.page.slotChoice(SensorSlot::Wb2);
    EXPECT_EQ(wb2.count(), 4); // Automatic and the three temperatures
    EXPECT_EQ(wb2.itemText(0), "Automatic");
    EXPECT_EQ(wb2.currentIndex(), 0);
    EXPECT_TRUE(items(p.page.slotChoice(SensorSlot::Fan3)).filter("amdgpu-pci-0300/fan1").size() == 1);
    EXPECT_EQ(p.page.slotChoice(SensorSlot::Pos12).count(), 2);

    std::vector<QWidget*> controls{&table, &p.page.refreshButton()};
    for (SensorSlot slot : AllSensorSlots) {
        controls.push_back(&p.page.slotChoice(slot));
    }
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0) << control->objectName().toStdString();
    }
}

TEST(SourcesPageTest, AChoiceIsStoredAndBoundAndAGoneInputStaysChosen)
{
    Page p;
    QComboBox& wb2 = p.page.slotChoice(SensorSlot::Wb2);
    wb2.setFocus();
    wb2.setCurrentIndex(wb2.findData(QStringLiteral("nvme-pci-0200/temp1")));
    EXPECT_EQ(p.h.settings.sensorSource(SensorSlot::Wb2), "nvme-pci-0200/temp1");
    EXPECT_EQ(p.h.driver.binding(DriverReading::Wb2Temperature), "nvme-pci-0200/temp1");

    QComboBox& fan3 = p.page.slotChoice(SensorSlot::Fan3);
    fan3.setCurrentIndex(1);
    EXPECT_EQ(p.h.settings.sensorSource(SensorSlot::Fan3), "amdgpu-pci-0300/fan1");

    // The drive removed: the slot keeps its choice, marked, rather than
    // falling back to another input.
    auto without = desktop();
    without.erase(without.begin() + 2);
    p.h.driver.setInputs(without);
    p.page.refresh();
    EXPECT_TRUE(wb2.currentText().contains("not reported")) << wb2.currentText().toStdString();
    EXPECT_EQ(p.h.settings.sensorSource(SensorSlot::Wb2), "nvme-pci-0200/temp1");

    // Back to automatic.
    wb2.setCurrentIndex(0);
    EXPECT_EQ(p.h.settings.sensorSource(SensorSlot::Wb2), "");
    EXPECT_EQ(p.h.driver.binding(DriverReading::Wb2Temperature), "");
}

TEST(SourcesPageTest, ValuesFollowThePollWhileShown)
{
    Page p;
    p.page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.page));
    auto warmer = desktop();
    warmer[2].value = 49;
    p.h.driver.setInputs(warmer);
    p.sources.afterPoll();
    EXPECT_EQ(p.page.inputTable().item(2, 2)->text(), QString::fromUtf8("49,0 °C"));
}

} // namespace
} // namespace cdx
