#include "ui/ProgramIcon.h"

#include <QColor>
#include <QImageReader>
#include <QPainter>
#include <QPen>

namespace cdx {

namespace {

// A dark rounded square with a green dial and a white needle.
QImage drawnDial()
{
    QImage image(ProgramIcon::Size, ProgramIcon::Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1e, 0x2a, 0x38));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    QPen arc(QColor(0x2e, 0xcc, 0x40));
    arc.setWidth(3);
    painter.setPen(arc);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6, 12, 20, 20), 0, 180 * 16);
    QPen needle(Qt::white);
    needle.setWidth(2);
    painter.setPen(needle);
    painter.drawLine(QPointF(16, 22), QPointF(22, 13));
    return image;
}

} // namespace

QImage ProgramIcon::plain()
{
    // data/caldrix.svg drawn at Size x Size: a bitmap needs no image plugin
    // (the SVG one would load Qt Svg at every start for one small picture).
    // The format is named and not detected: detection asks every image
    // plugin installed, loading each of them.
    QImageReader reader(QStringLiteral(":/caldrix/caldrix-32.png"), "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (!image.isNull() && image.size() != QSize(Size, Size)) {
        image = image.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.isNull()) {
        return drawnDial();
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage ProgramIcon::suspended(const QImage& plain)
{
    QImage image = plain.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPainter painter(&image);
    const int badge = image.width() / 2;
    const int left = image.width() - badge;
    const int top = image.height() - badge;
    painter.fillRect(QRect(left, top, badge, badge), QColor(0x20, 0x20, 0x20));
    const int bar = badge / 5;
    const int barTop = top + badge / 5;
    const int barHeight = badge - 2 * (badge / 5);
    painter.fillRect(QRect(left + bar, barTop, bar, barHeight), Qt::white);
    painter.fillRect(QRect(left + 3 * bar, barTop, bar, barHeight), Qt::white);
    return image;
}

} // namespace cdx
