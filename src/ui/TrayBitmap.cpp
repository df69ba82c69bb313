#include "ui/TrayBitmap.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "platform/qt/QtIconImage.h"
#include "presentation/TrayColour.h"
#include "presentation/TrayIconText.h"

namespace cdx {

namespace {

QColor toQColor(std::uint32_t colour)
{
    return QColor::fromRgb(TrayColour::toArgb(colour));
}

QFont trayFont(const TrayStyle& style)
{
    QFont font(QString::fromStdString(style.fontName));
    font.setPixelSize(TrayIconText::fontPixelSize(style.fontSize));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

TrayBitmap::TrayBitmap() : m_image(TrayIconText::NarrowWidth, TrayIconText::Height, QImage::Format_RGB32)
{
    m_image.fill(Qt::black);
}

void TrayBitmap::prepare(int width, const TrayStyle& style, bool lines)
{
    if (width != m_image.width()) {
        m_image = QImage(width, TrayIconText::Height, QImage::Format_RGB32);
    }
    m_image.fill(toQColor(style.background));
    if (lines) {
        const QRgb pen = TrayColour::toArgb(style.fontColour);
        const int bottom = TrayIconText::Height - 1;
        for (int x = 0; x < width - 1; ++x) {
            m_image.setPixel(x, 0, pen);
            m_image.setPixel(x, bottom, pen);
        }
    }
}

void TrayBitmap::drawText(std::string_view text, int x, int y, const TrayStyle& style)
{
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (shown.isEmpty()) {
        return;
    }
    const QFont font = trayFont(style);
    const QFontMetrics metrics(font);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), toQColor(style.background));
    painter.setFont(font);
    painter.setPen(toQColor(style.fontColour));
    painter.drawText(QPoint(x, y + metrics.ascent()), shown);
}

IconHandle TrayBitmap::makeIcon() const
{
    return toIconHandle(m_image);
}

} // namespace cdx
