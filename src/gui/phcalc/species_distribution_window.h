#pragma once

#include "gui/model/typed_document_model.h"

namespace solvara {

class ReportWindow;

// How the acids of a pH calculation split into their forms across the pH scale, one plot per
// acid with the solution's pH marked, as printable pages that follow the document.
ReportWindow* makeSpeciesDistributionWindow(PhCalculatorDocumentModel& document);

}  // namespace solvara
