#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "presentation/ArcStyle.h"
#include "presentation/BevelCut.h"
#include "presentation/GaugeFont.h"
#include "presentation/GaugePaint.h"

namespace cdx {

// The state of one dial gauge: the value its needle shows, its scale and look,
// and the text drawn inside it. The poll sets `position` and `centerLabel`; a
// view draws the gauge from this state.
//
// Every write compares with the current value first and does nothing when
// equal. A change that needs a new picture calls the repaint handler; the view
// then asks `nextPaint()` how much to redraw, draws, and calls `painted()`.
// Changes add up until that paint: a position change alone redraws the label
// and needle, a scale, arc style or needle colour change also the arc, and
// anything else the whole gauge. A paint with nothing pending (a window
// uncovered) is a full one.
//
// Colours are 0x00BBGGRR values.
class GaugeModel {
public:
    // `decimalSeparator` is used when the position becomes the hint text.
    explicit GaugeModel(std::string decimalSeparator = ".");

    float position() const { return m_position; }
    // A value above `Scale` (or not a number) is refused: the needle stays
    // where it is and false is returned.
    bool setPosition(float value);

    float scale() const { return m_scale; }
    // The full-scale value; it must be a finite number above 0, otherwise it
    // is refused and false is returned.
    bool setScale(float value);

    BevelCut bevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(BevelCut value);

    ArcStyle arcStyle() const { return m_arcStyle; }
    void setArcStyle(ArcStyle value);

    std::uint32_t background() const { return m_backGround; }
    void setBackground(std::uint32_t value);

    std::uint8_t arcWidth() const { return m_arcWidth; }
    void setArcWidth(std::uint8_t value);

    // The frame is BevelWidth + 1 pixels thick; only 1, 2 and 3 are accepted.
    std::uint8_t bevelWidth() const { return m_bevelWidth; }
    bool setBevelWidth(std::uint8_t value);

    std::uint32_t arrowColor() const { return m_arrowColor; }
    void setArrowColor(std::uint32_t value);

    std::uint8_t arrowWidth() const { return m_arrowWidth; }
    void setArrowWidth(std::uint8_t value);

    // While on, the hint text follows the position.
    bool showPosInHint() const { return m_showPosInHint; }
    void setShowPosInHint(bool value);

    const std::string& centerLabel() const { return m_centerLabel; }
    void setCenterLabel(std::string_view value);

    // Top-left corner of the centre label.
    std::uint8_t centerLabelX() const { return m_centerLabelX; }
    void setCenterLabelX(std::uint8_t value);
    std::uint8_t centerLabelY() const { return m_centerLabelY; }
    void setCenterLabelY(std::uint8_t value);

    const GaugeFont& centerLabelFont() const { return m_centerLabelFont; }
    void setCenterLabelFont(const GaugeFont& value);

    // The text shown when the pointer rests on the gauge.
    const std::string& hint() const { return m_hint; }

    // Called when the gauge needs a new picture.
    void setOnRepaint(std::function<void()> handler) { m_onRepaint = std::move(handler); }
    // Called when the hint text changes.
    void setOnHintChange(std::function<void()> handler) { m_onHintChange = std::move(handler); }

    // How much the next paint must redraw.
    GaugePaint nextPaint() const { return m_pending.value_or(GaugePaint::Full); }
    // The needle currently on screen, to be erased by the next paint.
    float shownPosition() const { return m_shownPosition; }
    float shownScale() const { return m_shownScale; }
    // A paint has drawn the current state.
    void painted();

private:
    void requestPaint(GaugePaint kind);
    void setHint(std::string text);
    std::string positionText() const;

    std::string m_decimalSeparator;
    BevelCut m_bevelStyle = BevelCut::bvLowered;
    float m_position = 0.0F;
    float m_shownPosition = 0.0F;
    float m_scale = 10.0F;
    float m_shownScale = 10.0F;
    ArcStyle m_arcStyle = ArcStyle::AsGreenToRed;
    std::uint32_t m_backGround = 0xC0C0C0;
    std::uint8_t m_arcWidth = 1;
    std::uint8_t m_bevelWidth = 1;
    std::uint32_t m_arrowColor = 0xFF0000;
    std::uint8_t m_arrowWidth = 1;
    bool m_showPosInHint = true;
    std::string m_centerLabel;
    std::uint8_t m_centerLabelX = 40;
    std::uint8_t m_centerLabelY = 20;
    GaugeFont m_centerLabelFont;
    std::string m_hint;
    std::optional<GaugePaint> m_pending = GaugePaint::Full;
    std::function<void()> m_onRepaint;
    std::function<void()> m_onHintChange;
};

} // namespace cdx
