#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace solvara {

enum class PatternErrorCode {
    none,
    elementExpected,             // a token that cannot start an element
    unexpectedSymbol,            // text left over after a complete pattern
    closingParenthesisExpected,  // a group without its ")"
    closingBracketMissing,       // a set without its "]"
    nameNotFound,                // "$name" with no such named sub-pattern
    patternTooComplex,           // the automaton would exceed its size or work limit
};

// The user text of an error; for nameNotFound it follows the name.
std::string_view patternErrorText(PatternErrorCode code);

// Raised while a pattern is compiled; the engine turns it into its result, so
// it never reaches the engine's callers.
class REXA_Exception : public std::runtime_error {
  public:
    // The message is the subject (the unknown name, if any) followed by the code's text.
    REXA_Exception(PatternErrorCode code, std::size_t position, std::string_view subject = {});

    PatternErrorCode code() const noexcept { return code_; }
    std::size_t position() const noexcept { return position_; }

  private:
    PatternErrorCode code_;
    std::size_t position_;
};

}  // namespace solvara
