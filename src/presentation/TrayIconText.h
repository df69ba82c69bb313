#pragma once

#include <string>
#include <string_view>

namespace cdx {

// How a gauge's centre label becomes the number drawn in its tray icon: the
// icon's width, the text without its unit, and where the text goes.
class TrayIconText {
public:
    static constexpr int NarrowWidth = 16;
    static constexpr int WideWidth = 20;
    static constexpr int Height = 16;
    // The text's top row.
    static constexpr int TextY = 1;

    // 20 pixels for a label of three digits, or a minus sign and two digits,
    // before its unit; 16 otherwise. `degreeText` is the text the window puts
    // between number and unit ("°" or empty).
    static int bitmapWidth(std::string_view label, std::string_view degreeText);

    // The label without its unit (and without the window's degree text), with
    // "°" appended when the tray shows the degree symbol: "45°C" gives "45°"
    // or "45". A label shorter than its unit gives an empty number.
    static std::string text(std::string_view label, std::string_view degreeText, bool degreeSymbolInTray);

    // The text's left edge: 0 for three characters or more, else 2.
    static int textX(std::string_view text);

    // The pixel height of a font of `points` on a 96 dpi screen, so the icon
    // looks the same whatever the screen's own resolution; at least 1.
    static int fontPixelSize(int points);
};

} // namespace cdx
