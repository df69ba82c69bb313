#include "ui/VUMeter.h"

#include <algorithm>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "presentation/GaugeGeometry.h"

namespace cdx {
namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Blue(0, 0, 0xFF);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0x80, 0x80, 0x80);

// A gauge as the main window makes it: 80 x 45, scale 60, label "00" at (4, 4).
class VUMeterTest : public ::testing::Test {
protected:
    VUMeterTest() : meter(model)
    {
        meter.resize(80, 45);
        model.setPosition(1.0F);
        model.setScale(60.0F);
        model.setShowPosInHint(false);
        model.setCenterLabel("00");
        model.setCenterLabelX(4);
        model.setCenterLabelY(4);
    }

    // Paints as the window system would and returns the picture.
    QImage paint()
    {
        meter.grab();
        return meter.picture();
    }

    static QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

    GaugeModel model;
    VUMeter meter;
};

TEST_F(VUMeterTest, NeedlePointsByPositionAndTheOldOneIsErased)
{
    model.setPosition(30.0F);
    QImage image = paint();
    // Straight up from the arc centre (40, 35) to (40, 15).
    for (int y = 16; y <= 35; ++y) {
        EXPECT_EQ(at(image, 40, y), Blue) << "y " << y;
    }

    model.setPosition(0.0F);
    image = paint();
    EXPECT_EQ(at(image, 40, 20), Silver) << "old needle erased";
    EXPECT_EQ(at(image, 30, 35), Blue) << "needle to the left";
    EXPECT_EQ(at(image, 26, 35), Blue);

    model.setPosition(60.0F);
    image = paint();
    EXPECT_EQ(at(image, 30, 35), Silver);
    EXPECT_EQ(at(image, 50, 35), Blue) << "needle to the right";

    // Above the scale the needle stays where it was.
    model.setPosition(30.0F);
    paint();
    model.setPosition(61.0F);
    image = paint();
    EXPECT_EQ(at(image, 40, 25), Blue);
    EXPECT_EQ(at(image, 50, 35), Silver);
}

TEST_F(VUMeterTest, ArcShowsItsGradientFromLeftToRight)
{
    QImage image = paint();
    const GaugeGeometry geometry(80, 45, 1);
    const QColor left = at(image, 20, 34);
    EXPECT_GT(left.green(), 0xE0);
    EXPECT_LT(left.red(), 0x20);
    const QColor right = at(image, 60, 34);
    EXPECT_GT(right.red(), 0xE0);
    EXPECT_LT(right.green(), 0x20);
    const QColor top = at(image, 40, 10);
    EXPECT_NEAR(top.red(), 0x80, 4);
    EXPECT_NEAR(top.green(), 0x80, 4);
    EXPECT_EQ(top.blue(), 0);
    EXPECT_EQ(at(image, 40, 9), Silver);
    EXPECT_EQ(at(image, 40, 11), Silver);

    // A style change redraws the arc at once.
    model.setArcStyle(ArcStyle::AsBlueToRed);
    image = paint();
    EXPECT_GT(at(image, 20, 34).blue(), 0xE0);
    EXPECT_NEAR(at(image, 40, 10).blue(), 0x80, 4);
    EXPECT_EQ(at(image, 40, 10).green(), 0);
}

TEST_F(VUMeterTest, BevelRingsFollowTheBevelWidth)
{
    QImage image = paint();
    // Lowered: dark top and left edges, light right and bottom edges; two rings.
    EXPECT_EQ(at(image, 0, 20), Grey);
    EXPECT_EQ(at(image, 1, 20), Grey);
    EXPECT_EQ(at(image, 2, 20), Silver);
    EXPECT_EQ(at(image, 20, 0), Grey);
    EXPECT_EQ(at(image, 79, 20), White);
    EXPECT_EQ(at(image, 20, 44), White);
    EXPECT_EQ(at(image, 78, 20), White);
    EXPECT_EQ(at(image, 77, 20), Silver);

    model.setBevelWidth(3);
    image = paint();
    EXPECT_EQ(at(image, 3, 20), Grey);
    EXPECT_EQ(at(image, 4, 20), Silver);
    EXPECT_EQ(at(image, 76, 20), White);
    EXPECT_EQ(at(image, 75, 20), Silver);

    model.setBevelStyle(BevelCut::bvRaised);
    image = paint();
    EXPECT_EQ(at(image, 0, 20), White);
    EXPECT_EQ(at(image, 79, 20), Grey);
}

TEST_F(VUMeterTest, ShorterLabelLeavesNothingOfTheLongerOne)
{
    auto inkRight = [](const QImage& image) {
        int right = -1;
        for (int y = 4; y < 18; ++y) {
            for (int x = 4; x < 40; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::max({c.red(), c.green(), c.blue()}) < 0x60) {
                    right = std::max(right, x);
                }
            }
        }
        return right;
    };
    model.setCenterLabel("105°C");
    const int longRight = inkRight(paint());
    model.setCenterLabel("5°C");
    model.setPosition(20.0F);
    const int shortRight = inkRight(paint());
    EXPECT_GT(longRight, 20) << "the label is drawn";
    EXPECT_LT(shortRight, longRight - 8);
}

TEST_F(VUMeterTest, RepaintAfterResizeIsFull)
{
    paint();
    meter.resize(100, 60);
    model.setPosition(30.0F);
    const QImage image = paint();
    ASSERT_EQ(image.size(), QSize(100, 60));
    EXPECT_EQ(at(image, 0, 30), Grey);
    EXPECT_EQ(at(image, 50, 40), Blue) << "needle from the new centre (50, 50)";
}

TEST_F(VUMeterTest, HintIsTheToolTip)
{
    model.setShowPosInHint(true);
    EXPECT_EQ(meter.toolTip(), "1");
    model.setPosition(45.5F);
    EXPECT_EQ(meter.toolTip(), "45.5");
    model.setShowPosInHint(false);
    EXPECT_EQ(meter.toolTip(), "");
}

} // namespace
} // namespace cdx
