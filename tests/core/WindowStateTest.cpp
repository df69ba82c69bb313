#include "presentation/WindowState.h"

#include <gtest/gtest.h>

#include "presentation/GaugeStack.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

constexpr WindowState::Screen kScreen{1024, 768};

TEST(GaugeStackTest, VisiblePanelsStackFromTheTopWithoutGaps)
{
    const GaugeStack all = GaugeStack::restackGauges({true, true, true, true});
    EXPECT_EQ(all.tops, (std::array<int, 4>{8, 70, 132, 194}));
    EXPECT_EQ(all.compactHeight, 286);

    const GaugeStack lm75AndWb3 = GaugeStack::restackGauges({false, true, false, true});
    EXPECT_EQ(lm75AndWb3.tops, (std::array<int, 4>{GaugeStack::HiddenTop, 8, GaugeStack::HiddenTop, 70}));
    EXPECT_EQ(lm75AndWb3.compactHeight, 162);

    EXPECT_EQ(GaugeStack::restackGauges({false, false, false, false}).compactHeight, 70);
    EXPECT_EQ(GaugeStack::restackGauges({false, false, true, false}).compactHeight, 100);
}

class WindowStateTest : public ::testing::Test {
protected:
    Settings settings;
    WindowState state{settings};
};

TEST_F(WindowStateTest, ShowOpensCompactOnTopAndShowExpandOpensANormalWindow)
{
    settings.windowLeft = 100;
    settings.windowTop = 50;
    EXPECT_EQ(state.left(), WindowState::ParkedLeft); // parked and hidden until shown
    EXPECT_TRUE(state.isHidden());
    EXPECT_FALSE(state.visible());
    state.setCompactHeight(162);
    state.showCompact(kScreen);
    EXPECT_EQ(state.left(), 100);
    EXPECT_EQ(state.top(), 50);
    EXPECT_EQ(state.width(), 112);
    EXPECT_EQ(state.height(), 162);
    EXPECT_TRUE(state.visible());
    EXPECT_TRUE(state.stayOnTop());
    EXPECT_FALSE(state.taskbarButton());
    EXPECT_EQ(state.modeCaption(), WindowState::CompactGlyph);
    EXPECT_TRUE(settings.doubleClickSmall);
    EXPECT_FALSE(state.isHidden());

    state.hideToTray();
    state.showExpanded(kScreen);
    EXPECT_EQ(state.width(), 572);
    EXPECT_EQ(state.height(), 314);
    EXPECT_FALSE(state.stayOnTop());
    EXPECT_TRUE(state.taskbarButton());
    EXPECT_EQ(state.modeCaption(), WindowState::ExpandedGlyph);
    EXPECT_FALSE(settings.doubleClickSmall);
    EXPECT_TRUE(state.expanded());
}

TEST_F(WindowStateTest, ShowingAgainKeepsWhereTheUserMovedItAndHidingTwiceTheFirstHidesPosition)
{
    settings.windowLeft = 200;
    settings.windowTop = 120;
    state.showCompact(kScreen);
    state.moved(300, 140);
    state.showCompact(kScreen);
    EXPECT_EQ(state.left(), 300);
    EXPECT_EQ(state.top(), 140);
    state.hideToTray();
    EXPECT_EQ(settings.windowLeft, 300);
    EXPECT_EQ(settings.windowTop, 140);
    EXPECT_EQ(state.left(), WindowState::ParkedLeft);
    EXPECT_TRUE(state.isHidden());
    EXPECT_FALSE(state.visible());

    state.hideToTray();
    EXPECT_EQ(settings.windowLeft, 300);
    EXPECT_EQ(settings.windowTop, 140);
}

TEST_F(WindowStateTest, PositionIsPulledOntoTheScreen)
{
    settings.windowLeft = 2000;
    settings.windowTop = 2000;
    state.showExpanded(kScreen);
    EXPECT_EQ(state.left(), 1024 - 572);
    EXPECT_EQ(state.top(), 768 - 26 - 314);

    state.hideToTray();
    settings.windowLeft = -40;
    settings.windowTop = -7;
    state.showCompact(kScreen);
    EXPECT_EQ(state.left(), 0);
    EXPECT_EQ(state.top(), 0);

    // A screen smaller than the window: the window keeps its top left corner
    // on the screen.
    state.hideToTray();
    state.showExpanded({400, 300});
    EXPECT_EQ(state.left(), 0);
    EXPECT_EQ(state.top(), 0);

    // A window just left of the screen is not hidden.
    state.showExpanded(kScreen);
    state.moved(-572, 0);
    EXPECT_FALSE(state.isHidden());
    state.moved(-573, 0);
    EXPECT_TRUE(state.isHidden());
}

} // namespace
} // namespace cdx
