#pragma once

#include <vector>

#include <QImage>
#include <QString>

namespace cdx {

// Tray icons made big enough to see: each enlarged with its pixels kept
// square and sharp, and all of them side by side with a caption under each.
class IconSheet {
public:
    static constexpr int Zoom = 4;

    // The icon `Zoom` times as wide and high, every pixel a block of the same
    // colour.
    static QImage enlarged(const QImage& icon);

    // Appends an enlarged icon to the strip.
    void add(const QString& caption, const QImage& enlargedIcon);
    // The icons in the order added, centred in their columns and on one
    // middle line, the captions below.
    QImage strip() const;

private:
    struct Tile {
        QString caption;
        QImage image;
    };

    std::vector<Tile> m_tiles;
};

} // namespace cdx
