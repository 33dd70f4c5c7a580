#pragma once

#include <QImage>
#include <QWidget>

#include "core/buffer/capacity_plot_picture.h"

class QPainter;

namespace solvara {

// The design form's small buffer capacity plot: the capacity curve of the designed buffer and a
// triangle at the wanted pH over the pH colour strip, 281 x 70 pixels. The strip is a bitmap;
// the triangle, curve and label are drawn as lines and text at the screen's own resolution, so
// they stay sharp on high-density screens.
class CapacityPlotWidget : public QWidget {
    Q_OBJECT

  public:
    static constexpr int plotWidth = 281;
    static constexpr int plotHeight = 70;

    explicit CapacityPlotWidget(QImage phScale, QWidget* parent = nullptr);

    void setPicture(CapacityPicture picture);
    const CapacityPicture& picture() const noexcept { return picture_; }

    // The plot as it is painted on a screen with `devicePixelRatio` device pixels per pixel.
    QImage render(qreal devicePixelRatio) const;

    QSize sizeHint() const override { return {plotWidth, plotHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintPlot(QPainter& painter) const;

    QImage phScale_;
    CapacityPicture picture_;
};

}  // namespace solvara
