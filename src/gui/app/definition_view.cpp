#include "gui/app/definition_view.h"

#include "gui/model/typed_document_model.h"
#include "gui/phcalc/ph_calculator_view.h"

namespace solvara {

QWidget* makeDefinitionView(DocumentModel& document, ProgramSession& session) {
    if (auto* calculation = dynamic_cast<PhCalculatorDocumentModel*>(&document)) {
        return new CpHCalculatorView(*calculation, session);
    }
    return nullptr;
}

}  // namespace solvara
