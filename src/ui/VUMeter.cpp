#include "ui/VUMeter.h"

#include <cstdlib>

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include "presentation/GaugeGeometry.h"

namespace cdx {

namespace {

QColor toQColor(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Draws a line the way the platform's line primitive does: a one-pixel line
// paints its start point and leaves its end point unpainted whichever way it
// runs, so joined lines paint each pixel once and a line can be painted over
// exactly in another colour. Wider pens draw round-ended strokes.
void drawLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour, int width)
{
    if (width > 1) {
        QPen pen(colour);
        pen.setWidth(width);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(from, to);
        return;
    }
    QList<QPoint> points;
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        points.append(QPoint(x, y));
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    if (points.isEmpty()) {
        return;
    }
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPoints(points.constData(), static_cast<int>(points.size()));
}

QPoint toQPoint(GaugePoint point)
{
    return {point.x, point.y};
}

void drawBevel(QPainter& painter, const GaugeModel& model, const QRect& client)
{
    QColor light = toQColor(0xFFFFFF);
    QColor dark = toQColor(0x808080);
    switch (model.bevelStyle()) {
    case BevelCut::bvNone:
        light = dark = toQColor(model.background());
        break;
    case BevelCut::bvLowered:
    case BevelCut::bvSpace:
        break;
    case BevelCut::bvRaised:
        std::swap(light, dark);
        break;
    }
    const int left = client.left();
    const int top = client.top();
    const int right = client.left() + client.width();
    const int bottom = client.top() + client.height();
    for (int i = 0; i <= model.bevelWidth(); ++i) {
        // Right and bottom edges.
        drawLine(painter, {right - 1 - i, top + i}, {right - 1 - i, bottom - 1 - i}, light, 1);
        drawLine(painter, {right - 1 - i, bottom - 1 - i}, {left - 1 + i, bottom - 1 - i}, light, 1);
        // Top and left edges.
        drawLine(painter, {right - 1 - i, top + i}, {left + i, top + i}, dark, 1);
        drawLine(painter, {left + i, top + i}, {left + i, bottom - i}, dark, 1);
    }
}

void drawArc(QPainter& painter, const GaugeModel& model, const GaugeGeometry& geometry)
{
    QPoint from = toQPoint(geometry.arcPoint(0));
    for (int i = 1; i <= GaugeGeometry::ArcSegments; ++i) {
        const QPoint to = toQPoint(geometry.arcPoint(i));
        drawLine(painter, from, to, toQColor(GaugeGeometry::arcColour(model.arcStyle(), i)), model.arcWidth());
        from = to;
    }
}

void drawNeedle(QPainter& painter, const GaugeModel& model, const GaugeGeometry& geometry, std::uint32_t colour,
                float position, float scale)
{
    drawLine(painter, toQPoint(geometry.centre()), toQPoint(geometry.needleEnd(position, scale)), toQColor(colour),
             model.arrowWidth());
}

void drawLabel(QPainter& painter, const GaugeModel& model)
{
    const GaugeFont& labelFont = model.centerLabelFont();
    QFont font(QString::fromStdString(labelFont.name));
    font.setPixelSize(labelFont.pixelHeight > 0 ? labelFont.pixelHeight : 11);
    font.setBold(labelFont.bold);
    font.setItalic(labelFont.italic);
    font.setUnderline(labelFont.underline);
    font.setStrikeOut(labelFont.strikeOut);
    const QString text = QString::fromStdString(model.centerLabel());
    const QFontMetrics metrics(font);
    const QPoint topLeft(model.centerLabelX(), model.centerLabelY());
    // Opaque text: the glyphs' cells are filled with the background first.
    painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())),
                     toQColor(model.background()));
    painter.setFont(font);
    painter.setPen(toQColor(labelFont.colour));
    painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
}

} // namespace

VUMeter::VUMeter(GaugeModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    resize(80, 40);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QString::fromStdString(m_model.hint()));
    m_model.setOnRepaint([this] { update(); });
    m_model.setOnHintChange([this] { setToolTip(QString::fromStdString(m_model.hint())); });
}

VUMeter::~VUMeter()
{
    m_model.setOnRepaint({});
    m_model.setOnHintChange({});
}

void VUMeter::drawPicture()
{
    GaugePaint kind = m_model.nextPaint();
    if (m_picture.size() != size()) {
        // A new buffer holds no previous picture to draw over.
        m_picture = QImage(size(), QImage::Format_RGB32);
        kind = GaugePaint::Full;
    }
    QPainter painter(&m_picture);
    const QRect client(0, 0, width(), height());
    const GaugeGeometry geometry(width(), height(), m_model.arcWidth());

    if (kind == GaugePaint::Full) {
        painter.fillRect(client, toQColor(m_model.background()));
        drawBevel(painter, m_model, client);
    }
    if (kind != GaugePaint::LabelNeedle) {
        drawArc(painter, m_model, geometry);
    }
    drawNeedle(painter, m_model, geometry, m_model.background(), m_model.shownPosition(), m_model.shownScale());
    drawLabel(painter, m_model);
    // The needle lies over the label.
    drawNeedle(painter, m_model, geometry, m_model.arrowColor(), m_model.position(), m_model.scale());
    m_model.painted();
}

void VUMeter::paintEvent(QPaintEvent* /*event*/)
{
    drawPicture();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void VUMeter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_onClick) {
        m_onClick(*this);
    }
    QWidget::mouseReleaseEvent(event);
}

void VUMeter::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_onDblClick) {
        m_onDblClick(*this);
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace cdx
