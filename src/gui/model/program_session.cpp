#include "gui/model/program_session.h"

#include "gui/widgets/ph_scale_bitmap.h"

namespace solvara {

ProgramSession::ProgramSession(DatabaseFileQuestions& questions)
    : database_(questions), phScaleBitmap_(makePhScaleBitmap()) {
    database_.addListener(*this);
}

ProgramSession::~ProgramSession() { database_.removeListener(*this); }

void ProgramSession::setDisplayDigits(int digits) {
    if (digits == displayDigits_) return;
    displayDigits_ = digits;
    Q_EMIT viewsNeedRefresh();
}

void ProgramSession::setDefaults(const ProgramDefaults& defaults) {
    program().defaults = defaults;
    defaultsModified_ = true;
    Q_EMIT viewsNeedRefresh();
}

void ProgramSession::programModelAboutToBeReplaced(ProgramModel&) {
    Q_EMIT programAboutToBeReplaced();
}

void ProgramSession::programModelReplaced(ProgramModel&) { Q_EMIT programReplaced(); }

}  // namespace solvara
