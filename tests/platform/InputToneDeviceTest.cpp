#include "platform/linux/InputToneDevice.h"

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"

namespace cdx {
namespace {

TEST(InputToneDeviceTest, OnlyAnInputDeviceThatSoundsTonesIsUsed)
{
    test::TemporaryDirectory folder;
    // A plain file named like an event device answers no device query.
    test::writeWholeFile(folder.file("event0"), "");
    InputToneDevice device(folder.path());
    EXPECT_FALSE(device.available());
    device.tone(2386);
    device.tone(0);
    EXPECT_EQ(test::readWholeFile(folder.file("event0")), "");

    InputToneDevice missing("/nonexistent-input-folder");
    EXPECT_FALSE(missing.available());
}

} // namespace
} // namespace cdx
