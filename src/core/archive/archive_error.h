#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace solvara {

enum class ArchiveErrorKind {
    generic,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema
};

// The user text of an error kind; "%1" stands for the file name.
std::string_view archiveErrorText(ArchiveErrorKind kind);

// Raised by every failing archive operation. what() is the user text with the
// file name filled in.
class ArchiveError : public std::runtime_error {
  public:
    ArchiveError(ArchiveErrorKind kind, std::string fileName);

    ArchiveErrorKind kind() const noexcept { return kind_; }
    const std::string& fileName() const noexcept { return fileName_; }
    std::string message() const { return what(); }

  private:
    ArchiveErrorKind kind_;
    std::string fileName_;
};

}  // namespace solvara
