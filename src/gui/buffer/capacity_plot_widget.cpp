#include "gui/buffer/capacity_plot_widget.h"

#include <QPainter>
#include <QPolygonF>
#include <utility>

#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

QPointF centreOf(PixelPoint point) { return {point.x + 0.5, point.y + 0.5}; }

}  // namespace

CapacityPlotWidget::CapacityPlotWidget(QImage phScale, QWidget* parent)
    : QWidget(parent), phScale_(std::move(phScale)) {
    setFixedSize(plotWidth, plotHeight);
    setAccessibleName(tr("Buffer capacity plot"));
}

void CapacityPlotWidget::setPicture(CapacityPicture picture) {
    picture_ = std::move(picture);
    setAccessibleDescription(picture_.label.empty()
                                 ? QString()
                                 : tr("Capacity scale %1").arg(fromWindows1252(picture_.label)));
    update();
}

QImage CapacityPlotWidget::render(qreal devicePixelRatio) const {
    QImage image(QSize(plotWidth, plotHeight) * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    paintPlot(painter);
    return image;
}

void CapacityPlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPlot(painter);
}

void CapacityPlotWidget::paintPlot(QPainter& painter) const {
    painter.drawImage(QRect(0, 0, plotWidth, plotHeight), phScale_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    QPolygonF marker;
    for (const PixelPoint corner : picture_.pHMarker) marker << centreOf(corner);
    painter.drawPolygon(marker);

    if (picture_.curve.size() > 1) {
        QPolygonF curve;
        for (const PixelPoint point : picture_.curve) curve << centreOf(point);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curve);
    }
    if (!picture_.label.empty()) {
        painter.setPen(Qt::black);
        const QFontMetrics metrics(font());
        painter.drawText(QPoint(5, 1 + metrics.ascent()), fromWindows1252(picture_.label));
    }
}

}  // namespace solvara
