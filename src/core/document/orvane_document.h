#pragma once

#include <memory>
#include <string>

#include "core/document/document_change.h"

namespace solvara {

class Archive;
class ProgramModel;

// What every document of the program has besides its content: the program model it works with,
// a title (the file name once it was opened or saved) and the flag that its content changed since
// then.
//
// Documents keep their content private: a view reads it through const getters and changes it
// through edit operations, each of which recalculates what depends on it, marks the document
// modified and returns the DocumentChange flags of what changed.
class COrvaneDocument {
  public:
    virtual ~COrvaneDocument() = default;

    // The document's whole record, in either direction.
    virtual void Serialize(Archive& archive) = 0;

    bool IsModified() const noexcept { return modified_; }
    // DocumentChange::modified when the flag was switched.
    DocumentChange SetModifiedFlag(bool modified = true) noexcept {
        const bool switched = modified_ != modified;
        modified_ = modified;
        return switched ? DocumentChange::modified : DocumentChange::none;
    }

    const std::string& title() const noexcept { return title_; }
    DocumentChange setTitle(std::string title);

    ProgramModel& program() const noexcept { return *program_; }

  protected:
    // The model must be owned by a std::shared_ptr: the document shares that ownership.
    explicit COrvaneDocument(ProgramModel& program);
    COrvaneDocument(const COrvaneDocument&) = default;
    COrvaneDocument& operator=(const COrvaneDocument&) = default;

  private:
    // Shared, because the program may replace the model in use (another database file, a
    // reload) while documents are open: their reagents, buffers and solutions point into the
    // model they were made with, which must live until the last of them closes. The base holds
    // it so that it is released after every part of the derived document.
    std::shared_ptr<ProgramModel> program_;
    std::string title_;
    bool modified_ = false;
};

}  // namespace solvara
