#pragma once

#include <functional>
#include <memory>

namespace cdx {

// Runs `ready` on the Qt event loop whenever `descriptor` has data to read,
// until the returned handle is released. Suits UnixLocalMessaging::ReadWatch.
std::shared_ptr<void> qtReadWatch(int descriptor, std::function<void()> ready);

} // namespace cdx
