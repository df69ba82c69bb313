#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(UiSmokeTest, WindowsOpenOffscreen)
{
    QWidget widget;
    widget.show();
    EXPECT_TRUE(widget.isVisible());
}

} // namespace
