#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QListView>
#include <QLocale>
#include <span>

#include "core/chemistry/acid_chooser.h"
#include "gui/dialogs/filtered_substance_list.h"
#include "gui/model/program_session.h"
#include "support/scripted_questions.h"

namespace solvara::testing {

// Picks the first candidate, and counts how often it was asked.
class FirstAcidChooser : public AcidChooser {
  public:
    std::int32_t chooseAcid(const BLAcidDatabase&,
                            std::span<const std::int32_t> candidateIds) override {
        ++asked;
        return candidateIds.front();
    }
    int asked = 0;
};

// Selects the row of an editor's substance list showing `text`, as a click would.
inline bool selectListRow(const QWidget& editor, const QString& text) {
    auto* list = editor.findChild<FilteredSubstanceList*>();
    QAbstractItemModel* model = list->view().model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString() == text) {
            list->view().selectionModel()->setCurrentIndex(index,
                                                           QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return false;
}

// A program session on the starter database, as the database editors get it.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest() { QLocale::setDefault(QLocale::c()); }

    ProgramModel& program() { return session.program(); }

    static bool selectRow(const QWidget& editor, const QString& text) {
        return selectListRow(editor, text);
    }

    ScriptedQuestions questions;
    ProgramSession session{questions};
    FirstAcidChooser chooser;
};

}  // namespace solvara::testing
