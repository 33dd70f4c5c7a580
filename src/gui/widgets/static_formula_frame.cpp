#include "gui/widgets/static_formula_frame.h"

#include <qdrawutil.h>

#include <QFontMetricsF>
#include <QPainter>

#include "core/text/float_numbers_string.h"
#include "gui/widgets/formula_layout.h"

namespace solvara {

namespace {

constexpr int normalFontPixels = 32;
constexpr int smallFontPixels = 16;
// Room the formula keeps from the sides, and the offset of the frame line and its title.
constexpr int fitMargin = 6;
constexpr int frameTop = 6;
constexpr int captionInset = 6;

}  // namespace

CStaticFormulaFrame::CStaticFormulaFrame(const ElementTable& table, QWidget* parent)
    : QFrame(parent),
      normalFont_(arialFont(normalFontPixels, true)),
      smallFont_(arialFont(smallFontPixels, true)),
      formula_(table) {
    updateAccessibleTexts();
}

void CStaticFormulaFrame::setText(std::string_view text) { showFormula(text, Markup::off); }

void CStaticFormulaFrame::setFormula(std::string_view text, bool computeMass) {
    showFormula(text.substr(0, text.find(';')), Markup::on);
    if (computeMass) setMass(formula_.molarMassOfList());
}

void CStaticFormulaFrame::setFormulaAndMass(std::string_view text, double mass) {
    setFormula(text, false);
    setMass(mass);
}

void CStaticFormulaFrame::setMass(double mass) {
    mass_ = mass;
    updateCaption();
}

void CStaticFormulaFrame::configure(bool showMass, bool drawFrame) {
    showMass_ = showMass;
    drawFrame_ = drawFrame;
    updateCaption();
}

void CStaticFormulaFrame::showFormula(std::string_view text, Markup markup) {
    text_ = std::string(text);
    formula_.setFormula(text_, markup);
    updateAccessibleTexts();
    update();
}

void CStaticFormulaFrame::updateCaption() {
    caption_ =
        showMass_ && mass_ != 0 ? QString::fromStdString(formatTwoDecimals(mass_)) : QString();
    updateAccessibleTexts();
    update();
}

void CStaticFormulaFrame::updateAccessibleTexts() {
    setAccessibleName(FormulaLayout(formula_, normalFont_, smallFont_).plainText());
    setAccessibleDescription(caption_.isEmpty() ? QString() : tr("Molar mass %1").arg(caption_));
}

QSize CStaticFormulaFrame::sizeHint() const { return {220, 64}; }

void CStaticFormulaFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().button());
    painter.setClipRect(area);

    const FormulaLayout layout =
        FormulaLayout(formula_, normalFont_, smallFont_).fittedTo(area.width(), fitMargin);
    const qreal lineHeight = QFontMetricsF(layout.normalFont()).height();
    painter.setPen(palette().color(QPalette::ButtonText));
    layout.paint(painter, QPointF(area.width() / 2.0, (area.height() - lineHeight) / 2 + 4),
                 FormulaAlignment::centre);

    if (drawFrame_) qDrawShadeRect(&painter, area.adjusted(0, frameTop, 0, 0), palette(), true, 1);

    if (caption_.isEmpty()) return;
    painter.setFont(captionFont_.value_or(font()));
    const QString title = QLatin1Char(' ') + caption_ + QLatin1Char(' ');
    const QFontMetrics metrics(painter.font());
    QRect titleBox(0, 0, metrics.horizontalAdvance(title), metrics.height());
    if (captionRight_)
        titleBox.moveRight(area.right() - captionInset);
    else
        titleBox.moveLeft(captionInset);
    painter.fillRect(titleBox, palette().button());
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop, title);
}

}  // namespace solvara
