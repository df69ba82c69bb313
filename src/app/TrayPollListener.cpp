#include "app/TrayPollListener.h"

#include "ui/TrayIcons.h"

namespace cdx {

void TrayPollListener::CreateIcon()
{
    if (m_icons != nullptr) {
        m_icons->CreateIcon();
    }
}

} // namespace cdx
