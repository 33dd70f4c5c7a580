#include "core/chemistry/formula_display.h"

#include <cassert>
#include <cstddef>

#include "core/chemistry/formula_characters.h"

namespace solvara {

namespace {

bool hasExplicitMarkup(std::string_view source) {
    return source.find_first_of("_^&,") != std::string_view::npos;
}

void classifyMarkup(std::string_view source, std::string& display, std::vector<CharKind>& kinds) {
    CharKind current = CharKind::normal;
    bool braced = false;
    // A character right after a mark takes the mark's kind; any later one outside braces is
    // normal again. So "^" and "_" mark exactly one character unless braces follow.
    bool afterMark = false;
    for (const char c : source) {
        switch (c) {
            case '^':
                current = CharKind::superscript;
                afterMark = true;
                continue;
            case '_':
                current = CharKind::subscript;
                afterMark = true;
                continue;
            case '{':
                braced = true;
                afterMark = true;
                continue;
            case '}':
                braced = false;
                current = CharKind::normal;
                afterMark = true;
                continue;
            case '&':
                current = CharKind::centredDot;
                display.push_back('.');
                kinds.push_back(current);
                afterMark = false;
                continue;
            default:
                if (!afterMark && !braced) current = CharKind::normal;
                display.push_back(c);
                kinds.push_back(current);
                afterMark = false;
        }
    }
}

void classifyAutomatically(std::string_view source, std::string& display,
                           std::vector<CharKind>& kinds) {
    display.assign(source);
    kinds.assign(source.size(), CharKind::normal);
    std::size_t i = source.starts_with('?') ? 1 : 0;
    while (i < source.size() && isDigit(source[i])) ++i;  // the count of formula units
    for (; i < source.size(); ++i) {
        if (isDigit(source[i])) kinds[i] = CharKind::subscript;
    }
}

// The opening written in front of a run of the given kind.
std::string_view runOpening(CharKind kind) {
    switch (kind) {
        case CharKind::subscript:
            return "_{";
        case CharKind::superscript:
            return "^{";
        case CharKind::centredDot:
            return "&";
        case CharKind::normal:
            break;
    }
    return "";
}

bool isBraced(CharKind kind) { return kind == CharKind::subscript || kind == CharKind::superscript; }

// Braces around a single digit 1-9 or sign are dropped; a braced 0 keeps them.
std::string unbraceSingleCharacters(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}') {
            const char inner = text[i + 1];
            if ((inner >= '1' && inner <= '9') || inner == '+' || inner == '-') {
                result.push_back(inner);
                i += 2;
                continue;
            }
        }
        result.push_back(text[i]);
    }
    return result;
}

}  // namespace

void classifyDisplay(std::string_view source, Markup markup, std::string& display,
                     std::vector<CharKind>& kinds) {
    display.clear();
    kinds.clear();
    if (markup == Markup::off) {
        display.assign(source);
        kinds.assign(source.size(), CharKind::normal);
    } else if (hasExplicitMarkup(source)) {
        classifyMarkup(source, display, kinds);
    } else {
        classifyAutomatically(source, display, kinds);
    }
}

std::string canonicalForm(std::string_view display, std::span<const CharKind> kinds) {
    assert(kinds.size() == display.size());
    std::string spelled;
    CharKind current = CharKind::normal;
    for (std::size_t i = 0; i < display.size(); ++i) {
        if (kinds[i] != current) {
            if (isBraced(current)) spelled.push_back('}');
            spelled.append(runOpening(kinds[i]));
            current = kinds[i];
        }
        // The "&" written at the run's start stands for the dot itself.
        if (current != CharKind::centredDot) spelled.push_back(display[i]);
    }
    if (isBraced(current)) spelled.push_back('}');
    return unbraceSingleCharacters(spelled);
}

}  // namespace solvara
