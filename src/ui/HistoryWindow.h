#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "history/HistoryGroup.h"
#include "ui/HistoryView.h"

namespace cdx {

class HistoryPlot;

// The "Caldrix History" window: the temperatures, voltages and fan speeds
// over the last 10 minutes, hour or 24 hours, stacked, and "Save Picture".
// It reads the history it is given each time it redraws.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    struct Parts {
        const ReadingsHistory& history;
        std::function<std::int64_t()> nowSeconds;
        std::function<TemperatureDisplay()> display;
        std::function<std::array<std::string, Readings::ChannelCount>()> names;
        std::function<AlarmMarks()> marks;
        // Asks where to save the picture; empty: not saved. None: a file dialog.
        std::function<QString()> choosePictureFile;
    };

    explicit HistoryWindow(Parts parts, QWidget* parent = nullptr);

    // Shows the window (raised) and draws what there is now.
    void open();
    // Takes in the latest poll, the names, the unit and the marks.
    void refresh();

    void setSpan(HistorySpan span);
    HistorySpan span() const { return m_view.span; }
    HistoryPlot& plot(HistoryGroup group) { return *m_plots[static_cast<std::size_t>(group)]; }
    QComboBox& spanChoice() { return *m_spanChoice; }
    QPushButton& saveButton() { return *m_save; }
    QLabel& markerLabel() { return *m_markerLabel; }

    // Writes the window's picture as a PNG; false when that failed.
    bool savePicture(const QString& path);

private:
    void saveClicked();

    Parts m_parts;
    HistoryView m_view;
    QComboBox* m_spanChoice = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_markerLabel = nullptr;
    std::array<HistoryPlot*, 3> m_plots{};
};

} // namespace cdx
