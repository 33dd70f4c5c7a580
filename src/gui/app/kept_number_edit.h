#pragma once

#include <QString>
#include <optional>

#include "gui/widgets/f_edit.h"

namespace solvara {

// A number field of a form that gives back the very value it was given for as long as its text is
// not edited, so that a form closed with OK does not round what the user never touched to the
// digits it was shown with.
class KeptNumberEdit : public CFEdit {
    Q_OBJECT

  public:
    using CFEdit::CFEdit;

    // Shows `value` as compact text.
    void setValue(double value);
    // The value given to setValue while the text is as it was shown, otherwise the typed number;
    // nothing when the text is no number.
    std::optional<double> value() const;

  private:
    double value_ = 0;
    QString shownText_;
};

}  // namespace solvara
