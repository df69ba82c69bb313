#include "platform/qt/QtReadWatch.h"

#include <QObject>
#include <QSocketNotifier>

namespace cdx {

std::shared_ptr<void> qtReadWatch(int descriptor, std::function<void()> ready)
{
    auto notifier = std::make_shared<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [ready = std::move(ready)] { ready(); });
    return notifier;
}

} // namespace cdx
