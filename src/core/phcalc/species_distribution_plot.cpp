#include "core/phcalc/species_distribution_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/chemistry/formula_display.h"
#include "core/phcalc/ph_calculator_doc.h"
#include "core/report/report_numbers.h"

namespace solvara {

namespace {

constexpr int kLineHeight = 70;
constexpr int kFirstPlotTop = -310;
constexpr int kPageTopMargin = 150;
constexpr int kLeft = 250;
constexpr int kUnitsPerPh = 120;
constexpr int kRight = kLeft + 14 * kUnitsPerPh;
constexpr int kBoxHeight = 520;  // a fraction of 1
constexpr int kNameToBox = 90;
constexpr int kBlockHeight = kNameToBox + kBoxHeight + kLineHeight + 90;
// Rough widths of a formula's characters in the text font and the small font, enough to keep a
// label inside its plot.
constexpr int kNormalCharWidth = 22;
constexpr int kSmallCharWidth = 15;

constexpr ReportPen kGridPen{{200, 200, 200}, 1, 1};
constexpr ReportPen kFramePen{{0, 0, 0}, 1, 3};
constexpr ReportPen kPHPen{{220, 0, 0}, 1, 3};
// Forms 0 to 4 of an acid, told apart by colour.
constexpr std::array<ReportColour, 5> kFormColours{
    {{0, 70, 200}, {0, 140, 60}, {230, 120, 0}, {140, 0, 170}, {0, 150, 170}}};

int xOfPH(double pH) { return kLeft + static_cast<int>(std::lround(pH * kUnitsPerPh)); }
int yOfFraction(int bottom, double fraction) {
    return bottom + static_cast<int>(std::lround(fraction * kBoxHeight));
}

int estimatedWidth(const std::string& formula) {
    std::string display;
    std::vector<CharKind> kinds;
    classifyDisplay(formula, Markup::on, display, kinds);
    int width = 0;
    for (const CharKind kind : kinds) {
        const bool small = kind == CharKind::subscript || kind == CharKind::superscript;
        width += small ? kSmallCharWidth : kNormalCharWidth;
    }
    return width;
}

// The step in the middle of the pH range where the form is the largest fraction, or its peak
// when it never is.
int labelStep(const SpeciesDistribution::Acid& acid, std::size_t form) {
    int first = -1;
    int last = -1;
    for (int step = 0; step < SpeciesDistribution::stepCount; ++step) {
        const auto at = static_cast<std::size_t>(step);
        const double own = acid.fractions[form][at];
        const bool largest =
            std::all_of(acid.fractions.begin(), acid.fractions.end(),
                        [&](const std::vector<double>& other) { return !(other[at] > own); });
        if (!largest) continue;
        if (first < 0) first = step;
        last = step;
    }
    if (first >= 0) return (first + last) / 2;
    const auto peak = std::max_element(acid.fractions[form].begin(), acid.fractions[form].end());
    return static_cast<int>(peak - acid.fractions[form].begin());
}

class DistributionPlotter {
  public:
    DistributionPlotter(const SpeciesDistribution& distribution, std::optional<double> pH)
        : distribution_(distribution), pH_(pH) {}

    Report build(const std::string& conditions) {
        title(conditions);
        if (distribution_.acids.empty()) {
            text(100, kFirstPlotTop, "The solution contains no acids.");
            report_.height = -kFirstPlotTop + kLineHeight;
            return std::move(report_);
        }
        int top = kFirstPlotTop;
        for (const SpeciesDistribution::Acid& acid : distribution_.acids) {
            top = onOnePage(top);
            plot(acid, top);
            top -= kBlockHeight;
        }
        report_.height = -top;
        return std::move(report_);
    }

    // A page saying why there is nothing to draw.
    Report explain(const std::string& reason) {
        title({});
        text(100, kFirstPlotTop, reason);
        report_.height = -kFirstPlotTop + kLineHeight;
        return std::move(report_);
    }

  private:
    void text(int x, int y, std::string content, ReportFont font = reportTextFont,
              ReportAlignment alignment = ReportAlignment::left) {
        report_.items.push_back(ReportText{{x, y}, std::move(content), font, alignment});
    }
    void line(ReportPoint from, ReportPoint to, const ReportPen& pen) {
        report_.items.push_back(ReportLine{from, to, pen});
    }

    void title(const std::string& conditions) {
        text(100, -100, "Species distribution", reportTitleFont);
        if (!conditions.empty()) text(100, -205, conditions);
    }

    // The top of a plot that starts at `top`, moved to the next page when it would be cut.
    static int onOnePage(int top) {
        const int pageOfTop = (-top) / kDistributionPageHeight;
        const int pageOfBottom = (kBlockHeight - top) / kDistributionPageHeight;
        if (pageOfTop == pageOfBottom) return top;
        return -(pageOfBottom * kDistributionPageHeight + kPageTopMargin);
    }

    void plot(const SpeciesDistribution::Acid& acid, int top) {
        text(100, top, acid.name);
        const int boxTop = top - kNameToBox;
        const int bottom = boxTop - kBoxHeight;
        drawAxes(boxTop, bottom);
        report_.items.push_back(ReportClip{ReportRect{kLeft, boxTop, kRight, bottom}});
        for (std::size_t form = 0; form < acid.fractions.size(); ++form) {
            ReportPolyline curve{{}, {kFormColours[form % kFormColours.size()], 2, 3}};
            curve.points.reserve(acid.fractions[form].size());
            for (int step = 0; step < SpeciesDistribution::stepCount; ++step) {
                const double fraction = acid.fractions[form][static_cast<std::size_t>(step)];
                curve.points.push_back(
                    {xOfPH(SpeciesDistribution::pHAt(step)), yOfFraction(bottom, fraction)});
            }
            report_.items.push_back(std::move(curve));
        }
        if (pH_) markPH(boxTop, bottom);
        report_.items.push_back(ReportClip{});
        for (std::size_t form = 0; form < acid.forms.size(); ++form) label(acid, form, bottom);
    }

    void drawAxes(int boxTop, int bottom) {
        for (int p = 1; p < 14; ++p) line({xOfPH(p), bottom}, {xOfPH(p), boxTop}, kGridPen);
        const int half = yOfFraction(bottom, 0.5);
        line({kLeft, half}, {kRight, half}, kGridPen);
        report_.items.push_back(ReportPolyline{
            {{kLeft, bottom}, {kRight, bottom}, {kRight, boxTop}, {kLeft, boxTop}, {kLeft, bottom}},
            kFramePen});
        text(kLeft - 15, bottom + 15, "0", reportSmallFont, ReportAlignment::right);
        text(kLeft - 15, half + 15, "0.5", reportSmallFont, ReportAlignment::right);
        text(kLeft - 15, boxTop + 15, "1", reportSmallFont, ReportAlignment::right);
        for (int p = 0; p <= 14; ++p) {
            text(xOfPH(p), bottom - 20, std::to_string(p), reportSmallFont,
                 ReportAlignment::centre);
        }
        text(kRight + 40, bottom - 20, "pH", reportSmallFont);
    }

    void markPH(int boxTop, int bottom) {
        const int x = xOfPH(std::clamp(*pH_, 0.0, 14.0));
        line({x, bottom}, {x, boxTop}, kPHPen);
        const bool rightOfLine = x < kRight - 250;
        text(rightOfLine ? x + 12 : x - 12, boxTop - 12, "pH = " + twoDecimals(*pH_),
             reportSmallFont, rightOfLine ? ReportAlignment::left : ReportAlignment::right);
    }

    // The form's formula under its curve where the form prevails, kept inside the box.
    void label(const SpeciesDistribution::Acid& acid, std::size_t form, int bottom) {
        const int step = labelStep(acid, form);
        const double fraction = acid.fractions[form][static_cast<std::size_t>(step)];
        if (!std::isfinite(fraction)) return;
        const std::string& formula = acid.forms[form];
        const int width = estimatedWidth(formula);
        const int x = std::clamp(xOfPH(SpeciesDistribution::pHAt(step)) - width / 2, kLeft + 10,
                                 std::max(kLeft + 10, kRight - 10 - width));
        const int y = std::clamp(yOfFraction(bottom, fraction) - 20, bottom + kLineHeight,
                                 bottom + kBoxHeight - 20);
        report_.items.push_back(
            ReportFormulaText{{x, y}, std::string(substanceFormulaTag), formula});
    }

    const SpeciesDistribution& distribution_;
    std::optional<double> pH_;
    Report report_;
};

std::string conditionsText(const SpeciesDistribution& distribution, std::optional<double> pH) {
    std::string text = "at temperature " + shortNumber(distribution.temperature) +
                       " \xB0"
                       "C, ionic strength " +
                       fourDigits(distribution.ionicStrength) + " M";
    if (pH) text += ", pH = " + twoDecimals(*pH);
    return text;
}

}  // namespace

Report speciesDistributionReport(const SpeciesDistribution& distribution,
                                 std::optional<double> pH) {
    return DistributionPlotter(distribution, pH).build(conditionsText(distribution, pH));
}

Report speciesDistributionReport(const CpHCalculatorDoc& document) {
    const std::optional<SpeciesDistribution> distribution = speciesDistribution(document);
    if (!distribution) {
        return DistributionPlotter(SpeciesDistribution{}, std::nullopt)
            .explain("No distribution: the pH of the solution could not be calculated.");
    }
    return speciesDistributionReport(*distribution, document.pH());
}

}  // namespace solvara
