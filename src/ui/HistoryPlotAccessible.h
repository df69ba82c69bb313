#pragma once

#include <QAccessibleWidget>

namespace cdx {

class HistoryPlot;

// What a screen reader sees of a history plot: a chart named after its
// readings whose description is the span's summary, or, while the marker is
// shown, the marker's time and values; its value is the marker's text.
class HistoryPlotAccessible : public QAccessibleWidget {
public:
    explicit HistoryPlotAccessible(HistoryPlot* plot);

    QString text(QAccessible::Text t) const override;

    // Makes every history plot answer through this interface.
    static void install();

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    HistoryPlot* plot() const;
};

} // namespace cdx
