#include "presentation/WindowState.h"

#include <algorithm>

#include "settings/Settings.h"

namespace cdx {

WindowState::WindowState(Settings& settings) : m_settings(settings)
{
}

void WindowState::setExpandedSize(int width, int height)
{
    m_expandedWidth = width;
    m_expandedHeight = height;
}

void WindowState::moved(int left, int top)
{
    m_left = left;
    m_top = top;
}

void WindowState::rememberPosition()
{
    if (m_left != ParkedLeft) {
        m_settings.windowLeft = m_left;
        m_settings.windowTop = m_top;
    }
}

void WindowState::show(Screen screen, int width, int height)
{
    // A window that is on the screen keeps where the user left it.
    if (m_visible && !isHidden()) {
        rememberPosition();
    }
    m_visible = false;
    m_width = width;
    m_height = height;
    m_top = std::min(m_settings.windowTop, screen.height - BottomReserve - height);
    m_left = std::min(m_settings.windowLeft, screen.width - width);
    m_left = std::max(m_left, 0);
    m_top = std::max(m_top, 0);
}

void WindowState::showExpanded(Screen screen)
{
    m_settings.doubleClickSmall = false;
    show(screen, m_expandedWidth, m_expandedHeight);
    m_modeCaption = ExpandedGlyph;
    m_taskbarButton = true;
    m_stayOnTop = false;
    m_visible = true;
}

void WindowState::showCompact(Screen screen)
{
    m_settings.doubleClickSmall = true;
    show(screen, m_compactWidth, m_compactHeight);
    m_modeCaption = CompactGlyph;
    m_taskbarButton = false;
    m_stayOnTop = true;
    m_visible = true;
}

void WindowState::hideToTray()
{
    rememberPosition();
    m_left = ParkedLeft;
    m_taskbarButton = false;
    m_visible = false;
}

bool WindowState::doubleClickSmall() const
{
    return m_settings.doubleClickSmall;
}

} // namespace cdx
