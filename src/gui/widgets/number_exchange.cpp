#include "gui/widgets/number_exchange.h"

#include <QLineEdit>
#include <QMessageBox>
#include <string>

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"
#include "gui/widgets/f_edit.h"

namespace solvara {

namespace {

QString numberText(double value, int digits, int displayDigits) {
    if (digits < 0) return {};
    CFloatNumbersString number(displayDigits);
    return QString::fromStdString(digits == 0 ? number.formatCompact(value)
                                              : number.formatSignificant(value, digits));
}

void complainAboutNumber(QLineEdit& field) {
    QMessageBox::warning(field.window(), field.window()->windowTitle(),
                         QObject::tr("Enter a number."));
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

}  // namespace

bool exchangeNumber(Exchange direction, QLineEdit& field, double& value, int digits,
                    int displayDigits) {
    if (direction == Exchange::toField) {
        field.setText(numberText(value, digits, displayDigits));
        return true;
    }
    double typed = 0;
    if (!parseNumber(field.text().toStdString(), typed)) {
        complainAboutNumber(field);
        return false;
    }
    if (digits >= 0) value = typed;
    return true;
}

void CEditableDouble::show(CFEdit& field) const {
    double shown = value_;
    exchangeNumber(Exchange::toField, field, shown, digits_, field.displayDigits());
}

bool CEditableDouble::read(CFEdit& field) {
    return exchangeNumber(Exchange::fromField, field, value_, digits_, field.displayDigits());
}

}  // namespace solvara
