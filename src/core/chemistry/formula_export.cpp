#include "core/chemistry/formula_export.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace solvara {

namespace {

using Escape = void (*)(std::string& out, char c);

// How one format writes runs of display characters. Opening and closing texts are indexed by
// CharKind; a kind change closes the current run and opens the next.
struct ExportStyle {
    std::string_view prefix;
    std::array<std::string_view, 4> open;
    std::array<std::string_view, 4> close;
    bool copiesDot;  // the centred dot's "." is written, not only its markup
    Escape escape;
};

void escapeHtml(std::string& out, char c) {
    switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
    }
}

void escapeRtf(std::string& out, char c) {
    constexpr std::string_view kHex = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
    } else if (byte >= 0x80) {  // RTF is 7-bit text; other bytes go as \'hh of the ANSI page
        out += "\\'";
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    } else {
        out += c;
    }
}

void escapeNothing(std::string& out, char c) { out += c; }

void escapeLatex(std::string& out, char c) {
    switch (c) {
        case '\\':
            out += "\\textbackslash{}";
            break;
        case '~':
            out += "\\textasciitilde{}";
            break;
        case '^':
            out += "\\textasciicircum{}";
            break;
        case '{':
        case '}':
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
            out += '\\';
            out += c;
            break;
        default:
            out += c;
    }
}

std::size_t indexOf(CharKind kind) { return static_cast<std::size_t>(kind); }

std::string exportFormula(const ChemicalFormula& formula, const ExportStyle& style) {
    const std::string& display = formula.display();
    if (display.empty()) return {};
    std::string out(style.prefix);
    CharKind current = CharKind::normal;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const CharKind kind = formula.kinds()[i];
        if (kind != current) {
            out += style.close[indexOf(current)];
            out += style.open[indexOf(kind)];
            current = kind;
        }
        if (kind != CharKind::centredDot || style.copiesDot) style.escape(out, display[i]);
    }
    out += style.close[indexOf(current)];
    return out;
}

}  // namespace

std::string toHtml(const ChemicalFormula& formula) {
    static constexpr ExportStyle kStyle{
        "", {"", "<sub>", "<sup>", ""}, {"", "</sub>", "</sup>", "&middot;"}, false, escapeHtml};
    return exportFormula(formula, kStyle);
}

std::string toRtf(const ChemicalFormula& formula) {
    static constexpr ExportStyle kStyle{
        "", {"", "{\\sub ", "{\\super ", "{\\super "}, {"", "}", "}", "}"}, true, escapeRtf};
    return exportFormula(formula, kStyle);
}

std::string toForumCode(const ChemicalFormula& formula) {
    static constexpr ExportStyle kStyle{"",
                                        {"", "[sub]", "[sup]", "[sup]"},
                                        {"", "[/sub]", "[/sup]", "[/sup]"},
                                        true,
                                        escapeNothing};
    return exportFormula(formula, kStyle);
}

std::string toLatex(const ChemicalFormula& formula) {
    static constexpr ExportStyle kStyle{"\\textrm{",
                                        {"\\textrm{", "_{", "^{", "\\cdot"},
                                        {"}", "}", "}", ""},
                                        false,
                                        escapeLatex};
    return exportFormula(formula, kStyle);
}

}  // namespace solvara
