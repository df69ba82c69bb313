#include "ui/UpDownPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "presentation/UpDownStatistics.h"

namespace cdx {

namespace {

QLabel* valueLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel("0", parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

UpDownPage::UpDownPage(const UpDownStatistics& statistics, Actions actions, QWidget* parent)
    : QWidget(parent), m_statistics(statistics), m_actions(std::move(actions))
{
    setObjectName("UpDownPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);

    auto* values = new QWidget(this);
    values->setObjectName("UDTabValuePanel");
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    int column = 1;
    for (const char* heading : {"Lowest", "Highest", "Average"}) {
        auto* label = new QLabel(heading, values);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, 0, column++);
    }
    for (UpDownReading reading : kAllUpDownReadings) {
        const QString stem = QString::fromUtf8(labelStem(reading).data(), static_cast<int>(labelStem(reading).size()));
        Row& row = m_rows[indexOf(reading)];
        row.name = new QLabel(values);
        row.name->setObjectName("UDTab" + stem + "NameLabel");
        row.low = valueLabel("UDTab" + stem + "LowLabel", values);
        row.high = valueLabel("UDTab" + stem + "HighLabel", values);
        row.average = valueLabel("UDTab" + stem + "AverageLabel", values);
        const int line = static_cast<int>(indexOf(reading)) + 1;
        grid->addWidget(row.name, line, 0);
        grid->addWidget(row.low, line, 1);
        grid->addWidget(row.high, line, 2);
        grid->addWidget(row.average, line, 3);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(values);

    auto* bottom = new QHBoxLayout;
    m_polls = new QLabel("Number of Polls: 0", this);
    m_polls->setObjectName("UDTabPollsLabel");
    bottom->addWidget(m_polls, 1);
    m_reset = new QPushButton("Reset", this);
    m_reset->setObjectName("UDTabResetSpeedButton");
    m_save = new QPushButton("Save", this);
    m_save->setObjectName("UDTabSaveSpeedButton");
    for (QPushButton* button : {m_reset, m_save}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    layout->addLayout(bottom);
    layout->addStretch(1);

    connect(m_reset, &QPushButton::clicked, this, [this] {
        if (m_actions.reset) {
            m_actions.reset();
        }
    });
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (m_actions.save) {
            m_actions.save();
        }
    });
    refreshAll();
}

void UpDownPage::refresh(UpDownReading reading)
{
    const UpDownStatistics::Entry& entry = m_statistics.entry(reading);
    Row& row = m_rows[indexOf(reading)];
    row.low->setText(QString::fromStdString(entry.lowLabel));
    row.high->setText(QString::fromStdString(entry.highLabel));
    row.average->setText(QString::fromStdString(entry.averageLabel));
}

void UpDownPage::refreshAll()
{
    for (UpDownReading reading : kAllUpDownReadings) {
        refresh(reading);
    }
}

void UpDownPage::setPollsText(const std::string& text)
{
    m_polls->setText(QString::fromStdString(text));
}

void UpDownPage::setName(UpDownReading reading, const std::string& name)
{
    m_rows[indexOf(reading)].name->setText(QString::fromStdString(name));
}

} // namespace cdx
