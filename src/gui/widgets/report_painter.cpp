#include "gui/widgets/report_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <string>
#include <vector>

#include "core/chemistry/formula_display.h"
#include "gui/widgets/formula_layout.h"
#include "gui/widgets/qt_text.h"

namespace solvara {

namespace {

// Report units (0.1 mm) per inch.
constexpr qreal unitsPerInch = 254.0;
// A point is 1/72 inch; report fonts are given in tenths of one.
constexpr qreal unitsPerTenthOfPoint = unitsPerInch / 720.0;

QColor toColor(ReportColour colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

ReportPainter::ReportPainter(QPainter& painter, qreal pixelsPerUnit, QPointF origin,
                             ReportMedium medium)
    : painter_(painter), scale_(pixelsPerUnit), origin_(origin), medium_(medium) {}

qreal ReportPainter::realSizeScale(const QPaintDevice& device) {
    return device.logicalDpiY() / unitsPerInch;
}

void ReportPainter::paint(std::span<const ReportItem> items) {
    painter_.save();
    outerClip_.reset();
    if (painter_.hasClipping()) outerClip_ = painter_.clipPath();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    for (const ReportItem& item : items)
        std::visit([this](const auto& typed) { draw(typed); }, item);
    painter_.restore();
}

QPointF ReportPainter::map(ReportPoint point) const {
    return {origin_.x() + point.x * scale_, origin_.y() - point.y * scale_};
}

QFont ReportPainter::font(ReportFont font) const {
    const qreal pixels = font.tenthsOfPoint * unitsPerTenthOfPoint * scale_;
    return arialFont(static_cast<int>(std::lround(pixels)), false);
}

void ReportPainter::draw(const ReportText& item) {
    const QString text = fromWindows1252(item.text);
    painter_.setFont(font(item.font));
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(painter_.font());
    QPointF at = map(item.at);
    if (item.alignment == ReportAlignment::right) at.rx() -= metrics.horizontalAdvance(text);
    if (item.alignment == ReportAlignment::centre) at.rx() -= metrics.horizontalAdvance(text) / 2;
    painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

void ReportPainter::draw(const ReportFormulaText& item) {
    const std::string_view line = item.text;
    const auto tag = line.find(substanceFormulaTag);
    if (tag == std::string_view::npos) {
        draw(ReportText{item.at, item.text, item.font, ReportAlignment::left});
        return;
    }
    const QFont normal = font(item.font);
    const QString before = fromWindows1252(line.substr(0, tag));
    const QString after = fromWindows1252(line.substr(tag + substanceFormulaTag.size()));

    std::string display;
    std::vector<CharKind> kinds;
    classifyDisplay(item.formula, Markup::on, display, kinds);
    const FormulaLayout formula(display, kinds, normal, font(item.smallFont));

    const QFontMetricsF metrics(normal);
    const QPointF at = map(item.at);
    const qreal baseline = at.y() + metrics.ascent();
    const qreal formulaLeft = at.x() + metrics.horizontalAdvance(before);
    painter_.setPen(Qt::black);
    painter_.setFont(normal);
    painter_.drawText(QPointF(at.x(), baseline), before);
    formula.paint(painter_, QPointF(formulaLeft, at.y()), FormulaAlignment::left);
    painter_.setFont(normal);
    painter_.drawText(QPointF(formulaLeft + formula.width(), baseline), after);
}

void ReportPainter::draw(const ReportLine& item) {
    usePen(item.pen);
    painter_.drawLine(map(item.from), map(item.to));
}

void ReportPainter::draw(const ReportPolyline& item) {
    usePen(item.pen);
    QPolygonF polygon;
    for (const ReportPoint point : item.points) polygon << map(point);
    painter_.drawPolyline(polygon);
}

void ReportPainter::draw(const ReportDisc& item) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(toColor(item.colour));
    painter_.drawEllipse(QRectF(map({item.bounds.left, item.bounds.top}),
                                map({item.bounds.right, item.bounds.bottom}))
                             .normalized());
    painter_.setBrush(Qt::NoBrush);
}

void ReportPainter::draw(const ReportClip& item) {
    if (item.box) {
        painter_.setClipRect(
            QRectF(map({item.box->left, item.box->top}), map({item.box->right, item.box->bottom}))
                .normalized());
        if (outerClip_) painter_.setClipPath(*outerClip_, Qt::IntersectClip);
    } else if (outerClip_) {
        painter_.setClipPath(*outerClip_);
    } else {
        painter_.setClipping(false);
    }
}

void ReportPainter::usePen(const ReportPen& pen) {
    // Screen widths are pixels; print widths are report units, so paper lines keep their
    // thickness at any resolution.
    const qreal width = medium_ == ReportMedium::screen ? pen.screenWidth : length(pen.printWidth);
    QPen qtPen(toColor(pen.colour), width);
    qtPen.setCapStyle(Qt::FlatCap);
    qtPen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(qtPen);
}

}  // namespace solvara
