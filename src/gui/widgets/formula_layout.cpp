#include "gui/widgets/formula_layout.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/text/windows1252.h"

namespace solvara {

namespace {

bool isSmall(CharKind kind) { return kind == CharKind::subscript || kind == CharKind::superscript; }

qreal emOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont scaled(const QFont& font, qreal factor) {
    QFont result = font;
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(emOf(font) * factor))));
    return result;
}

}  // namespace

QFont arialFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

FormulaLayout::FormulaLayout(std::string_view display, std::span<const CharKind> kinds,
                             const QFont& normal, const QFont& small)
    : kinds_(kinds.begin(), kinds.end()), normal_(normal), small_(small) {
    // Display texts are Windows-1252 bytes, one per character kind.
    text_.reserve(static_cast<qsizetype>(display.size()));
    for (const char byte : display) {
        const char32_t unicode = windows1252ToUnicode(static_cast<unsigned char>(byte));
        text_.append(QChar(static_cast<char16_t>(unicode)));
    }
    kinds_.resize(display.size(), CharKind::normal);
    layOut();
}

FormulaLayout::FormulaLayout(const ChemicalFormula& formula, const QFont& normal,
                             const QFont& small)
    : FormulaLayout(formula.display(), formula.kinds(), normal, small) {}

void FormulaLayout::layOut() {
    positions_.assign(1, 0.0);
    width_ = 0;
    if (!drawable()) return;
    const QFontMetricsF normalMetrics(normal_);
    const QFontMetricsF smallMetrics(small_);
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const QFontMetricsF& metrics =
            isSmall(kinds_[static_cast<std::size_t>(i)]) ? smallMetrics : normalMetrics;
        positions_.push_back(positions_.back() + metrics.horizontalAdvance(text_[i]));
    }
    width_ = positions_.back();
}

qreal FormulaLayout::subscriptDrop() const { return emOf(normal_) * 23 / 40; }

qreal FormulaLayout::topOf(CharKind kind) const {
    switch (kind) {
        case CharKind::subscript:
            return subscriptDrop();
        case CharKind::centredDot:
            return -2 * subscriptDrop() / 5;
        case CharKind::normal:
        case CharKind::superscript:
            break;
    }
    return 0;
}

qreal FormulaLayout::ascent() const { return QFontMetricsF(normal_).ascent(); }

qreal FormulaLayout::descent() const {
    const qreal normalDescent = QFontMetricsF(normal_).descent();
    const bool hasSubscript =
        drawable() && std::ranges::find(kinds_, CharKind::subscript) != kinds_.end();
    if (!hasSubscript) return normalDescent;
    const qreal subscriptBottom = subscriptDrop() + QFontMetricsF(small_).height();
    return std::max(normalDescent, subscriptBottom - ascent());
}

FormulaLayout FormulaLayout::fittedTo(qreal maxWidth, qreal margin) const {
    FormulaLayout fitted = *this;
    if (!drawable()) return fitted;
    const qreal naturalWidth = width_;
    // Stops before the fonts vanish: a room narrower than the margin can never be met.
    for (int percent = 98; fitted.width_ > maxWidth - margin && percent > 0; percent -= 2) {
        const qreal factor = percent * std::max<qreal>(maxWidth, 0) / (naturalWidth * 100);
        fitted.normal_ = scaled(normal_, factor);
        fitted.small_ = scaled(small_, factor);
        fitted.layOut();
    }
    return fitted;
}

void FormulaLayout::paint(QPainter& painter, QPointF anchor, FormulaAlignment alignment) const {
    if (!drawable()) return;
    qreal left = anchor.x();
    if (alignment == FormulaAlignment::right) left -= width_;
    if (alignment == FormulaAlignment::centre) left -= width_ / 2;
    const QFontMetricsF normalMetrics(normal_);
    const QFontMetricsF smallMetrics(small_);
    painter.save();
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const CharKind kind = kinds_[static_cast<std::size_t>(i)];
        const bool small = isSmall(kind);
        painter.setFont(small ? small_ : normal_);
        const qreal baseline = (small ? smallMetrics : normalMetrics).ascent();
        const QPointF at(left + positions_[static_cast<std::size_t>(i)],
                         anchor.y() + topOf(kind) + baseline);
        painter.drawText(at, QString(text_[i]));
    }
    painter.restore();
}

}  // namespace solvara
