#include "gui/app/definition_view.h"

#include "gui/buffer/solvara_view.h"

namespace solvara {

QWidget* makeDefinitionView(DocumentModel& document, ProgramSession& session) {
    if (auto* design = dynamic_cast<BufferDocumentModel*>(&document))
        return new CSolvaraView(*design, session);
    return nullptr;
}

}  // namespace solvara
