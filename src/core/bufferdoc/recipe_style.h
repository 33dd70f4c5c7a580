#pragma once

#include "core/report/report_items.h"

namespace solvara {

// The fonts and pens of the recipe page.
inline constexpr ReportFont recipeLargeFont{300};
inline constexpr ReportFont recipeTextFont = reportTextFont;
inline constexpr ReportFont recipeSmallFont = reportSmallFont;

inline constexpr ReportPen recipeGridPen{{192, 192, 192}, 1, 1};
inline constexpr ReportPen recipeFramePen{{0, 0, 0}, 1, 4};
inline constexpr ReportPen recipeCurvePen{{0, 0, 0}, 1, 2};
inline constexpr ReportColour recipeMarkerColour{0, 0, 0};

// The black disc that marks the design point on a plot.
inline ReportDisc recipeMarker(int x, int y) {
    return ReportDisc{{x - 6, y - 6, x + 5, y + 5}, recipeMarkerColour};
}

// The outline of a plot box.
inline ReportPolyline recipeFrame(int left, int bottom, int right, int top) {
    return ReportPolyline{
        {{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}},
        recipeFramePen};
}

inline ReportText recipeSmallText(int x, int y, std::string text, ReportAlignment alignment) {
    return ReportText{{x, y}, std::move(text), recipeSmallFont, alignment};
}

}  // namespace solvara
