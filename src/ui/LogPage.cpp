#include "ui/LogPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "logs/IntervalLog.h"
#include "logs/LogSizeMonitor.h"
#include "settings/Settings.h"
#include "ui/SpinArrows.h"
#include "ui/SubPageSelector.h"

namespace cdx {

namespace {

QGroupBox* group(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    return box;
}

const std::string& labelOf(const LogSizeLabels& labels, LogFile file)
{
    switch (file) {
    case LogFile::IntervalTxt:
        return labels.intervalTxt;
    case LogFile::IntervalHtm:
        return labels.intervalHtm;
    case LogFile::IntervalCsv:
        return labels.intervalCsv;
    case LogFile::WarningTxt:
        return labels.warningTxt;
    case LogFile::WarningHtm:
        return labels.warningHtm;
    case LogFile::UpDownTxt:
        return labels.upDownTxt;
    case LogFile::UpDownHtm:
        break;
    }
    return labels.upDownHtm;
}

} // namespace

LogPage::LogPage(Settings& settings, IntervalLog& intervalLog, LogMaintenance& maintenance, const LogSizeMonitor& sizes,
                 QWidget* parent)
    : QWidget(parent), m_settings(settings), m_intervalLog(intervalLog), m_maintenance(maintenance), m_sizes(sizes)
{
    setObjectName("LogPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_selector = new SubPageSelector("LogTabComboBox", "Log page", this);
    m_selector->addEntry("Log General", buildGeneralPanel());
    m_selector->addEntry("Interval Log", buildIntervalPanel());
    layout->addWidget(m_selector);
    load();
    refreshSizes();
}

QCheckBox* LogPage::box(const char* objectName, const char* caption, bool& setting, QWidget* parent)
{
    auto* check = new QCheckBox(QString::fromUtf8(caption), parent);
    check->setObjectName(objectName);
    check->setAccessibleName(check->text().trimmed());
    connect(check, &QCheckBox::toggled, this, [&setting](bool on) { setting = on; });
    m_boxes.emplace_back(check, &setting);
    return check;
}

QWidget* LogPage::fileRow(LogFile file, const char* fileName, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(row);
    label->setObjectName(QString("SizeLabel_") + fileName);
    auto* view = new QPushButton("View", row);
    view->setObjectName(QString("ViewButton_") + fileName);
    view->setAccessibleName(QString("View ") + fileName);
    view->setToolTip(QString("Open ") + fileName);
    view->setAutoDefault(false);
    connect(view, &QPushButton::clicked, this, [this, file] { m_maintenance.viewLog(file); });
    layout->addWidget(label, 1);
    layout->addWidget(view);
    m_sizeLabels[at(file)] = label;
    m_viewButtons[at(file)] = view;
    return row;
}

QPushButton* LogPage::eraseButton(LogGroup group, const QString& what, QWidget* parent)
{
    auto* erase = new QPushButton("Erase", parent);
    erase->setObjectName("EraseButton_" + QString(what).remove(' '));
    erase->setAccessibleName("Erase " + what);
    erase->setToolTip("Erase the " + what + " files");
    erase->setAutoDefault(false);
    connect(erase, &QPushButton::clicked, this, [this, group] { m_maintenance.eraseLog(group); });
    m_eraseButtons[static_cast<std::size_t>(group)] = erase;
    return erase;
}

QWidget* LogPage::buildGeneralPanel()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    QGroupBox* warnings = group("Warning Log", panel);
    warnings->layout()->addWidget(
        box("CheckBox41", "Write Warnings to Log File", m_settings.warningLogEnabled, warnings));
    warnings->layout()->addWidget(fileRow(LogFile::WarningTxt, "cdxwarnlog.txt", warnings));
    warnings->layout()->addWidget(fileRow(LogFile::WarningHtm, "cdxwarnlog.htm", warnings));
    warnings->layout()->addWidget(eraseButton(LogGroup::Warning, "Warning Log", warnings));
    layout->addWidget(warnings);

    QGroupBox* upDown = group("Up/Down Log", panel);
    upDown->layout()->addWidget(
        box("CheckBox39", "Save Up/Down Log when Exiting", m_settings.saveUpDownOnExit, upDown));
    upDown->layout()->addWidget(fileRow(LogFile::UpDownTxt, "updown.txt", upDown));
    upDown->layout()->addWidget(fileRow(LogFile::UpDownHtm, "updown.htm", upDown));
    upDown->layout()->addWidget(eraseButton(LogGroup::UpDown, "Up and Down Log", upDown));
    layout->addWidget(upDown);

    QGroupBox* formats = group("Write Warning and Up/Down Log as:", panel);
    auto* row = new QHBoxLayout;
    row->addWidget(box("CheckBox6", "TXT", m_settings.warnUpDownTxt, formats));
    row->addWidget(box("CheckBox79", "HTML", m_settings.warnUpDownHtml, formats));
    static_cast<QVBoxLayout*>(formats->layout())->addLayout(row);
    layout->addWidget(formats);
    layout->addStretch(1);
    return panel;
}

QWidget* LogPage::buildIntervalPanel()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    QGroupBox* log = group("Interval Log", panel);
    m_intervalLogBox = new QCheckBox("Write Interval Log", log);
    m_intervalLogBox->setObjectName("CheckBox37");
    m_intervalLogBox->setAccessibleName("Write Interval Log");
    connect(m_intervalLogBox, &QCheckBox::clicked, this, [this](bool on) { m_intervalLog.setLogging(on); });
    log->layout()->addWidget(m_intervalLogBox);

    auto* interval = new QHBoxLayout;
    m_intervalArrows = new SpinArrows("SpinButton16", "Log interval", log);
    m_intervalLabel = new QLabel(log);
    m_intervalLabel->setObjectName("Label87");
    interval->addWidget(m_intervalArrows);
    interval->addWidget(m_intervalLabel, 1);
    static_cast<QVBoxLayout*>(log->layout())->addLayout(interval);
    connect(m_intervalArrows, &SpinArrows::upClicked, this, [this] {
        m_maintenance.intervalUp();
        refreshLabels();
    });
    connect(m_intervalArrows, &SpinArrows::downClicked, this, [this] {
        m_maintenance.intervalDown();
        refreshLabels();
    });

    auto* limit = new QHBoxLayout;
    m_limitArrows = new SpinArrows("LogSizeLimitSpinButton", "Log size limit", log);
    m_limitLabel = new QLabel(log);
    m_limitLabel->setObjectName("Label89");
    limit->addWidget(m_limitArrows);
    limit->addWidget(m_limitLabel, 1);
    static_cast<QVBoxLayout*>(log->layout())->addLayout(limit);
    connect(m_limitArrows, &SpinArrows::upClicked, this, [this] {
        m_maintenance.limitUp();
        refreshLabels();
    });
    connect(m_limitArrows, &SpinArrows::downClicked, this, [this] {
        m_maintenance.limitDown();
        refreshLabels();
    });

    log->layout()->addWidget(fileRow(LogFile::IntervalTxt, "cdxlog.txt", log));
    log->layout()->addWidget(fileRow(LogFile::IntervalHtm, "cdxlog.htm", log));
    log->layout()->addWidget(fileRow(LogFile::IntervalCsv, "cdxlog.csv", log));
    log->layout()->addWidget(eraseButton(LogGroup::Interval, "Interval Log", log));
    layout->addWidget(log);

    QGroupBox* formats = group("Write Interval Log as:", panel);
    auto* row = new QHBoxLayout;
    row->addWidget(box("CheckBox4", "TXT", m_settings.logTxt, formats));
    row->addWidget(box("CheckBox7", "HTML", m_settings.logHtml, formats));
    row->addWidget(box("CheckBox84", "CSV ", m_settings.logCsv, formats));
    static_cast<QVBoxLayout*>(formats->layout())->addLayout(row);
    layout->addWidget(formats);
    layout->addStretch(1);
    return panel;
}

void LogPage::load()
{
    for (auto& [check, setting] : m_boxes) {
        const bool value = *setting;
        check->setChecked(value);
    }
    refreshLogging();
    refreshLabels();
}

void LogPage::refreshLabels()
{
    m_intervalLabel->setText(QString::fromStdString(m_maintenance.intervalLabel()));
    m_limitLabel->setText(QString::fromStdString(m_maintenance.limitLabel()));
}

void LogPage::refreshSizes()
{
    for (std::size_t i = 0; i < m_sizeLabels.size(); ++i) {
        m_sizeLabels[i]->setText(QString::fromStdString(labelOf(m_sizes.labels(), static_cast<LogFile>(i))));
    }
}

void LogPage::refreshLogging()
{
    m_intervalLogBox->setChecked(m_intervalLog.logging());
    const bool editable = m_intervalLog.intervalControlsEnabled();
    m_intervalArrows->setEnabled(editable);
    m_intervalLabel->setEnabled(editable);
}

} // namespace cdx
