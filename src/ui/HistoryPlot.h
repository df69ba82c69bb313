#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QWidget>

#include "history/HistoryGroup.h"

namespace cdx {

struct HistoryView;

// One plot of the History window: every reading of its group a line in its
// own colour (the day's span: the minute band from lowest to highest, the
// average as the line), the alarm marks dashed, a legend of the user's names.
// The mouse, or the arrow keys, move a marker whose time and values show in
// a label, and a screen reader is told each move.
class HistoryPlot : public QWidget {
    Q_OBJECT
public:
    HistoryPlot(HistoryGroup group, const HistoryView& view, QWidget* parent = nullptr);

    HistoryGroup group() const { return m_group; }
    // The plot's title: "Temperatures", "Voltages", "Fan Speeds".
    static QString title(HistoryGroup group);

    // The marker: at a time (Unix seconds), or none.
    void setMarker(std::optional<std::int64_t> unixSeconds);
    std::optional<std::int64_t> marker() const { return m_marker; }
    // What the marker shows: the time and each reading's value there, or
    // that there were no readings at that time.
    QString markerText() const;
    // The view changed (a poll, the span, the unit): redraws and renews the
    // accessible description.
    void refresh();

    QSize sizeHint() const override { return {640, 180}; }

signals:
    // The marker moved: its text (empty when it went).
    void markerMoved(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Range {
        double low = 0.0;
        double high = 1.0;
    };
    QRectF plotArea() const;
    double shown(double value) const; // in the unit on screen
    Range valueRange() const;
    std::int64_t spanStart() const;
    // The sample (point or minute) nearest `unixSeconds`, or none when the
    // time lies in a stretch without readings.
    std::optional<std::size_t> sampleAt(std::int64_t unixSeconds) const;
    std::int64_t sampleTime(std::size_t index) const;
    std::size_t sampleCount() const;
    double sampleValue(std::size_t index, std::size_t channel) const;

    HistoryGroup m_group;
    const HistoryView& m_view;
    std::optional<std::int64_t> m_marker;
    // The marker's text as last told to assistive technology.
    QString m_announced;
};

} // namespace cdx
