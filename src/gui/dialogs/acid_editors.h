#pragma once

#include <QPointer>
#include <QWidget>

#include "core/chemistry/acid_chooser.h"
#include "gui/model/typed_document_model.h"

namespace solvara {

class ProgramSession;

// The acid database dialog in each of its uses, as the commands and views open it.

// The program's acid database; the program model is modified when the user changed it.
void showAcidDatabaseEditor(ProgramSession& session, QWidget* parent);
// A document's own acids ("Acids details"): only the document changes, through one edit.
void showDocumentAcidsEditor(ProgramSession& session, PhCalculatorDocumentModel& document,
                             QWidget* parent);
void showDocumentAcidsEditor(ProgramSession& session, BufferDocumentModel& document,
                             QWidget* parent);

// Asks the user, in the acid dialog's picking mode, which of several acids sharing a form a
// formula means. Set it as the program model's acidChooser (again after the model is replaced).
class DialogAcidChooser : public AcidChooser {
  public:
    // The dialog opens over the window in front, else over `fallbackParent`.
    DialogAcidChooser(ProgramSession& session, QWidget* fallbackParent);

    std::int32_t chooseAcid(const BLAcidDatabase& database,
                            std::span<const std::int32_t> candidateIds) override;

  private:
    ProgramSession& session_;
    QPointer<QWidget> fallbackParent_;
};

}  // namespace solvara
