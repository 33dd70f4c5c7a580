#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <span>
#include <string_view>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_display.h"

class QPainter;

namespace solvara {

// Where the anchor point of a drawn formula lies: at its left end, its right end or its middle.
// The anchor is always at the top of the normal text line.
enum class FormulaAlignment { left, right, centre };

// The face formulas and reports are drawn in ("Arial", or a metric twin of it), `pixelSize`
// pixels to the em.
QFont arialFont(int pixelSize, bool bold);

// A formula's display text laid out for drawing: normal characters and the centred dot in the
// normal font, sub- and superscripts in the small font. Superscripts share the top line of the
// normal text (the small font makes them sit high), subscripts are lowered by 23/40 of the normal
// font's em and the centred dot is raised by two fifths of that. Widths and heights are in the
// fonts' pixels. A display longer than maximumLength characters is neither measured nor drawn.
class FormulaLayout {
  public:
    static constexpr int maximumLength = 127;

    FormulaLayout(std::string_view display, std::span<const CharKind> kinds, const QFont& normal,
                  const QFont& small);
    FormulaLayout(const ChemicalFormula& formula, const QFont& normal, const QFont& small);

    // 0 for an empty or too long formula.
    qreal width() const { return width_; }
    // Above and below the baseline of the normal text.
    qreal ascent() const;
    qreal descent() const;
    qreal height() const { return ascent() + descent(); }
    // The display characters without their kinds, as a screen reader should read them.
    const QString& plainText() const { return text_; }
    const QFont& normalFont() const { return normal_; }

    // The same formula with both fonts shrunk in steps of 2 % until it is at least `margin`
    // narrower than `maxWidth`; the layout itself when it already is.
    FormulaLayout fittedTo(qreal maxWidth, qreal margin) const;

    // Draws the formula in the painter's pen colour with the top of its normal text line at
    // `anchor.y()`.
    void paint(QPainter& painter, QPointF anchor, FormulaAlignment alignment) const;

  private:
    void layOut();
    bool drawable() const { return !text_.isEmpty() && text_.size() <= maximumLength; }
    // How far a subscript's top lies below the top of the normal text.
    qreal subscriptDrop() const;
    qreal topOf(CharKind kind) const;

    QString text_;
    std::vector<CharKind> kinds_;
    QFont normal_;
    QFont small_;
    std::vector<qreal> positions_;
    qreal width_ = 0;
};

}  // namespace solvara
