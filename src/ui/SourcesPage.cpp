#include "ui/SourcesPage.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <utility>

#include "monitor/SensorSources.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

SourcesPage::SourcesPage(SensorSources& sources, std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), m_sources(sources), m_decimalSeparator(std::move(decimalSeparator))
{
    setObjectName("SourcesPage");
    setAccessibleName("Sources");
    auto* layout = new QVBoxLayout(this);

    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName("SourcesInputTable");
    m_table->setAccessibleName("Sensor inputs");
    m_table->setHorizontalHeaderLabels({"Input", "Label", "Value", "Feeds"});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setTabKeyNavigation(false);
    layout->addWidget(m_table, 1);

    auto* form = new QFormLayout;
    for (SensorSlot slot : AllSensorSlots) {
        auto* choice = new QComboBox(this);
        const QString name = text(sensorSlotName(slot));
        choice->setObjectName("SourceChoice " + name);
        choice->setAccessibleName("Source " + name);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        auto* label = new QLabel("&" + name + ":", this);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(choice);
        form->addRow(label, choice);
        m_choices[static_cast<std::size_t>(slot)] = choice;
        connect(choice, &QComboBox::currentIndexChanged, this, [this, slot] { chosen(slot); });
    }
    layout->addLayout(form);

    m_refresh = new QPushButton("&Refresh", this);
    m_refresh->setObjectName("SourcesRefreshButton");
    m_refresh->setAccessibleName("Refresh the inputs");
    connect(m_refresh, &QPushButton::clicked, this, &SourcesPage::refresh);
    layout->addWidget(m_refresh, 0, Qt::AlignLeft);

    // The values follow each poll while the page is shown.
    m_sources.setPolledListener([page = QPointer<SourcesPage>(this)] {
        if (page != nullptr && page->isVisible()) {
            page->refreshValues();
        }
    });
}

void SourcesPage::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void SourcesPage::refreshValues()
{
    fillTable(m_sources.inputs());
}

void SourcesPage::fillTable(const std::vector<SensorInput>& inputs)
{
    m_table->setRowCount(static_cast<int>(inputs.size()));
    for (std::size_t row = 0; row < inputs.size(); ++row) {
        const SensorInput& input = inputs[row];
        const QStringList cells{text(input.source), text(input.label),
                                text(SensorSources::valueText(input, m_decimalSeparator)),
                                text(SensorSources::slotsFed(input))};
        for (int column = 0; column < cells.size(); ++column) {
            // Items are kept, so a poll leaves the selection where the user put it.
            if (QTableWidgetItem* item = m_table->item(static_cast<int>(row), column)) {
                item->setText(cells[column]);
            } else {
                m_table->setItem(static_cast<int>(row), column, new QTableWidgetItem(cells[column]));
            }
        }
    }
    m_table->resizeColumnsToContents();
}

void SourcesPage::refresh()
{
    const std::vector<SensorInput> inputs = m_sources.inputs();
    fillTable(inputs);

    m_filling = true;
    const Settings& settings = m_sources.settings();
    for (SensorSlot slot : AllSensorSlots) {
        QComboBox& choice = slotChoice(slot);
        choice.clear();
        choice.addItem("Automatic", QString());
        for (const SensorInput& input : inputs) {
            if (input.kind == sensorSlotKind(slot)) {
                choice.addItem(text(input.source) + "  " + text(input.label) + "  " +
                                   text(SensorSources::valueText(input, m_decimalSeparator)),
                               text(input.source));
            }
        }
        const QString stored = text(settings.sensorSource(slot));
        int index = choice.findData(stored);
        if (index < 0) {
            // A chosen input that is gone stays chosen until the user picks another.
            choice.addItem(stored + "  (not reported)", stored);
            index = choice.count() - 1;
        }
        choice.setCurrentIndex(index);
    }
    m_filling = false;
}

void SourcesPage::chosen(SensorSlot slot)
{
    if (m_filling) {
        return;
    }
    const QString source = slotChoice(slot).currentData().toString();
    m_sources.choose(slot, source.toStdString());
}

} // namespace cdx
