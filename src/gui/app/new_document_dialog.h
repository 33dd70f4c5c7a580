#pragma once

#include <optional>

#include "core/document/document_kind.h"

class QWidget;

namespace solvara {

// The choice of a new document's type ("Buffer", "pH calculator"); none when cancelled.
std::optional<DocumentKind> askNewDocumentKind(QWidget* parent);

}  // namespace solvara
