#pragma once

namespace cdx {

// Registers the window's images and icons; the static UI library needs this
// called once before the first window is made.
void initUiResources();

} // namespace cdx
