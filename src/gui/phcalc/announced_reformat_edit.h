#pragma once

#include "gui/widgets/f_edit.h"

namespace solvara {

// A number field that tells when its rewriting on focus loss begins and ends, so that a form
// recalculating on every change of the text can tell that rewriting from typing.
class AnnouncedReformatEdit : public CFEdit {
    Q_OBJECT

  public:
    using CFEdit::CFEdit;

  Q_SIGNALS:
    void reformatStarted();
    void reformatFinished();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace solvara
