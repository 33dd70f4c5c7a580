#pragma once

#include <optional>
#include <string_view>

namespace solvara {

// The two notes the database editors show once per run: that changes to
// the program's acids do not reach open buffer documents, and that a new
// acid needs a reagent before a buffer can use it. The application owns one
// and counts its open buffer documents in it.
class DatabaseEditNotes {
  public:
    void bufferDocumentOpened() noexcept { ++openBufferDocuments_; }
    void bufferDocumentClosed() noexcept {
        if (openBufferDocuments_ > 0) --openBufferDocuments_;
    }
    int openBufferDocuments() const noexcept { return openBufferDocuments_; }

    // Each gives its note the first time it applies, then none.
    std::optional<std::string_view> noteOnProgramAcidChange();
    std::optional<std::string_view> noteOnAcidAdded();

  private:
    int openBufferDocuments_ = 0;
    bool changeNoteShown_ = false;
    bool addNoteShown_ = false;
};

}  // namespace solvara
