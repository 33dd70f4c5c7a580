#include "gui/dialogs/acid_editors.h"

#include <QApplication>
#include <vector>

#include "gui/dialogs/acid_database_dialog.h"

namespace solvara {

namespace {

template <class Model>
void editDocumentAcids(ProgramSession& session, Model& document, QWidget* parent) {
    const BLAcidDatabase* acids = nullptr;
    if constexpr (std::is_same_v<Model, BufferDocumentModel>) {
        acids = &document.core().buffer().acidDatabase();
    } else {
        acids = &document.core().acids();
    }
    AcidDatabaseDialog dialog(
        session, *acids,
        [&document](const BLAcidDatabase& edited) {
            document.edit([&edited](auto& core) {
                return core.editAcids([&edited](BLAcidDatabase& own) { own.CopyFrom(edited); });
            });
        },
        parent);
    dialog.exec();
}

}  // namespace

void showAcidDatabaseEditor(ProgramSession& session, QWidget* parent) {
    AcidDatabaseDialog dialog(session, parent);
    dialog.exec();
}

void showDocumentAcidsEditor(ProgramSession& session, PhCalculatorDocumentModel& document,
                             QWidget* parent) {
    editDocumentAcids(session, document, parent);
}

void showDocumentAcidsEditor(ProgramSession& session, BufferDocumentModel& document,
                             QWidget* parent) {
    editDocumentAcids(session, document, parent);
}

DialogAcidChooser::DialogAcidChooser(ProgramSession& session, QWidget* fallbackParent)
    : session_(session), fallbackParent_(fallbackParent) {}

std::int32_t DialogAcidChooser::chooseAcid(const BLAcidDatabase& database,
                                           std::span<const std::int32_t> candidateIds) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) parent = QApplication::activeWindow();
    if (parent == nullptr) parent = fallbackParent_.data();
    AcidDatabaseDialog dialog(session_, database,
                              std::vector<std::int32_t>(candidateIds.begin(), candidateIds.end()),
                              parent);
    dialog.exec();
    return dialog.chosenAcidId();
}

}  // namespace solvara
