#include "core/text/rexa_exception.h"

namespace solvara {

std::string_view patternErrorText(PatternErrorCode code) {
    switch (code) {
        case PatternErrorCode::none:
            return "";
        case PatternErrorCode::elementExpected:
            return "[,',( or ident expected";
        case PatternErrorCode::unexpectedSymbol:
            return "unexpected symbol";
        case PatternErrorCode::closingParenthesisExpected:
            return ") expected";
        case PatternErrorCode::closingBracketMissing:
            return "closing ] missing";
        case PatternErrorCode::nameNotFound:
            return " not found in name dictionary";
        case PatternErrorCode::patternTooComplex:
            return "pattern too complex";
    }
    return "";
}

REXA_Exception::REXA_Exception(PatternErrorCode code, std::size_t position,
                               std::string_view subject)
    : std::runtime_error(std::string(subject) + std::string(patternErrorText(code))),
      code_(code),
      position_(position) {}

}  // namespace solvara
