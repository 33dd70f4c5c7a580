#include "gui/buffer/warning_frame.h"

#include <QHBoxLayout>
#include <QPainter>

namespace solvara {

namespace {

constexpr int frameDistance = 2;

}  // namespace

WarningFrame::WarningFrame(QWidget& field, QWidget* parent) : QWidget(parent), field_(field) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(frameDistance + 1, frameDistance + 1, 2, 2);
    layout->addWidget(&field_);
    setFocusProxy(&field_);
}

void WarningFrame::setFrameColour(std::optional<QColor> colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void WarningFrame::paintEvent(QPaintEvent*) {
    if (!colour_) return;
    QPainter painter(this);
    painter.setPen(QPen(*colour_, 1));
    painter.drawRect(field_.geometry().adjusted(-frameDistance, -frameDistance, 1, 1));
}

}  // namespace solvara
