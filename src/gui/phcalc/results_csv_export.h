#pragma once

#include <QString>
#include <optional>

#include "gui/model/typed_document_model.h"

class QWidget;

namespace solvara {

// Writes the results of the last calculation to `fileName`, byte for byte what the results export
// of the command line prints; a failure leaves the file that was there and gives the reason.
std::optional<QString> writeResultsCsv(const PhCalculatorDocumentModel& document,
                                       const QString& fileName);

// "Export results as CSV": asks where to write the results, offering the document's title
// without its extension, and writes them there; tells the user why when that fails. Does nothing
// while the document has no results.
void exportResultsAsCsv(const PhCalculatorDocumentModel& document, QWidget* parent);

}  // namespace solvara
