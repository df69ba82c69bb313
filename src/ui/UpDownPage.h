#pragma once

#include <array>
#include <functional>
#include <string>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "presentation/UpDownReading.h"

namespace cdx {

class UpDownStatistics;

// The "Up's & Downs" page: for each of the thirteen readings its name and its
// lowest, highest and average value since the last reset, the number of polls,
// and the "Reset" and "Save" buttons.
class UpDownPage : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> reset; // UDTabResetSpeedButtonClick
        std::function<void()> save;  // UDTabSaveSpeedButtonClick
    };

    // The statistics must outlive the page.
    UpDownPage(const UpDownStatistics& statistics, Actions actions, QWidget* parent = nullptr);

    QLabel& nameLabel(UpDownReading reading) { return *m_rows[indexOf(reading)].name; }
    QLabel& lowLabel(UpDownReading reading) { return *m_rows[indexOf(reading)].low; }
    QLabel& highLabel(UpDownReading reading) { return *m_rows[indexOf(reading)].high; }
    QLabel& averageLabel(UpDownReading reading) { return *m_rows[indexOf(reading)].average; }
    QLabel& pollsLabel() { return *m_polls; }
    QPushButton& resetButton() { return *m_reset; }
    QPushButton& saveButton() { return *m_save; }

    // Shows a reading's labels as the statistics hold them.
    void refresh(UpDownReading reading);
    void refreshAll();
    // "Number of Polls: " and the count, as the poll wrote it.
    void setPollsText(const std::string& text);
    void setName(UpDownReading reading, const std::string& name);

private:
    struct Row {
        QLabel* name = nullptr;
        QLabel* low = nullptr;
        QLabel* high = nullptr;
        QLabel* average = nullptr;
    };

    const UpDownStatistics& m_statistics;
    Actions m_actions;
    std::array<Row, kUpDownReadingCount> m_rows{};
    QLabel* m_polls = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace cdx
