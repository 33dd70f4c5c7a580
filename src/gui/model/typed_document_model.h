#pragma once

#include <concepts>
#include <functional>
#include <memory>

#include "core/bufferdoc/solvara_doc.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "gui/model/document_model.h"

namespace solvara {

// A document of one kind as its windows see it: they read `core()` and change it through
// edit(), which runs one edit operation of the core document and tells every view what it
// changed: model.edit([](CSolvaraDoc& d) { return d.setPH(7.4); }).
template <class CoreDocument, DocumentKind documentKind>
class TypedDocumentModel : public DocumentModel {
  public:
    explicit TypedDocumentModel(std::unique_ptr<CoreDocument> document,
                                std::filesystem::path filePath = {})
        : DocumentModel(documentKind, std::move(document), std::move(filePath)),
          core_(static_cast<CoreDocument*>(&coreDocument())) {}

    const CoreDocument& core() const noexcept { return *core_; }

    template <std::invocable<CoreDocument&> Edit>
    void edit(Edit&& change) {
        announce(std::invoke(std::forward<Edit>(change), *core_));
    }

  private:
    CoreDocument* core_;
};

using BufferDocumentModel = TypedDocumentModel<CSolvaraDoc, DocumentKind::bufferDesign>;
using PhCalculatorDocumentModel = TypedDocumentModel<CpHCalculatorDoc, DocumentKind::pHCalculation>;

}  // namespace solvara
