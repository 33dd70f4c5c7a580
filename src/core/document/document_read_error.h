#pragma once

#include <stdexcept>
#include <string>

namespace solvara {

// A document file that cannot be opened: the message names the file and says why ("x.phc:
// cannot be opened: is a folder.", "Attempted to access x.phc past its end.").
class DocumentReadError : public std::runtime_error {
  public:
    explicit DocumentReadError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace solvara
