#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <set>

#include "editor_test_support.h"
#include "gui/dialogs/acid_constants_dialog.h"
#include "gui/dialogs/acid_database_dialog.h"
#include "gui/dialogs/elements_editor_dialog.h"
#include "gui/dialogs/formula_sort_dialog.h"

namespace solvara {
namespace {

// Every control a keyboard user can reach is named for screen readers, and Tab reaches every
// enabled one.
void expectReachableAndNamed(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    std::set<QWidget*> controls;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus && control->isVisible() && control->isEnabled() &&
            control->focusProxy() == nullptr) {
            controls.insert(control);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty() &&
                         control->accessibleName().isEmpty())
                << dialog.windowTitle().toStdString() << ": " << control->metaObject()->className();
        }
    }
    ASSERT_FALSE(controls.empty());
    QWidget* start = *controls.begin();
    start->setFocus(Qt::TabFocusReason);
    QWidget* current = start;
    const std::size_t presses = controls.size() * 2;
    for (std::size_t step = 0; step <= presses && !controls.empty(); ++step) {
        controls.erase(current);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        if (current == nullptr) break;
    }
    for (const QWidget* missed : controls) {
        ADD_FAILURE() << dialog.windowTitle().toStdString() << ": Tab never reaches "
                      << missed->metaObject()->className() << " "
                      << missed->accessibleName().toStdString();
    }
}

TEST(EditorAccessibilityTest, EveryControlIsReachableAndNamed) {
    testing::StarterSession starter;
    AcidDatabaseDialog acids(starter.session);
    expectReachableAndNamed(acids);
    AcidConstantsDialog constants(*starter.program().acids.FindByName("phosphoric acid"), false, 4);
    expectReachableAndNamed(constants);
    FormulaSortDialog sorter(starter.program().elements);
    expectReachableAndNamed(sorter);
    ElementsEditorDialog elements(starter.session, {});
    expectReachableAndNamed(elements);
}

}  // namespace
}  // namespace solvara
