#pragma once

namespace cdx {

// The two families of the platform identifier. The NT family sounds alarms
// with Beep; the other family drives the speaker through the sensor driver.
enum class PlatformFamily { WindowsNT, Windows9x };

} // namespace cdx
