#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace solvara {

// How a display character is drawn.
enum class CharKind : unsigned char { normal = 0, subscript = 1, superscript = 2, centredDot = 3 };

// Off shows a text as it is (names); on reads the formula notation for display.
enum class Markup { off, on };

// Derives from a formula text the text that is drawn and the kind of each of its characters.
// With markup on, a text holding any of "_", "^", "&", "," is read as explicit markup: "_" and
// "^" mark the next character, or a braced run, as subscript or superscript, and "&" becomes a
// centred dot; the marks and braces are not drawn. A text without them is classified
// automatically: every digit after the leading count is a subscript ("C8H17N2O4S").
void classifyDisplay(std::string_view source, Markup markup, std::string& display,
                     std::vector<CharKind>& kinds);

// The agreed spelling of a classified formula: every subscript written with "_", braces only
// around runs of more than one character ("H2SO4" becomes "H_2SO_4", "Na^{+}" becomes "Na^+").
std::string canonicalForm(std::string_view display, std::span<const CharKind> kinds);

}  // namespace solvara
