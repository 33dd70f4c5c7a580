#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace solvara {

// Device-independent page content. Coordinates are report units of 0.1 mm: x grows to the right
// from the left edge of the page, y grows upwards from its top edge, so everything on a page has
// a y of 0 or below. A painter maps this onto a screen, a printer or a PDF file.

struct ReportPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ReportPoint&, const ReportPoint&) = default;
};

struct ReportRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ReportRect&, const ReportRect&) = default;
};

// Every report text is drawn in "Arial"; a font is given by its size in tenths of a point.
struct ReportFont {
    int tenthsOfPoint = 100;
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

inline constexpr ReportFont reportTitleFont{150};
inline constexpr ReportFont reportTextFont{100};
inline constexpr ReportFont reportSmallFont{75};

// Where the anchor point lies on the text: its left end, its right end or its middle. The anchor
// is always at the top of the text line.
enum class ReportAlignment : unsigned char { left, right, centre };

struct ReportColour {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    friend bool operator==(const ReportColour&, const ReportColour&) = default;
};

// Pages are drawn both on screen and on paper, where thin lines would vanish: a pen carries the
// width for each.
struct ReportPen {
    ReportColour colour;
    int screenWidth = 1;
    int printWidth = 1;
    friend bool operator==(const ReportPen&, const ReportPen&) = default;
};

// A line of plain text.
struct ReportText {
    ReportPoint at;
    std::string text;
    ReportFont font = reportTextFont;
    ReportAlignment alignment = ReportAlignment::left;
    friend bool operator==(const ReportText&, const ReportText&) = default;
};

// The tag that marks where a formula sits inside a line of report text.
inline constexpr std::string_view substanceFormulaTag = "<SUBSTANCEFORMULA>";

// A line of text with a formula drawn with sub- and superscripts at the place of its first
// substanceFormulaTag: the text before the tag, then the formula, then the rest. A text without
// the tag is drawn as it is. `formula` is in the formula notation ("H_2PO_4^-", "pK_{a1}"); its
// main line uses `font`, its sub- and superscripts `smallFont`. Always left-aligned.
struct ReportFormulaText {
    ReportPoint at;
    std::string text;
    std::string formula;
    ReportFont font = reportTextFont;
    ReportFont smallFont = reportSmallFont;
    friend bool operator==(const ReportFormulaText&, const ReportFormulaText&) = default;
};

struct ReportLine {
    ReportPoint from;
    ReportPoint to;
    ReportPen pen;
    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

struct ReportPolyline {
    std::vector<ReportPoint> points;
    ReportPen pen;
    friend bool operator==(const ReportPolyline&, const ReportPolyline&) = default;
};

// A filled ellipse inside `bounds`.
struct ReportDisc {
    ReportRect bounds;
    ReportColour colour;
    friend bool operator==(const ReportDisc&, const ReportDisc&) = default;
};

// From this item on, drawing is clipped to `box`; no box removes the clipping.
struct ReportClip {
    std::optional<ReportRect> box;
    friend bool operator==(const ReportClip&, const ReportClip&) = default;
};

using ReportItem =
    std::variant<ReportText, ReportFormulaText, ReportLine, ReportPolyline, ReportDisc, ReportClip>;

// The whole content of a report, in drawing order, and its extent in report units (the height
// counts downwards from y = 0).
struct Report {
    int width = 2100;
    int height = 0;
    std::vector<ReportItem> items;
};

}  // namespace solvara
