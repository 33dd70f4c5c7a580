#pragma once

class QWidget;

namespace solvara {

class DocumentModel;
class ProgramSession;

// The window in which a document is defined and edited: the buffer design form or the pH
// calculator's solution form.
QWidget* makeDefinitionView(DocumentModel& document, ProgramSession& session);

}  // namespace solvara
