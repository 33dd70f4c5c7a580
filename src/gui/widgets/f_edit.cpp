#include "gui/widgets/f_edit.h"

#include <QFocusEvent>
#include <QLabel>

#include "core/text/float_numbers_string.h"
#include "core/text/parse_number.h"

namespace solvara {

CFEdit::CFEdit(QWidget* parent) : QLineEdit(parent) {}

void CFEdit::reformat() {
    const std::string typed = text().toStdString();
    double value = 0;
    if (parseNumber(typed, value)) {
        lastDigits_ = significantDigits(typed);
        CFloatNumbersString number(displayDigits_);
        const std::string shown = lastDigits_ > 0 ? number.formatSignificant(value, lastDigits_)
                                                  : number.formatCompact(value);
        setText(QString::fromStdString(shown));
    }
    // Long numbers show their beginning, not where the caret was left.
    deselect();
    setCursorPosition(0);
}

void CFEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu takes the focus only for a moment: the typing is not finished.
    if (event->reason() != Qt::PopupFocusReason) reformat();
}

void labelField(QLabel& label, QWidget& field) {
    label.setBuddy(&field);
    QString name = label.text();
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    field.setAccessibleName(name);
}

}  // namespace solvara
