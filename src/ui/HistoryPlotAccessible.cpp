#include "ui/HistoryPlotAccessible.h"

#include "ui/HistoryPlot.h"

namespace cdx {

HistoryPlotAccessible::HistoryPlotAccessible(HistoryPlot* plot) : QAccessibleWidget(plot, QAccessible::Chart)
{
}

HistoryPlot* HistoryPlotAccessible::plot() const
{
    return static_cast<HistoryPlot*>(widget());
}

QString HistoryPlotAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return plot()->markerText();
    case QAccessible::Description:
        if (plot()->marker()) {
            return plot()->markerText();
        }
        break;
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* HistoryPlotAccessible::create(const QString&, QObject* object)
{
    if (auto* plot = qobject_cast<HistoryPlot*>(object)) {
        return new HistoryPlotAccessible(plot);
    }
    return nullptr;
}

void HistoryPlotAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&HistoryPlotAccessible::create);
        return true;
    }();
    (void)installed;
}

} // namespace cdx
