#include "presentation/GaugeModel.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "presentation/GaugeGeometry.h"

namespace cdx {
namespace {

TEST(GaugeGeometryTest, MainWindowGaugeSizeNeedleAndArc)
{
    const GaugeGeometry geometry(80, 45, 1);
    EXPECT_EQ(geometry.centre(), (GaugePoint{40, 35}));
    EXPECT_EQ(geometry.arcRadiusX(), 20);
    EXPECT_EQ(geometry.arcRadiusY(), 25);
    EXPECT_EQ(geometry.needleRadiusX(), 15);
    EXPECT_EQ(geometry.needleRadiusY(), 20);
    // A wider arc pen pulls the needle in by half its width.
    const GaugeGeometry wide(80, 45, 3);
    EXPECT_EQ(wide.needleRadiusX(), 14);
    EXPECT_EQ(wide.needleRadiusY(), 19);

    EXPECT_EQ(geometry.needleEnd(0.0F, 60.0F), (GaugePoint{25, 35}));
    EXPECT_EQ(geometry.needleEnd(30.0F, 60.0F), (GaugePoint{40, 15}));
    EXPECT_EQ(geometry.needleEnd(60.0F, 60.0F), (GaugePoint{55, 35}));
    // A quarter of the scale: 45 degrees, 15 * cos 45 = 10.6 and 20 * sin 45 = 14.1.
    EXPECT_EQ(geometry.needleEnd(15.0F, 60.0F), (GaugePoint{29, 21}));
    // Odd widths centre on width div 2.
    EXPECT_EQ(GaugeGeometry(81, 40, 1).centre(), (GaugePoint{40, 30}));
    // An unusable scale gives a needle of no length.
    EXPECT_EQ(geometry.needleEnd(10.0F, 0.0F), geometry.centre());
    EXPECT_EQ(geometry.needleEnd(std::numeric_limits<float>::quiet_NaN(), 60.0F), geometry.centre());

    // The arc runs over the upper half from left to right.
    EXPECT_EQ(geometry.arcPoint(0), (GaugePoint{20, 35}));
    EXPECT_EQ(geometry.arcPoint(GaugeGeometry::ArcSegments), (GaugePoint{60, 35}));
    EXPECT_EQ(geometry.arcPoint(128), (GaugePoint{40, 10}));
    for (int i = 1; i <= GaugeGeometry::ArcSegments; ++i) {
        const GaugePoint previous = geometry.arcPoint(i - 1);
        const GaugePoint point = geometry.arcPoint(i);
        EXPECT_GE(point.x, previous.x) << i;
        EXPECT_LE(point.y, 35) << i;
        EXPECT_GE(point.y, 10) << i;
    }
}

TEST(GaugeGeometryTest, ArcGradientsEndInTheirColours)
{
    struct Case {
        ArcStyle style;
        std::uint32_t first;
        std::uint32_t last;
    };
    const Case cases[] = {
        {ArcStyle::AsGreenToRed, 0x00FE01, 0x0000FF},    {ArcStyle::AsBlueToRed, 0xFE0001, 0x0000FF},
        {ArcStyle::AsOceanToPurple, 0xFFFE01, 0xFF00FF}, {ArcStyle::AsAquaToYellow, 0xFEFF01, 0x00FFFF},
        {ArcStyle::AsSimple, 0xFFFFFF, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GaugeGeometry::arcColour(c.style, 1), c.first) << static_cast<int>(c.style);
        EXPECT_EQ(GaugeGeometry::arcColour(c.style, GaugeGeometry::ArcSegments), c.last) << static_cast<int>(c.style);
    }
    // Red at the ends, green in the middle, and always a plain colour.
    EXPECT_EQ(GaugeGeometry::arcColour(ArcStyle::AsRedGreenRed, GaugeGeometry::ArcSegments), 0x0000FFU);
    EXPECT_EQ(GaugeGeometry::arcColour(ArcStyle::AsRedGreenRed, 128), 0x00FE01U);
    for (int i = 1; i <= GaugeGeometry::ArcSegments; ++i) {
        EXPECT_EQ(GaugeGeometry::arcColour(ArcStyle::AsRedGreenRed, i) & 0xFF0000U, 0U);
    }
}

class GaugeModelTest : public ::testing::Test {
protected:
    GaugeModelTest()
    {
        model.setOnRepaint([this] { ++repaints; });
        model.setOnHintChange([this] { ++hintChanges; });
        model.setScale(60.0F);
        model.painted();
        repaints = 0;
    }

    GaugeModel model;
    int repaints = 0;
    int hintChanges = 0;
};

TEST_F(GaugeModelTest, PositionAboveTheScaleIsRefusedAndChangesNothing)
{
    ASSERT_TRUE(model.setPosition(30.0F));
    model.painted();
    repaints = hintChanges = 0;

    EXPECT_FALSE(model.setPosition(61.0F));
    EXPECT_EQ(model.position(), 30.0F);
    EXPECT_EQ(model.hint(), "30");
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(hintChanges, 0);
    EXPECT_EQ(model.shownPosition(), 30.0F);

    // The full scale itself is allowed, and so are values below 0.
    EXPECT_TRUE(model.setPosition(60.0F));
    EXPECT_TRUE(model.setPosition(-5.0F));
    EXPECT_FALSE(model.setPosition(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(model.position(), -5.0F);
}

TEST_F(GaugeModelTest, HintFollowsThePositionOnlyWhileSwitchedOn)
{
    model.setPosition(45.3F);
    EXPECT_EQ(model.hint(), "45.3");
    model.setShowPosInHint(false);
    EXPECT_EQ(model.hint(), "");
    model.setPosition(50.0F);
    EXPECT_EQ(model.hint(), "");
    repaints = 0;
    model.setShowPosInHint(true);
    EXPECT_EQ(model.hint(), "50");
    EXPECT_EQ(repaints, 0);

    GaugeModel comma(",");
    comma.setPosition(2.5F);
    EXPECT_EQ(comma.hint(), "2,5");
}

TEST_F(GaugeModelTest, ScaleMustBeAPositiveNumberAndBevelWidthOneToThree)
{
    EXPECT_FALSE(model.setScale(0.0F));
    EXPECT_FALSE(model.setScale(-10.0F));
    EXPECT_FALSE(model.setScale(std::numeric_limits<float>::infinity()));
    EXPECT_EQ(model.scale(), 60.0F);
    EXPECT_FALSE(model.setBevelWidth(0));
    EXPECT_FALSE(model.setBevelWidth(4));
    EXPECT_EQ(model.bevelWidth(), 1);
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(model.setScale(80.0F));
    EXPECT_EQ(model.scale(), 80.0F);
    EXPECT_TRUE(model.setBevelWidth(3));
    EXPECT_EQ(model.bevelWidth(), 3);
    EXPECT_EQ(repaints, 2);
}

TEST_F(GaugeModelTest, PaintKindIsTheWidestChangeSinceTheLastPaint)
{
    EXPECT_EQ(model.nextPaint(), GaugePaint::Full) << "a paint with nothing pending is full";

    model.setPosition(10.0F);
    EXPECT_EQ(model.nextPaint(), GaugePaint::LabelNeedle);
    model.setArcStyle(ArcStyle::AsBlueToRed);
    EXPECT_EQ(model.nextPaint(), GaugePaint::ArcLabelNeedle);
    model.setPosition(20.0F);
    EXPECT_EQ(model.nextPaint(), GaugePaint::ArcLabelNeedle) << "a later position change keeps the arc";
    model.setCenterLabel("45°C");
    EXPECT_EQ(model.nextPaint(), GaugePaint::Full);
    model.painted();

    model.setScale(80.0F);
    EXPECT_EQ(model.nextPaint(), GaugePaint::ArcLabelNeedle);
    model.painted();
    model.setArrowColor(0x0000FF);
    EXPECT_EQ(model.nextPaint(), GaugePaint::ArcLabelNeedle);
    model.painted();
    model.setBackground(0xFFFFFF);
    EXPECT_EQ(model.nextPaint(), GaugePaint::Full);
}

TEST_F(GaugeModelTest, ShownNeedleIsTheOneLastPainted)
{
    model.setPosition(10.0F);
    model.painted();
    // Several changes before the next paint: the needle to erase is still the
    // one on screen, not an intermediate one.
    model.setPosition(20.0F);
    model.setScale(80.0F);
    model.setPosition(30.0F);
    EXPECT_EQ(model.shownPosition(), 10.0F);
    EXPECT_EQ(model.shownScale(), 60.0F);
    model.painted();
    EXPECT_EQ(model.shownPosition(), 30.0F);
    EXPECT_EQ(model.shownScale(), 80.0F);
}

TEST_F(GaugeModelTest, UnchangedWritesDoNotRepaint)
{
    model.setArcStyle(ArcStyle::AsGreenToRed);
    model.setBevelStyle(BevelCut::bvLowered);
    model.setBackground(0xC0C0C0);
    model.setCenterLabel("");
    model.setCenterLabelFont(GaugeFont{});
    model.setScale(60.0F);
    EXPECT_EQ(repaints, 0);
    model.setPosition(42.0F);
    model.setPosition(42.0F);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(hintChanges, 1);
    GaugeFont font;
    font.pixelHeight = 13;
    model.setCenterLabelFont(font);
    EXPECT_EQ(model.centerLabelFont().pixelHeight, 13);
    EXPECT_EQ(repaints, 2);
}

} // namespace
} // namespace cdx
