#include "ui/TrayBitmap.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "presentation/TrayColour.h"
#include "presentation/TrayIconText.h"

namespace cdx {

namespace {

// From this height on the glyphs are large enough to be smoothed.
constexpr int SmoothFromHeight = 32;

QColor toQColor(std::uint32_t colour)
{
    return QColor::fromRgb(TrayColour::toArgb(colour));
}

QFont trayFont(const TrayStyle& style, int height)
{
    QFont font(QString::fromStdString(style.fontName));
    font.setPixelSize(std::max(1, TrayIconText::scaled(TrayIconText::fontPixelSize(style.fontSize), height)));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleStrategy(height >= SmoothFromHeight ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

} // namespace

TrayBitmap::TrayBitmap() : m_image(TrayIconText::NarrowWidth, TrayIconText::Height, QImage::Format_RGB32)
{
    m_image.fill(Qt::black);
}

void TrayBitmap::prepare(int width, int height, const TrayStyle& style, bool lines)
{
    if (width != m_image.width() || height != m_image.height()) {
        m_image = QImage(width, height, QImage::Format_RGB32);
    }
    m_image.fill(toQColor(style.background));
    if (lines) {
        const QRgb pen = TrayColour::toArgb(style.fontColour);
        const int thickness = TrayIconText::lineThickness(height);
        for (int row = 0; row < thickness; ++row) {
            for (int x = 0; x < width - thickness; ++x) {
                m_image.setPixel(x, row, pen);
                m_image.setPixel(x, height - 1 - row, pen);
            }
        }
    }
}

void TrayBitmap::drawText(std::string_view text, int x, int y, const TrayStyle& style)
{
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (shown.isEmpty()) {
        return;
    }
    const QFont font = trayFont(style, m_image.height());
    const QFontMetrics metrics(font);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, m_image.height() >= SmoothFromHeight);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), toQColor(style.background));
    painter.setFont(font);
    painter.setPen(toQColor(style.fontColour));
    painter.drawText(QPoint(x, y + metrics.ascent()), shown);
}

} // namespace cdx
