#include "CompanionWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "cpuidle/CpuIdleCompanion.h"

namespace cdx {

CompanionWindow::CompanionWindow(CpuIdleCompanion& companion, QWidget* parent) : QWidget(parent), m_companion(companion)
{
    setWindowTitle(QStringLiteral("CPUIdle"));
    setObjectName(QStringLiteral("CompanionWindow"));

    auto* heading = new QLabel(tr("CPU Idle keeps the processor cool while Caldrix sees it hot."), this);
    heading->setWordWrap(true);
    m_temperature = new QLabel(this);
    m_temperature->setObjectName(QStringLiteral("TemperatureLabel"));
    m_cap = new QLabel(this);
    m_cap->setObjectName(QStringLiteral("FrequencyLabel"));
    m_cap->setWordWrap(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAccessibleName(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_temperature);
    layout->addWidget(m_cap);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(320);
    refresh();
}

void CompanionWindow::refresh()
{
    const QString temperature = QString::fromStdString(m_companion.temperatureText());
    m_temperature->setText(temperature);
    m_temperature->setAccessibleName(temperature);
    const QString cap = QString::fromStdString(m_companion.capText());
    m_cap->setText(cap);
    m_cap->setAccessibleName(cap);
}

} // namespace cdx
