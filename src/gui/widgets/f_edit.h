#pragma once

#include <QLineEdit>

class QLabel;

namespace solvara {

// The display digits used where a number is shown without a digit count.
inline constexpr int defaultDisplayDigits = 4;

// A field for a floating-point number. It takes what people type (a decimal comma, blanks, a
// dangling exponent) and, when it loses the focus, rewrites a readable number with as many
// significant digits as were typed: "0,10" becomes "0.10" (a context menu taking the focus does
// not count). Text that is no number stays as typed so nothing is lost.
class CFEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit CFEdit(QWidget* parent = nullptr);

    // Used to write a number typed with no significant digit ("0", "-").
    void setDisplayDigits(int digits) { displayDigits_ = digits; }
    int displayDigits() const { return displayDigits_; }
    // Significant digits found in the text at the last rewriting; 0 before any.
    int lastDigits() const { return lastDigits_; }

    // Rewrites the text as on focus loss.
    void reformat();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int displayDigits_ = defaultDisplayDigits;
    int lastDigits_ = 0;
};

// Makes `label` name `field` for keyboard users (its mnemonic) and screen readers (the field's
// accessible name is the label's text without the "&" marks).
void labelField(QLabel& label, QWidget& field);

}  // namespace solvara
