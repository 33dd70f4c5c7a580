#include "gui/phcalc/announced_reformat_edit.h"

namespace solvara {

void AnnouncedReformatEdit::focusOutEvent(QFocusEvent* event) {
    Q_EMIT reformatStarted();
    CFEdit::focusOutEvent(event);
    Q_EMIT reformatFinished();
}

}  // namespace solvara
