#pragma once

#include <string_view>

#include <QImage>

#include "platform/IconImage.h"
#include "settings/Settings.h"

namespace cdx {

// The one off-screen picture every tray temperature icon is drawn in: 16
// pixels high, 16 or 20 wide. Each icon is a copy of it, so drawing the next
// icon never changes one already handed out.
class TrayBitmap {
public:
    TrayBitmap();

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }

    // Sets the width, fills the picture with the style's background and, with
    // `lines`, draws a line in the font colour along the top and the bottom
    // row, each leaving the last pixel of its row unpainted.
    void prepare(int width, const TrayStyle& style, bool lines);

    // Draws `text` with its top-left corner at (x, y) in the style's font,
    // the glyphs' cells filled with the background first. A size in points is
    // drawn at its height on a 96 dpi screen, without smoothing, as small
    // icon text must stay sharp.
    void drawText(std::string_view text, int x, int y, const TrayStyle& style);

    // A new opaque icon: a copy of the picture.
    IconHandle makeIcon() const;

private:
    QImage m_image;
};

} // namespace cdx
