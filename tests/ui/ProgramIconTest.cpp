#include "ui/ProgramIcon.h"

#include <algorithm>
#include <cstdlib>

#include <QImageReader>
#include <gtest/gtest.h>

namespace cdx {
namespace {

// The program carries its icon as a bitmap drawn from data/caldrix.svg; after
// an edit of the SVG the bitmap must be drawn again (see README, "For developers").
TEST(ProgramIconTest, TheBundledBitmapMatchesTheScalableIcon)
{
    QImageReader reader(QStringLiteral(CALDRIX_SOURCE_DIR "/data/caldrix.svg"));
    reader.setScaledSize(QSize(ProgramIcon::Size, ProgramIcon::Size));
    const QImage drawn = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(drawn.isNull()) << reader.errorString().toStdString() << " (is the Qt SVG image plugin installed?)";

    const QImage bundled = ProgramIcon::plain();
    ASSERT_EQ(bundled.size(), drawn.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = bundled.pixel(x, y);
            const int worst = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            differing += worst > 8 ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "data/caldrix-32.png no longer shows data/caldrix.svg";
}

} // namespace
} // namespace cdx
