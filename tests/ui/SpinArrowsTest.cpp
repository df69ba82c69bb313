#include "ui/SpinArrows.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(SpinArrowsTest, ClicksAndArrowKeysReachTheOwnerAndTheArrowsAreNamedForTheSetting)
{
    SpinArrows arrows("SpinButton16", "Interval");
    QSignalSpy ups(&arrows, &SpinArrows::upClicked);
    QSignalSpy downs(&arrows, &SpinArrows::downClicked);

    arrows.upButton().click();
    QTest::keyClick(&arrows, Qt::Key_Up);
    QTest::keyClick(&arrows, Qt::Key_Down);
    QTest::keyClick(&arrows, Qt::Key_Left); // not an arrow of the pair
    EXPECT_EQ(ups.count(), 2);
    EXPECT_EQ(downs.count(), 1);

    EXPECT_EQ(arrows.objectName(), "SpinButton16");
    EXPECT_EQ(arrows.upButton().accessibleName(), "Interval up");
    EXPECT_EQ(arrows.downButton().accessibleName(), "Interval down");
    // One Tab stop for the pair, none for its arrows.
    EXPECT_TRUE(arrows.focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(arrows.upButton().focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace cdx
