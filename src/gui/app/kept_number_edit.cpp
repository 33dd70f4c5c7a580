#include "gui/app/kept_number_edit.h"

#include "core/text/parse_number.h"
#include "gui/widgets/number_exchange.h"

namespace solvara {

void KeptNumberEdit::setValue(double value) {
    value_ = value;
    exchangeNumber(Exchange::toField, *this, value, 0, displayDigits());
    shownText_ = text();
}

std::optional<double> KeptNumberEdit::value() const {
    if (text() == shownText_) return value_;
    double typed = 0;
    if (!parseNumber(text().toStdString(), typed)) return std::nullopt;
    return typed;
}

}  // namespace solvara
