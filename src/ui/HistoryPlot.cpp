#include "ui/HistoryPlot.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QAccessible>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "history/SpanDescription.h"
#include "history/SpanSummary.h"
#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"
#include "ui/AccessibilityUpdates.h"
#include "ui/HistoryPlotAccessible.h"
#include "ui/HistoryView.h"

namespace cdx {

namespace {

// One colour per reading, told apart on white.
const std::array<QColor, Readings::ChannelCount> kColours{
    QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
    QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
    QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4),
    QColor(0x2c, 0xa0, 0x2c)};

// The samples of one reading that fall in one pixel column of a plot, in
// the plot's coordinates (a smaller y is higher).
struct PixelColumn {
    bool open = false;
    int index = 0;
    double x = 0.0;
    int samples = 0;
    double first = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    double last = 0.0;
    double bandTop = 0.0;
    double bandBottom = 0.0;
};

constexpr double kLeftMargin = 56.0;
constexpr double kRightMargin = 12.0;
constexpr double kTopMargin = 22.0;
constexpr double kBottomMargin = 20.0;

QString timeText(std::int64_t unixSeconds, const char* format = "HH:mm:ss")
{
    return QDateTime::fromSecsSinceEpoch(unixSeconds).toString(QString::fromLatin1(format));
}

} // namespace

HistoryPlot::HistoryPlot(HistoryGroup group, const HistoryView& view, QWidget* parent)
    : QWidget(parent), m_group(group), m_view(view)
{
    HistoryPlotAccessible::install();
    setObjectName(QStringLiteral("HistoryPlot%1").arg(static_cast<int>(group) + 1));
    setAccessibleName(title(group) + QStringLiteral(" history"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(320, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString HistoryPlot::title(HistoryGroup group)
{
    switch (group) {
    case HistoryGroup::Temperatures:
        return QStringLiteral("Temperatures");
    case HistoryGroup::Voltages:
        return QStringLiteral("Voltages");
    case HistoryGroup::Fans:
        break;
    }
    return QStringLiteral("Fan Speeds");
}

double HistoryPlot::shown(double value) const
{
    if (m_group == HistoryGroup::Temperatures && m_view.display.scale == TemperatureScale::Fahrenheit) {
        return static_cast<double>(toFahrenheit(value));
    }
    return value;
}

std::int64_t HistoryPlot::spanStart() const
{
    return m_view.endSeconds - spanSeconds(m_view.span);
}

std::size_t HistoryPlot::sampleCount() const
{
    const ReadingsHistory& h = *m_view.history;
    if (drawsMinuteBands(m_view.span)) {
        return h.minuteCount() + (m_view.hasOpenMinute ? 1 : 0);
    }
    return h.pointCount();
}

std::int64_t HistoryPlot::sampleTime(std::size_t index) const
{
    const ReadingsHistory& h = *m_view.history;
    if (drawsMinuteBands(m_view.span)) {
        return index < h.minuteCount() ? h.minute(index).startSeconds : m_view.openMinute.startSeconds;
    }
    return h.point(index).unixSeconds;
}

double HistoryPlot::sampleValue(std::size_t index, std::size_t channel) const
{
    const ReadingsHistory& h = *m_view.history;
    if (drawsMinuteBands(m_view.span)) {
        const MinuteBand& band = index < h.minuteCount() ? h.minute(index) : m_view.openMinute;
        return band.counts[channel] > 0 ? static_cast<double>(band.average[channel]) : kNoValue;
    }
    return h.point(index).values[channel];
}

std::optional<std::size_t> HistoryPlot::sampleAt(std::int64_t unixSeconds) const
{
    const std::size_t count = sampleCount();
    if (count == 0) {
        return std::nullopt;
    }
    // The first sample not before the time.
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (sampleTime(mid) < unixSeconds) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (drawsMinuteBands(m_view.span)) {
        // A minute covers its sixty seconds.
        if (low < count && sampleTime(low) == unixSeconds) {
            return low;
        }
        if (low > 0 && unixSeconds < sampleTime(low - 1) + 60) {
            return low - 1;
        }
        return std::nullopt;
    }
    if (low == count) {
        return unixSeconds - sampleTime(count - 1) <= 2 ? std::optional<std::size_t>(count - 1) : std::nullopt;
    }
    if (sampleTime(low) == unixSeconds) {
        return low;
    }
    if (low == 0 || m_view.history->point(low).gapBefore) {
        return std::nullopt; // before the first reading, or in a silence
    }
    return unixSeconds - sampleTime(low - 1) <= sampleTime(low) - unixSeconds ? low - 1 : low;
}

QString HistoryPlot::markerText() const
{
    if (!m_marker) {
        return {};
    }
    const QString when = timeText(*m_marker);
    const auto index = sampleAt(*m_marker);
    if (!index) {
        return when + QStringLiteral(": no readings");
    }
    const SpanDescription text(m_view.display, {});
    const ChannelRange range = channelsOf(m_group);
    const QString unit = QString::fromStdString(" " + text.unit(m_group));
    QStringList values;
    for (std::size_t c = range.first; c < range.first + range.count; ++c) {
        const double v = sampleValue(*index, c);
        if (!hasValue(v)) {
            continue;
        }
        values << QString::fromStdString(m_view.names[c]) + QStringLiteral(" ") +
                      QString::fromStdString(drawsMinuteBands(m_view.span) ? text.averageText(m_group, v)
                                                                           : text.valueText(m_group, v)) +
                      unit;
    }
    const QString at =
        drawsMinuteBands(m_view.span) ? timeText(sampleTime(*index), "HH:mm") : timeText(sampleTime(*index));
    return at + QStringLiteral(": ") + (values.isEmpty() ? QStringLiteral("not available") : values.join(", "));
}

void HistoryPlot::setMarker(std::optional<std::int64_t> unixSeconds)
{
    m_marker = unixSeconds;
    const QString text = markerText();
    setToolTip(text);
    update();
    if (text != m_announced) {
        // A screen reader learns of the move through the description, which
        // is the marker's text while there is one (the summary when it goes).
        m_announced = text;
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        AccessibilityUpdates::send(event);
    }
    emit markerMoved(text);
}

void HistoryPlot::refresh()
{
    const SpanDescription text(m_view.display, [](std::int64_t t) { return timeText(t).toStdString(); });
    const SpanSummary summary = summarizeSpan(*m_view.history, m_view.span, m_view.endSeconds, m_view.display);
    setAccessibleDescription(QString::fromStdString(text.describe(m_group, summary, m_view.names)));
    update();
}

QRectF HistoryPlot::plotArea() const
{
    return QRectF(kLeftMargin, kTopMargin, std::max(10.0, width() - kLeftMargin - kRightMargin),
                  std::max(10.0, height() - kTopMargin - kBottomMargin));
}

HistoryPlot::Range HistoryPlot::valueRange() const
{
    const ChannelRange channels = channelsOf(m_group);
    double low = INFINITY;
    double high = -INFINITY;
    std::array<bool, Readings::ChannelCount> read{};
    const bool bands = drawsMinuteBands(m_view.span);
    const ReadingsHistory& h = *m_view.history;
    const std::int64_t from = spanStart();
    for (std::size_t i = 0; i < sampleCount(); ++i) {
        if (sampleTime(i) + (bands ? 60 : 0) <= from) {
            continue;
        }
        for (std::size_t c = channels.first; c < channels.first + channels.count; ++c) {
            if (bands) {
                const MinuteBand& band = i < h.minuteCount() ? h.minute(i) : m_view.openMinute;
                if (band.counts[c] > 0) {
                    low = std::min(low, static_cast<double>(band.lowest[c]));
                    high = std::max(high, static_cast<double>(band.highest[c]));
                    read[c] = true;
                }
            } else if (const double v = h.point(i).values[c]; hasValue(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
                read[c] = true;
            }
        }
    }
    if (low > high) {
        return {};
    }
    // The marks of the readings drawn, so that a rail never read does not
    // squeeze the others.
    for (std::size_t c = channels.first; c < channels.first + channels.count; ++c) {
        for (const auto& mark : {m_view.marks[c].low, m_view.marks[c].high}) {
            if (mark && read[c]) {
                low = std::min(low, *mark);
                high = std::max(high, *mark);
            }
        }
    }
    low = shown(low);
    high = shown(high);
    const double pad = high > low ? (high - low) * 0.06 : 1.0;
    return {low - pad, high + pad};
}

void HistoryPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const QRectF area = plotArea();
    p.fillRect(area, Qt::white);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(4, 2, kLeftMargin + 80, kTopMargin - 4), Qt::AlignLeft | Qt::AlignVCenter,
               title(m_group) + QStringLiteral(" (") +
                   QString::fromStdString(SpanDescription(m_view.display, {}).unit(m_group)) + QStringLiteral(")"));

    const Range range = valueRange();
    const std::int64_t from = spanStart();
    const double seconds = static_cast<double>(spanSeconds(m_view.span));
    const auto xOf = [&](double t) { return area.left() + (t - static_cast<double>(from)) / seconds * area.width(); };
    const auto yOf = [&](double v) {
        return area.bottom() - (shown(v) - range.low) / (range.high - range.low) * area.height();
    };
    const auto yOfShown = [&](double v) {
        return area.bottom() - (v - range.low) / (range.high - range.low) * area.height();
    };

    // The grid, with the values at the left and the times below.
    const QColor gridColour(0xdd, 0xdd, 0xdd);
    const QFontMetrics metrics(font());
    for (int i = 0; i <= 4; ++i) {
        const double v = range.low + (range.high - range.low) * i / 4.0;
        const double y = yOfShown(v);
        p.setPen(gridColour);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(palette().color(QPalette::WindowText));
        const int decimals = range.high - range.low < 5 ? 2 : 0;
        p.drawText(QRectF(0, y - 8, kLeftMargin - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(formatFixed(v, decimals, m_view.display.decimalSeparator)));
    }
    for (int i = 0; i <= 4; ++i) {
        const double t = static_cast<double>(from) + seconds * i / 4.0;
        const double x = xOf(t);
        p.setPen(gridColour);
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(palette().color(QPalette::WindowText));
        const QString label = timeText(static_cast<std::int64_t>(t), "HH:mm");
        const double w = metrics.horizontalAdvance(label);
        p.drawText(QPointF(std::clamp(x - w / 2, 0.0, width() - w), height() - 5.0), label);
    }

    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, true);
    const ChannelRange channels = channelsOf(m_group);
    const bool bands = drawsMinuteBands(m_view.span);
    const ReadingsHistory& h = *m_view.history;
    const std::size_t count = sampleCount();
    // The first sample in the span.
    std::size_t first = 0;
    while (first < count && sampleTime(first) + (bands ? 60 : 0) <= from) {
        ++first;
    }
    const int bandWidth = std::max(1, static_cast<int>(std::lround(60.0 / seconds * area.width())));
    double legendX = area.left() + 4;
    for (std::size_t c = channels.first; c < channels.first + channels.count; ++c) {
        const QColor colour = kColours[c];
        bool drawn = false;
        QPolygonF line;
        // The day's bands: vertical lines in each pixel column, from the highest to
        // the lowest of the minutes in it, a minute wide.
        QVector<QLine> bandLines;
        const auto flush = [&] {
            if (!bandLines.isEmpty()) {
                QColor fill = colour;
                fill.setAlpha(55);
                // Vertical lines of a one-pixel pen: the cheapest fill there is.
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(fill, 1.0));
                p.drawLines(bandLines);
                p.setRenderHint(QPainter::Antialiasing, true);
                bandLines.clear();
            }
            if (!line.isEmpty()) {
                // One pixel wide: a wider pen takes the slow road through the
                // stroker, ten times the cost of a whole repaint.
                p.setPen(QPen(colour, 1.0));
                p.setBrush(Qt::NoBrush);
                if (line.size() == 1) {
                    p.drawPoint(line.front());
                } else {
                    p.drawPolyline(line);
                }
                line.clear();
            }
        };
        // Samples that fall in one pixel column are drawn as that column's
        // first, lowest, highest and last value: the same picture as every
        // sample, at a cost bounded by the plot's width.
        PixelColumn column;
        const auto closeColumn = [&] {
            if (!column.open) {
                return;
            }
            line << QPointF(column.x, column.first);
            if (column.samples > 1) {
                line << QPointF(column.x, column.top) << QPointF(column.x, column.bottom)
                     << QPointF(column.x, column.last);
            }
            if (bands) {
                const int top = static_cast<int>(std::floor(column.bandTop));
                const int bottom = static_cast<int>(std::ceil(column.bandBottom));
                for (int x = column.index - bandWidth / 2; x < column.index - bandWidth / 2 + bandWidth; ++x) {
                    bandLines << QLine(x, top, x, std::max(top, bottom - 1));
                }
            }
            column.open = false;
        };
        std::int64_t previous = 0;
        for (std::size_t i = first; i < count; ++i) {
            const double v = sampleValue(i, c);
            const std::int64_t t = sampleTime(i);
            const bool joined = i > first && (bands ? t - previous == 60 : !h.point(i).gapBefore);
            previous = t;
            if (!joined || !hasValue(v)) {
                closeColumn();
                flush();
            }
            if (!hasValue(v)) {
                continue;
            }
            drawn = true;
            const double x = xOf(static_cast<double>(t) + (bands ? 30.0 : 0.0));
            const double y = yOf(v);
            const int index = static_cast<int>(std::floor(x));
            if (column.open && index != column.index) {
                closeColumn();
            }
            double bandTop = 0.0;
            double bandBottom = 0.0;
            if (bands) {
                const MinuteBand& band = i < h.minuteCount() ? h.minute(i) : m_view.openMinute;
                bandTop = yOf(band.highest[c]);
                bandBottom = yOf(band.lowest[c]);
            }
            if (!column.open) {
                column = PixelColumn{true, index, x, 0, y, y, y, y, bandTop, bandBottom};
            } else {
                column.top = std::min(column.top, y);
                column.bottom = std::max(column.bottom, y);
                column.last = y;
                column.bandTop = std::min(column.bandTop, bandTop);
                column.bandBottom = std::max(column.bandBottom, bandBottom);
            }
            ++column.samples;
        }
        closeColumn();
        flush();
        // The alarm marks, dashed.
        for (const auto& mark : {m_view.marks[c].low, m_view.marks[c].high}) {
            if (mark && drawn) {
                p.setPen(QPen(colour, 1.0, Qt::DashLine));
                p.drawLine(QPointF(area.left(), yOf(*mark)), QPointF(area.right(), yOf(*mark)));
            }
        }
        if (drawn) {
            // The legend: the user's name in the reading's colour.
            p.setClipping(false);
            const QString name = QString::fromStdString(m_view.names[c]);
            const double x = std::max(legendX, kLeftMargin + 140.0);
            p.fillRect(QRectF(x, 7, 10, 10), colour);
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QPointF(x + 14, 16), name);
            legendX = x + 24 + metrics.horizontalAdvance(name);
            p.setClipRect(area);
        }
    }
    if (first >= count) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area, Qt::AlignCenter, QStringLiteral("No readings in this span"));
    }
    if (m_marker) {
        const double x = xOf(static_cast<double>(*m_marker));
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const QString text = markerText();
        const QRectF box = metrics.boundingRect(text).adjusted(-4, -2, 4, 2);
        const double left = std::max(area.left(), x + 6 + box.width() > area.right() ? x - 6 - box.width() : x + 6);
        const QRectF placed(left, area.top() + 4, box.width(), box.height());
        p.fillRect(placed, QColor(255, 255, 225, 235));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(placed, Qt::AlignCenter, text);
    }
    if (hasFocus()) {
        p.setClipping(false);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.0, Qt::DotLine));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

void HistoryPlot::mouseMoveEvent(QMouseEvent* event)
{
    const QRectF area = plotArea();
    const double x = std::clamp(event->position().x(), area.left(), area.right());
    const double fraction = (x - area.left()) / area.width();
    setMarker(spanStart() + static_cast<std::int64_t>(std::llround(fraction * spanSeconds(m_view.span))));
}

void HistoryPlot::leaveEvent(QEvent*)
{
    if (!hasFocus()) {
        setMarker(std::nullopt);
    }
}

void HistoryPlot::keyPressEvent(QKeyEvent* event)
{
    const std::int64_t step =
        drawsMinuteBands(m_view.span) ? 60 : std::max<std::int64_t>(1, spanSeconds(m_view.span) / 600);
    const std::int64_t start = spanStart();
    const std::int64_t at = m_marker.value_or(m_view.endSeconds);
    switch (event->key()) {
    case Qt::Key_Left:
        setMarker(std::max(start, at - step));
        break;
    case Qt::Key_Right:
        setMarker(std::min(m_view.endSeconds, at + step));
        break;
    case Qt::Key_Home:
        setMarker(start);
        break;
    case Qt::Key_End:
        setMarker(m_view.endSeconds);
        break;
    case Qt::Key_Escape:
        setMarker(std::nullopt);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace cdx
