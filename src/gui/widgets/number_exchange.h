#pragma once

class QLineEdit;

namespace solvara {

class CFEdit;

enum class Exchange { toField, fromField };

// Moves a number between `field` and `value`.
// To the field: compact text when `digits` is 0, `digits` significant digits when it is
// positive, an empty field when it is negative.
// From the field: the typed number is stored in `value` (kept as it was when `digits` is
// negative). Text that is no number tells the user "Enter a number.", gives the field the focus
// back with its text selected, leaves `value` alone and returns false.
// `displayDigits` is the user's display-digits setting.
bool exchangeNumber(Exchange direction, QLineEdit& field, double& value, int digits,
                    int displayDigits);

// A number entered through a field: the value of a form and how many significant digits it is
// shown with (0: compact text).
class CEditableDouble {
  public:
    explicit CEditableDouble(double value = 0, int digits = 0) : value_(value), digits_(digits) {}

    double value() const { return value_; }
    void setValue(double value) { value_ = value; }
    int digits() const { return digits_; }
    void setDigits(int digits) { digits_ = digits; }

    // Writes the value into `field` in the field's display digits.
    void show(CFEdit& field) const;
    // Reads the value from `field`; false, with the value kept, when its text is no number.
    bool read(CFEdit& field);

  private:
    double value_;
    int digits_;
};

}  // namespace solvara
