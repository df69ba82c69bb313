#include "ui/TrayPollListener.h"

#include "ui/TrayIcons.h"

namespace cdx {

void TrayPollListener::createIcon()
{
    if (m_icons != nullptr) {
        m_icons->createIcon();
    }
}

} // namespace cdx
