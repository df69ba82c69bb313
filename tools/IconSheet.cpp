#include "IconSheet.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace cdx {

namespace {

constexpr int kMargin = 12;
constexpr int kCaptionGap = 6;
const QColor kPaper(0xF4, 0xF4, 0xF4);

QFont captionFont()
{
    QFont font("Arial");
    font.setPixelSize(12);
    return font;
}

} // namespace

QImage IconSheet::enlarged(const QImage& icon)
{
    // Fast transformation is nearest neighbour: no blur between pixels.
    return icon.scaled(icon.width() * Zoom, icon.height() * Zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void IconSheet::add(const QString& caption, const QImage& enlargedIcon)
{
    m_tiles.push_back({caption, enlargedIcon});
}

QImage IconSheet::strip() const
{
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    int width = kMargin;
    int iconHeight = 0;
    std::vector<int> columns;
    for (const Tile& tile : m_tiles) {
        const int column = std::max(tile.image.width(), metrics.horizontalAdvance(tile.caption));
        columns.push_back(column);
        width += column + kMargin;
        iconHeight = std::max(iconHeight, tile.image.height());
    }
    const int height = kMargin + iconHeight + kCaptionGap + metrics.height() + kMargin;

    QImage sheet(std::max(width, 1), height, QImage::Format_ARGB32);
    sheet.fill(kPaper);
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int x = kMargin;
    for (std::size_t i = 0; i < m_tiles.size(); ++i) {
        const Tile& tile = m_tiles[i];
        const int column = columns[i];
        painter.drawImage(x + (column - tile.image.width()) / 2, kMargin + (iconHeight - tile.image.height()) / 2,
                          tile.image);
        const QRect captionBox(x, kMargin + iconHeight + kCaptionGap, column, metrics.height());
        painter.drawText(captionBox, Qt::AlignHCenter | Qt::AlignTop, tile.caption);
        x += column + kMargin;
    }
    return sheet;
}

} // namespace cdx
