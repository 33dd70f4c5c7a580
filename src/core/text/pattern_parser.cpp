#include "core/text/pattern_parser.h"

#include <vector>

#include "core/text/nfa_builder.h"
#include "core/text/pattern_lexer.h"
#include "core/text/rexa_exception.h"

namespace solvara {
namespace {

// What has been built so far at one level of grouping (the whole pattern or
// an open group).
struct Level {
    bool hasAlternative = false;  // an earlier "|" branch waits for this one
    bool hasSequence = false;     // an earlier element waits for the next one
};

bool startsElement(PatternTokenKind kind) {
    return kind == PatternTokenKind::bytes || kind == PatternTokenKind::openGroup;
}

bool applyPostfix(PatternTokenKind kind, NfaBuilder& builder) {
    switch (kind) {
        case PatternTokenKind::zeroOrMore:
            builder.repeatZeroOrMore();
            return true;
        case PatternTokenKind::oneOrMore:
            builder.repeatOneOrMore();
            return true;
        case PatternTokenKind::zeroOrOne:
            builder.makeOptional();
            return true;
        case PatternTokenKind::caseInsensitive:
            builder.addLowerCaseForms();
            return true;
        default:
            return false;
    }
}

}  // namespace

Nfa parsePattern(std::string_view pattern) {
    PatternLexer lexer(pattern);
    NfaBuilder builder;
    std::vector<Level> levels(1);
    PatternToken token = lexer.next();
    for (;;) {
        // An element must follow: at the start, after "(" and after "|".
        while (token.kind == PatternTokenKind::openGroup) {
            levels.emplace_back();
            token = lexer.next();
        }
        if (token.kind != PatternTokenKind::bytes)
            throw REXA_Exception(PatternErrorCode::elementExpected, token.position);
        builder.addBytes(token.bytes);
        token = lexer.next();

        // A complete element (a character or a closed group) may take one postfix.
        for (;;) {
            if (applyPostfix(token.kind, builder)) token = lexer.next();
            Level& level = levels.back();
            if (level.hasSequence) builder.concatenate();
            level.hasSequence = true;
            if (startsElement(token.kind)) break;
            if (token.kind == PatternTokenKind::alternative) {
                if (level.hasAlternative) builder.alternate();
                level.hasAlternative = true;
                level.hasSequence = false;
                token = lexer.next();
                break;
            }
            // Anything else ends the alternation of this level.
            if (level.hasAlternative) builder.alternate();
            if (levels.size() == 1) {
                if (token.kind != PatternTokenKind::end)
                    throw REXA_Exception(PatternErrorCode::unexpectedSymbol, token.position);
                return builder.finish();
            }
            if (token.kind != PatternTokenKind::closeGroup)
                throw REXA_Exception(PatternErrorCode::closingParenthesisExpected, token.position);
            levels.pop_back();
            token = lexer.next();
        }
    }
}

}  // namespace solvara
