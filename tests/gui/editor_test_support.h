#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QPushButton>
#include <QWidget>

#include "core/program/program_model.h"
#include "gui/model/program_session.h"
#include "support/scripted_questions.h"

namespace solvara::testing {

// The control a screen reader knows by `name` (its label's text without the access key).
template <class Widget>
Widget* controlNamed(const QWidget& window, const QString& name) {
    for (Widget* candidate : window.findChildren<Widget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(candidate);
        if (candidate->accessibleName() == name ||
            (accessible != nullptr && accessible->text(QAccessible::Name) == name)) {
            return candidate;
        }
    }
    ADD_FAILURE() << "no control named " << name.toStdString();
    return nullptr;
}

inline QPushButton* buttonNamed(const QWidget& window, const QString& name) {
    return controlNamed<QPushButton>(window, name);
}

// A program session over the starter content, as the desktop program starts without a file.
struct StarterSession {
    ScriptedQuestions questions;
    ProgramSession session{questions};
    ProgramModel& program() { return session.program(); }
};

// With SOLVARA_GUI_SNAPSHOT_DIR set, saves what the window shows, for a person to look at.
inline void saveEditorSnapshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (folder.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(folder));
    window.show();
    window.adjustSize();
    EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + name));
}

}  // namespace solvara::testing
