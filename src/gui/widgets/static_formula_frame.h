#pragma once

#include <QFont>
#include <QFrame>
#include <optional>
#include <string>
#include <string_view>

#include "core/chemistry/chemical_formula.h"

namespace solvara {

// Shows one formula, centred and shrunk to fit, inside an etched frame whose top line carries
// the molar mass as its title ("98.00"), like a group box.
class CStaticFormulaFrame : public QFrame {
    Q_OBJECT

  public:
    // The table must outlive the frame.
    explicit CStaticFormulaFrame(const ElementTable& table, QWidget* parent = nullptr);

    // Shows `text` as it is, without sub- or superscripts.
    void setText(std::string_view text);
    // Shows a formula; a reagent's section after ";" (pH=, div=) is left out.
    void setFormula(std::string_view text, bool computeMass);
    void setFormulaAndMass(std::string_view text, double mass);
    void setMass(double mass);
    void clear() { setFormula({}, true); }
    void configure(bool showMass, bool drawFrame);
    // The caption's font; without one it uses the widget's font.
    void setCaptionFont(const QFont& font) {
        captionFont_ = font;
        update();
    }
    void setCaptionRight(bool captionRight) {
        captionRight_ = captionRight;
        update();
    }

    const std::string& text() const { return text_; }
    // Empty when no mass is shown.
    const QString& caption() const { return caption_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showFormula(std::string_view text, Markup markup);
    void updateCaption();
    void updateAccessibleTexts();

    QFont normalFont_;
    QFont smallFont_;
    std::optional<QFont> captionFont_;
    ChemicalFormula formula_;
    std::string text_;
    QString caption_;
    double mass_ = 0;
    bool showMass_ = true;
    bool drawFrame_ = true;
    bool captionRight_ = false;
};

}  // namespace solvara
