#include "ui/VisualLogUpDownPages.h"

#include <QVBoxLayout>

#include "logs/IntervalLog.h"
#include "logs/LogSizeMonitor.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "sensors/VoltageCaption.h"
#include "settings/Settings.h"
#include "ui/GaugeColumn.h"
#include "ui/LogPage.h"
#include "ui/MainWindow.h"
#include "ui/ReadingsGroups.h"
#include "ui/SubPageSelector.h"
#include "ui/SystemTrayPanel.h"
#include "ui/TrayIcons.h"
#include "ui/UpDownPage.h"
#include "ui/VisualPage.h"
#include "ui/VisualSettingsPanel.h"

namespace cdx {

namespace {

// Puts `page` inside the page control's placeholder for its tab.
void install(QWidget& host, QWidget* page)
{
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
}

constexpr std::array<std::pair<VoltageRail, UpDownReading>, 6> kRails{{
    {VoltageRail::Core, UpDownReading::CoreVoltage},
    {VoltageRail::Pos33, UpDownReading::P33Voltage},
    {VoltageRail::Pos5, UpDownReading::P5Voltage},
    {VoltageRail::Neg5, UpDownReading::N5Voltage},
    {VoltageRail::Pos12, UpDownReading::P12Voltage},
    {VoltageRail::Neg12, UpDownReading::N12Voltage},
}};

UpDownReading upDownReading(NamedItem item)
{
    switch (item) {
    case NamedItem::WB1:
        return UpDownReading::WB1;
    case NamedItem::LM75:
        return UpDownReading::LM75;
    case NamedItem::WB2:
        return UpDownReading::WB2;
    case NamedItem::WB3:
        return UpDownReading::WB3;
    case NamedItem::Fan1:
        return UpDownReading::Fan1;
    case NamedItem::Fan2:
        return UpDownReading::Fan2;
    case NamedItem::Fan3:
        break;
    }
    return UpDownReading::Fan3;
}

} // namespace

VisualLogUpDownPages::VisualLogUpDownPages(Parts parts) : m_parts(std::move(parts)), m_names(m_parts.names)
{
    MainWindow& window = m_parts.window;
    m_visual = new VisualPage(m_parts.settings, m_names, m_parts.tray);
    install(window.page(MainWindow::Visual), m_visual);
    m_log = new LogPage(m_parts.settings, m_parts.intervalLog, m_parts.maintenance, m_parts.sizes);
    install(window.page(MainWindow::Log), m_log);
    m_upDown = new UpDownPage(m_parts.statistics,
                              UpDownPage::Actions{.reset = m_parts.resetStatistics, .save = m_parts.saveUpDown});
    install(window.page(MainWindow::UpDown), m_upDown);
    attachNamePlaces();

    m_parts.statistics.setOnLabelsChanged([this](UpDownReading reading) { m_upDown->refresh(reading); });
    window.setReadingsObserver([this](ReadingsPanel::Item item, int) {
        if (item == ReadingsPanel::Item::Polls) {
            m_upDown->setPollsText(m_parts.readings.pollsText());
        }
    });
    m_parts.sizes.setOnLabelsChanged([this] { m_log->refreshSizes(); });
    m_parts.intervalLog.setOnLoggingChanged([this] { m_log->refreshLogging(); });
    m_parts.tray.setOnBoxesChanged([this] { refreshTrayBoxes(); });
}

VisualLogUpDownPages::~VisualLogUpDownPages()
{
    // The services outlive the pages, which the window deletes.
    m_parts.statistics.setOnLabelsChanged({});
    m_parts.window.setReadingsObserver({});
    m_parts.sizes.setOnLabelsChanged({});
    m_parts.intervalLog.setOnLoggingChanged({});
    m_parts.tray.setOnBoxesChanged({});
}

void VisualLogUpDownPages::attachNamePlaces()
{
    for (NamedItem item : kAllNamedItems) {
        m_names.attach(NamePlace::UpDownName, item,
                       [this, item](const std::string& name) { m_upDown->setName(upDownReading(item), name); });
    }
}

void VisualLogUpDownPages::load()
{
    m_visual->load();
    m_log->load();
    m_log->refreshSizes();
    m_upDown->refreshAll();
}

void VisualLogUpDownPages::refreshLabels()
{
    m_visual->refreshLabels();
    m_log->refreshLabels();
    refreshPlus33Name();
    m_names.propagateAll();
}

void VisualLogUpDownPages::refreshPlus33Name()
{
    for (const auto& [rail, reading] : kRails) {
        m_upDown->setName(reading,
                          voltageCaption(rail, m_parts.settings.plus33VoltageNominal, m_parts.decimalSeparator));
    }
}

void VisualLogUpDownPages::resetSelectors()
{
    m_visual->selector().reset();
    m_visual->visualSettings().reset();
    m_log->selector().reset();
}

void VisualLogUpDownPages::refreshTrayBoxes()
{
    m_visual->systemTray().refreshBoxes();
}

} // namespace cdx
