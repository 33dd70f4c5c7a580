#include "gui/app/definition_view.h"

#include "gui/buffer/solvara_view.h"
#include "gui/model/typed_document_model.h"
#include "gui/phcalc/ph_calculator_view.h"

namespace solvara {

QWidget* makeDefinitionView(DocumentModel& document, ProgramSession& session) {
    if (auto* design = dynamic_cast<BufferDocumentModel*>(&document))
        return new CSolvaraView(*design, session);
    return new CpHCalculatorView(dynamic_cast<PhCalculatorDocumentModel&>(document), session);
}

}  // namespace solvara
