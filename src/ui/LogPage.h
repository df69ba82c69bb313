#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "logs/LogMaintenance.h"

namespace cdx {

class IntervalLog;
class LogSizeMonitor;
class SpinArrows;
class SubPageSelector;
struct Settings;

// The Log tab. Its selector shows "Log General" (the warning log and the
// up-and-down log with their format boxes) or "Interval Log" (the switch, the
// interval and size-limit arrows, the format boxes). Every file has a size
// label and a view button; every group has an erase button.
class LogPage : public QWidget {
    Q_OBJECT
public:
    // Everything passed in must outlive the page.
    LogPage(Settings& settings, IntervalLog& intervalLog, LogMaintenance& maintenance, const LogSizeMonitor& sizes,
            QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    QLabel& sizeLabel(LogFile file) { return *m_sizeLabels[at(file)]; }
    QPushButton& viewButton(LogFile file) { return *m_viewButtons[at(file)]; }
    QPushButton& eraseButton(LogGroup group) { return *m_eraseButtons[static_cast<std::size_t>(group)]; }
    QCheckBox& intervalLogBox() { return *m_intervalLogBox; }
    SpinArrows& intervalArrows() { return *m_intervalArrows; }
    QLabel& intervalLabel() { return *m_intervalLabel; }
    SpinArrows& limitArrows() { return *m_limitArrows; }
    QLabel& limitLabel() { return *m_limitLabel; }

    // Shows what the settings hold (the boxes and the two labels).
    void load();
    // The spin labels as the settings hold them.
    void refreshLabels();
    // The size labels as last measured.
    void refreshSizes();
    // The "Write Interval Log" box and what depends on it, after the log was
    // switched on or off (also by the popup menu or the size limit).
    void refreshLogging();

private:
    static std::size_t at(LogFile file) { return static_cast<std::size_t>(file); }
    QWidget* buildGeneralPanel();
    QWidget* buildIntervalPanel();
    QWidget* fileRow(LogFile file, const char* fileName, QWidget* parent);
    QPushButton* eraseButton(LogGroup group, const QString& what, QWidget* parent);
    QCheckBox* box(const char* objectName, const char* caption, bool& setting, QWidget* parent);

    Settings& m_settings;
    IntervalLog& m_intervalLog;
    LogMaintenance& m_maintenance;
    const LogSizeMonitor& m_sizes;
    SubPageSelector* m_selector = nullptr;
    std::array<QLabel*, 7> m_sizeLabels{};
    std::array<QPushButton*, 7> m_viewButtons{};
    std::array<QPushButton*, 3> m_eraseButtons{};
    std::vector<std::pair<QCheckBox*, bool*>> m_boxes;
    QCheckBox* m_intervalLogBox = nullptr;
    SpinArrows* m_intervalArrows = nullptr;
    QLabel* m_intervalLabel = nullptr;
    SpinArrows* m_limitArrows = nullptr;
    QLabel* m_limitLabel = nullptr;
};

} // namespace cdx
