#include "presentation/GaugeModel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "sensors/Formats.h"

namespace cdx {

GaugeModel::GaugeModel(std::string decimalSeparator) : m_decimalSeparator(std::move(decimalSeparator))
{
    m_hint = positionText();
}

void GaugeModel::requestPaint(GaugePaint kind)
{
    // The kinds are ordered from the widest to the narrowest.
    m_pending = m_pending ? std::min(*m_pending, kind) : kind;
    if (m_onRepaint) {
        m_onRepaint();
    }
}

void GaugeModel::painted()
{
    m_pending.reset();
    m_shownPosition = m_position;
    m_shownScale = m_scale;
}

void GaugeModel::setHint(std::string text)
{
    if (text == m_hint) {
        return;
    }
    m_hint = std::move(text);
    if (m_onHintChange) {
        m_onHintChange();
    }
}

std::string GaugeModel::positionText() const
{
    // The shortest text that reads back as the stored single-precision value,
    // so 45.3 shows as 45.3 and not as its binary neighbour 45.2999992370605.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), m_position);
    double shortest = 0.0;
    std::from_chars(buffer.data(), written.ptr, shortest);
    return formatGeneral(shortest, m_decimalSeparator);
}

bool GaugeModel::setPosition(float value)
{
    if (value == m_position) {
        return true;
    }
    if (!std::isfinite(value) || value > m_scale) {
        return false;
    }
    m_position = value;
    requestPaint(GaugePaint::LabelNeedle);
    if (m_showPosInHint) {
        setHint(positionText());
    }
    return true;
}

bool GaugeModel::setScale(float value)
{
    if (value == m_scale) {
        return true;
    }
    if (!std::isfinite(value) || value <= 0.0F) {
        return false;
    }
    m_scale = value;
    requestPaint(GaugePaint::ArcLabelNeedle);
    return true;
}

void GaugeModel::setBevelStyle(BevelCut value)
{
    if (value == m_bevelStyle) {
        return;
    }
    m_bevelStyle = value;
    // The frame is part of the background, so the change shows at once.
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setArcStyle(ArcStyle value)
{
    if (value == m_arcStyle) {
        return;
    }
    m_arcStyle = value;
    requestPaint(GaugePaint::ArcLabelNeedle);
}

void GaugeModel::setBackground(std::uint32_t value)
{
    if (value == m_backGround) {
        return;
    }
    m_backGround = value;
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setArcWidth(std::uint8_t value)
{
    if (value == m_arcWidth) {
        return;
    }
    m_arcWidth = value;
    requestPaint(GaugePaint::Full);
}

bool GaugeModel::setBevelWidth(std::uint8_t value)
{
    if (value < 1 || value > 3) {
        return false;
    }
    if (value != m_bevelWidth) {
        m_bevelWidth = value;
        requestPaint(GaugePaint::Full);
    }
    return true;
}

void GaugeModel::setArrowColor(std::uint32_t value)
{
    if (value == m_arrowColor) {
        return;
    }
    m_arrowColor = value;
    requestPaint(GaugePaint::ArcLabelNeedle);
}

void GaugeModel::setArrowWidth(std::uint8_t value)
{
    if (value == m_arrowWidth) {
        return;
    }
    m_arrowWidth = value;
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setShowPosInHint(bool value)
{
    if (value == m_showPosInHint) {
        return;
    }
    m_showPosInHint = value;
    setHint(value ? positionText() : std::string());
}

void GaugeModel::setCenterLabel(std::string_view value)
{
    if (value == m_centerLabel) {
        return;
    }
    m_centerLabel = value;
    // A shorter label must not leave the end of the longer one behind.
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setCenterLabelX(std::uint8_t value)
{
    if (value == m_centerLabelX) {
        return;
    }
    m_centerLabelX = value;
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setCenterLabelY(std::uint8_t value)
{
    if (value == m_centerLabelY) {
        return;
    }
    m_centerLabelY = value;
    requestPaint(GaugePaint::Full);
}

void GaugeModel::setCenterLabelFont(const GaugeFont& value)
{
    if (value == m_centerLabelFont) {
        return;
    }
    m_centerLabelFont = value;
    requestPaint(GaugePaint::Full);
}

} // namespace cdx
