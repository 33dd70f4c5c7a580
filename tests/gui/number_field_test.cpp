#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "gui/widgets/f_edit.h"
#include "gui/widgets/number_exchange.h"

namespace solvara {
namespace {

void loseFocus(QWidget& widget, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent event(QEvent::FocusOut, reason);
    QApplication::sendEvent(&widget, &event);
}

TEST(NumberField, FocusLossRewritesWithTheTypedSignificantDigits) {
    struct Case {
        const char* typed;
        const char* shown;
        int digits;
    };
    const Case cases[] = {
        {"0,10", "0.10", 2},
        {"2.5e", "2.5", 2},
        {" 1234.5 ", "1.2345e+03", 5},
        {"0.00999", "9.99e-03", 3},
        {"-", "0", 0},
        {"0", "0", 0},
        {"12abc", "12abc", 0},
        {"1,5e-3", "1.5e-03", 2},
    };
    for (const Case& c : cases) {
        CFEdit field;
        field.setText(QString::fromLatin1(c.typed));
        loseFocus(field);
        EXPECT_EQ(field.text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(field.lastDigits(), c.digits) << c.typed;
        EXPECT_EQ(field.cursorPosition(), 0) << c.typed;
        EXPECT_FALSE(field.hasSelectedText()) << c.typed;
    }

    CFEdit field;
    field.setText(QStringLiteral("0,10"));
    loseFocus(field, Qt::PopupFocusReason);
    EXPECT_EQ(field.text(), QStringLiteral("0,10")) << "a context menu is no end of typing";
}

TEST(NumberField, ExchangeWritesCompactSignificantOrEmptyText) {
    CFEdit field;
    double value = 0.5;
    for (const auto& [digits, shown] :
         {std::pair{0, "0.5"}, std::pair{4, "0.5000"}, std::pair{-1, ""}}) {
        EXPECT_TRUE(exchangeNumber(Exchange::toField, field, value, digits, 4));
        EXPECT_EQ(field.text().toStdString(), shown) << digits;
    }
    field.setText(QStringLiteral("7,25"));
    EXPECT_TRUE(exchangeNumber(Exchange::fromField, field, value, -1, 4));
    EXPECT_EQ(value, 0.5) << "negative digits read but keep the value";
    EXPECT_TRUE(exchangeNumber(Exchange::fromField, field, value, 0, 4));
    EXPECT_EQ(value, 7.25);
}

TEST(NumberField, ExchangeRefusesTextThatIsNoNumber) {
    QWidget window;
    auto* field = new CFEdit(&window);
    field->setText(QStringLiteral("12abc"));
    QString complaint;
    QTimer::singleShot(0, [&complaint] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            complaint = box->text();
            box->accept();
        }
    });
    CEditableDouble number(3.0, 0);
    EXPECT_FALSE(number.read(*field));
    EXPECT_EQ(complaint, QStringLiteral("Enter a number."));
    EXPECT_EQ(number.value(), 3.0);
    EXPECT_EQ(field->text(), QStringLiteral("12abc")) << "the typed text is kept";
    EXPECT_EQ(field->selectedText(), QStringLiteral("12abc")) << "ready to be typed over";

    field->setText(QStringLiteral("4,5"));
    EXPECT_TRUE(number.read(*field));
    EXPECT_EQ(number.value(), 4.5);
    number.setDigits(3);
    number.show(*field);
    EXPECT_EQ(field->text(), QStringLiteral("4.50"));
}

TEST(NumberField, LabelNamesTheFieldForScreenReaders) {
    QLabel label(QStringLiteral("&Volume && mass:"));
    CFEdit field;
    labelField(label, field);
    EXPECT_EQ(label.buddy(), &field);
    EXPECT_EQ(field.accessibleName(), QStringLiteral("Volume & mass:"));
}

}  // namespace
}  // namespace solvara
