#pragma once

#include <string>
#include <utility>

namespace solvara {

class Archive;

// What every document of the program has besides its content: a title (the file name once it
// was opened or saved) and the flag that its content changed since then.
class COrvaneDocument {
  public:
    virtual ~COrvaneDocument() = default;

    // The document's whole record, in either direction.
    virtual void Serialize(Archive& archive) = 0;

    bool IsModified() const noexcept { return modified_; }
    void SetModifiedFlag(bool modified = true) noexcept { modified_ = modified; }

    const std::string& title() const noexcept { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

  protected:
    COrvaneDocument() = default;
    COrvaneDocument(const COrvaneDocument&) = default;
    COrvaneDocument& operator=(const COrvaneDocument&) = default;

  private:
    std::string title_;
    bool modified_ = false;
};

}  // namespace solvara
