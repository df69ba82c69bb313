#include "monitor/ExternalRequests.h"

#include "platform/ExternalMessages.h"

namespace cdx {

bool ExternalRequests::handle(const LocalMessage& message) const
{
    const std::function<void()>* handler = nullptr;
    switch (message.message) {
    case ExternalMessages::Show:
        handler = &show;
        break;
    case ExternalMessages::ShowExpanded:
        handler = &showExpanded;
        break;
    case ExternalMessages::ReportTemperature:
        handler = &reportTemperature;
        break;
    case ExternalMessages::ShowHistory:
        handler = &showHistory;
        break;
    default:
        return false;
    }
    if (*handler) {
        (*handler)();
    }
    return true;
}

} // namespace cdx
