#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

#include "presentation/GaugeModel.h"

namespace cdx {

// A small analogue gauge showing a GaugeModel: a bevelled frame, a half-ellipse
// arc with a colour gradient, a needle and a centre label. The picture is drawn
// into an off-screen image of the widget's size and copied to the screen in one
// step; a change of position redraws only the label and the needle on top of
// the previous picture (the old needle is painted over in the background
// colour first).
class VUMeter : public QWidget {
    Q_OBJECT
public:
    // The model must outlive the gauge.
    explicit VUMeter(GaugeModel& model, QWidget* parent = nullptr);
    ~VUMeter() override;

    GaugeModel& model() { return m_model; }

    QSize sizeHint() const override { return {80, 40}; }

    void setOnClick(std::function<void(VUMeter&)> handler) { m_onClick = std::move(handler); }
    void setOnDblClick(std::function<void(VUMeter&)> handler) { m_onDblClick = std::move(handler); }

    // The off-screen picture as last painted.
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void drawPicture();

    GaugeModel& m_model;
    QImage m_picture;
    std::function<void(VUMeter&)> m_onClick;
    std::function<void(VUMeter&)> m_onDblClick;
};

} // namespace cdx
