#pragma once

#include <string_view>

#include <QImage>

#include "settings/Settings.h"

namespace cdx {

// The one off-screen picture every tray temperature icon is drawn in, at each
// of its sizes in turn: 16 pixels high and 16 or 20 wide, and the same
// scaled to the larger heights. An icon takes a copy, so drawing the next
// one never changes one already handed out.
class TrayBitmap {
public:
    TrayBitmap();

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }

    // Sets the size, fills the picture with the style's background and, with
    // `lines`, draws a line in the font colour along the top and the bottom,
    // one pixel thick per 16 of height, each leaving as many pixels of its
    // rows' ends unpainted.
    void prepare(int width, int height, const TrayStyle& style, bool lines);

    // Draws `text` with its top-left corner at (x, y) in the style's font,
    // the glyphs' cells filled with the background first. A size in points is
    // drawn at its height on a 96 dpi screen in the 16 pixel picture and
    // scaled with the picture's height, without smoothing up to 24 pixels, as
    // small icon text must stay sharp.
    void drawText(std::string_view text, int x, int y, const TrayStyle& style);

private:
    QImage m_image;
};

} // namespace cdx
