#include "gui/phcalc/ph_result_label.h"

#include <QPainter>

#include "gui/widgets/formula_layout.h"

namespace solvara {

namespace {

constexpr int labelFontPixels = 30;
// The warning frame lies two pixels outside the text's box.
constexpr int frameGap = 2;

}  // namespace

PhResultLabel::PhResultLabel(QWidget* parent) : QLabel(parent) {
    setFont(arialFont(labelFontPixels, true));
    setContentsMargins(frameGap + 2, frameGap + 2, frameGap + 2, frameGap + 2);
    setAlignment(Qt::AlignCenter);
}

void PhResultLabel::setWarning(bool warning) {
    if (warning == warning_) return;
    warning_ = warning;
    setAccessibleDescription(warning ? tr("ionic strength too high for reliable results")
                                     : QString());
    update();
}

void PhResultLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!warning_) return;
    const QRect text = fontMetrics().boundingRect(
        contentsRect(), static_cast<int>(alignment().toInt()), this->text());
    QPainter painter(this);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawRect(text.adjusted(-frameGap - 1, -frameGap - 1, frameGap, frameGap));
}

}  // namespace solvara
