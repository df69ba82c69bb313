#include "platform/qt/QtTimerFactory.h"

#include "platform/qt/QtTimer.h"

namespace cdx {

std::unique_ptr<Timer> QtTimerFactory::createTimer()
{
    return std::make_unique<QtTimer>();
}

} // namespace cdx
