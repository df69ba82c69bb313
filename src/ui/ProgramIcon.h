#pragma once

#include <QImage>

namespace cdx {

// The program's own icon, as the tray shows it while no temperature has an
// icon of its own, and its suspended variant shown while polling is paused.
class ProgramIcon {
public:
    static constexpr int Size = 32;

    // The program icon from the window's resources, Size x Size. If it cannot
    // be read, a plain drawn dial takes its place so the tray is never blank.
    static QImage plain();

    // `plain` in shades of grey with a pause mark (two white bars on a dark
    // badge) in the lower right corner.
    static QImage suspended(const QImage& plain);
};

} // namespace cdx
