#include "core/bufferdoc/recipe_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/bufferdoc/recipe_capacity_plot.h"
#include "core/bufferdoc/recipe_temperature_plot.h"
#include "support/phosphate_recipe.h"

namespace solvara {
namespace {

using testing::phosphateRecipe;

struct PlacedText {
    int x;
    int y;
    ReportAlignment alignment;
};

// Where the page shows `text` (a formula text with its formula in place of the tag).
std::optional<PlacedText> find(const Report& page, const std::string& text) {
    for (const ReportItem& item : page.items) {
        if (const auto* plain = std::get_if<ReportText>(&item); plain && plain->text == text)
            return PlacedText{plain->at.x, plain->at.y, plain->alignment};
        if (const auto* withFormula = std::get_if<ReportFormulaText>(&item)) {
            std::string shown = withFormula->text;
            const auto tag = shown.find(substanceFormulaTag);
            if (tag != std::string::npos)
                shown.replace(tag, substanceFormulaTag.size(), withFormula->formula);
            if (shown == text)
                return PlacedText{withFormula->at.x, withFormula->at.y, ReportAlignment::left};
        }
    }
    return std::nullopt;
}

// The y of `text` at x; a test failure, and 0, when it is not there.
int yOf(const Report& page, const std::string& text, int x) {
    const auto placed = find(page, text);
    if (!placed) {
        ADD_FAILURE() << "no text \"" << text << "\"";
        return 0;
    }
    EXPECT_EQ(placed->x, x) << text;
    return placed->y;
}

template <class Item>
std::vector<Item> itemsOf(const Report& page) {
    std::vector<Item> found;
    for (const ReportItem& item : page.items)
        if (const auto* typed = std::get_if<Item>(&item)) found.push_back(*typed);
    return found;
}

TEST(RecipePage, HeaderLinesMoveUpWithoutMainComponent) {
    struct Case {
        bool withMainComponent;
        int ionicStrengthY;
    };
    for (const Case c : {Case{true, -450}, Case{false, -380}}) {
        RecipeContent content = phosphateRecipe();
        if (!c.withMainComponent) content.mainComponentName.reset();
        content.bufferName.clear();
        const Report page = recipePage(content);
        EXPECT_EQ(page.height, 2970);
        EXPECT_EQ(yOf(page, "pH = 7.20", 100), -100);
        EXPECT_EQ(yOf(page,
                      "at temperature 25 \xB0"
                      "C",
                      100),
                  -240);
        EXPECT_EQ(yOf(page, "Unnamed buffer", 120), -310);
        EXPECT_EQ(find(page, "C(phosphoric acid) = 25 mM (total)").has_value(),
                  c.withMainComponent);
        const int a = c.ionicStrengthY;
        EXPECT_EQ(yOf(page, "ionic strength = 0.05432 ", 120), a);
        EXPECT_EQ(
            yOf(page, "Prepared by ........................................................", 100),
            a - 70);
        EXPECT_EQ(yOf(page, "Thursday, December 10, 2026", 100), a - 140);
        EXPECT_EQ(yOf(page, "To make 1 L of above solution mix:", 100), a - 315);
    }
}

TEST(RecipePage, UnusableAmountsPrintOnlyTheHeaderAndTheFailure) {
    for (const double amount : {0.0, std::nan(""), HUGE_VAL}) {
        RecipeContent content = phosphateRecipe();
        content.secondReagent.amount = amount;
        const Report page = recipePage(content);
        EXPECT_EQ(
            yOf(page, "Buffer not properly defined or can be not prepared using selected reagents.",
                100),
            -450 - 315);
        EXPECT_EQ(page.items.size(), 8u);  // six header lines, the main component, the failure
    }
}

TEST(RecipePage, MixingLinesWithStocksSolidsAndSalt) {
    RecipeContent content = phosphateRecipe();
    content.secondReagent.isSolid = true;
    content.secondReagent.amount = 3.5321;
    content.forceIonicStrength = true;
    content.salt.amount = 12.5;
    content.volumeShown = 1000.0;
    content.volumeInMillilitres = true;
    const Report page = recipePage(content);
    const int a = -450;
    EXPECT_EQ(yOf(page, "ionic strength = 0.05432 (adjusted with sodium chloride)", 120), a);
    EXPECT_EQ(yOf(page, "To make 1000 mL of above solution mix:", 100), a - 315);
    EXPECT_EQ(yOf(page, "of 0.5000M sodium dihydrogenphosphate (NaH_2PO_4)", 410), a - 385);
    EXPECT_EQ(yOf(page, "25.12", 310), a - 385);
    ASSERT_TRUE(find(page, "25.12"));
    EXPECT_EQ(find(page, "25.12")->alignment, ReportAlignment::right);
    EXPECT_EQ(yOf(page, "of disodium hydrogenphosphate (Na_2HPO_4)", 410), a - 455);
    EXPECT_EQ(yOf(page, "3.53", 310), a - 455);
    EXPECT_EQ(yOf(page, "g", 330), a - 455);
    EXPECT_EQ(yOf(page, "of 1.000M sodium chloride (Na^+,Cl^-)", 410), a - 525);
    EXPECT_EQ(yOf(page, "12.50", 310), a - 525);
    EXPECT_EQ(yOf(page, "Fill up to 1000 mL", 100), a - 595);
    EXPECT_EQ(yOf(page,
                  "If preparing by titration @ 20 \xB0"
                  "C, titrate to pH = 7.21",
                  100),
              a - 665);
    EXPECT_EQ(yOf(page, "Remember to check and - if necessary - adjust pH of your buffer!", 100),
              a - 735);
}

TEST(RecipePage, AmountTextsThatCannotBeMeasured) {
    struct Case {
        bool force;
        double firstAmount;
        double saltAmount;
        bool stocksExceedVolume;
        const char* firstText;  // "" for none
        const char* saltText;
    };
    const Case cases[] = {
        {false, 25.12, 0.0, false, "25.12", nullptr},
        // The stocks do not fit into the final volume: no amounts at all.
        {false, 25.12, 0.0, true, "", nullptr},
        {false, -3.0, 0.0, false, "", nullptr},
        {true, 25.12, 0.0, false, "25.12", "0.00"},
        {true, 25.12, -1.0, false, "25.12", "0.00"},
        // The salt's factor is 0: the amount is not a number and must not read as nothing.
        {true, 25.12, NAN, false, "25.12", "???"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstAmount);
        RecipeContent content = phosphateRecipe();
        content.forceIonicStrength = c.force;
        content.firstReagent.amount = c.firstAmount;
        content.salt.amount = c.saltAmount;
        content.stocksExceedVolume = c.stocksExceedVolume;
        const Report page = recipePage(content);
        const int firstLine = yOf(page, "of 0.5000M sodium dihydrogenphosphate (NaH_2PO_4)", 410);
        const int saltLine = firstLine - 140;
        std::string firstShown = "-";
        std::optional<std::string> saltShown;
        for (const ReportText& t : itemsOf<ReportText>(page)) {
            if (t.at.x != 310) continue;
            if (t.at.y == firstLine) firstShown = t.text;
            if (t.at.y == saltLine) saltShown = t.text;
        }
        EXPECT_EQ(firstShown, c.firstText);
        EXPECT_EQ(saltShown.has_value(), c.saltText != nullptr);
        if (c.saltText != nullptr && saltShown) {
            EXPECT_EQ(*saltShown, c.saltText);
        }
    }
}

TEST(RecipePage, WarningsStackAboveTheReminder) {
    RecipeContent content = phosphateRecipe();
    content.ionicStrengthTooHigh = true;
    content.lowForcingWarning = true;
    content.stocksExceedVolume = true;
    const Report page = recipePage(content);
    const int k = -450 - 525;
    EXPECT_EQ(yOf(page,
                  "The stock solutions add up to more than 1 L: this buffer cannot be made from "
                  "them.",
                  100),
              k - 140);
    EXPECT_EQ(yOf(page,
                  "Warning: ionic strength of the solution is too high for thermodynamically "
                  "reliable results!",
                  100),
              k - 210);
    EXPECT_EQ(
        yOf(page, "Forced ionic strength lower than original ionic strength of the buffer.", 100),
        k - 280);
    const int l = k - 350;
    EXPECT_EQ(yOf(page, "Remember to check and - if necessary - adjust pH of your buffer!", 100),
              l);
    EXPECT_EQ(yOf(page, "Buffer pH vs temperature plot:", 100), l - 190);
}

TEST(RecipeTemperaturePlot, AxisAroundTheSeriesWithGridAtWholePh) {
    std::vector<double> series(101);
    for (std::size_t t = 0; t < series.size(); ++t)
        series[t] = 4.9 - 0.003 * static_cast<double>(t);
    EXPECT_EQ(temperatureAxis(series).lowest, 4);
    EXPECT_EQ(temperatureAxis(series).highest, 5);

    std::vector<ReportItem> items;
    const int top = -1030;
    const int u = drawTemperaturePlot(items, top, series, 25.0, 4.8);
    EXPECT_EQ(u, top - 470);
    Report page;
    page.items = items;
    // Axis 3.7 to 5.3 over 200 units: pH 4 lies 37.5 up, pH 5 162.5 up, truncated toward zero
    // after adding the base, so half a unit lower on the page rounds up.
    const int y4 = -1462;  // -1462.5
    const int y5 = -1337;  // -1337.5
    EXPECT_EQ(yOf(page, "4.00", 240), y4 + 15);
    EXPECT_EQ(yOf(page, "pH=5.00", 240), y5 + 15);
    ASSERT_TRUE(find(page, "4.00"));
    EXPECT_EQ(find(page, "4.00")->alignment, ReportAlignment::right);
    const std::vector<ReportLine> lines = itemsOf<ReportLine>(page);
    ASSERT_EQ(lines.size(), 2u + 9u);
    EXPECT_EQ(lines[0], (ReportLine{{250, y4}, {1050, y4}, {{192, 192, 192}, 1, 1}}));
    EXPECT_EQ(lines[1].from.y, y5);
    EXPECT_EQ(lines[2], (ReportLine{{330, u}, {330, top - 270}, {{192, 192, 192}, 1, 1}}));
    EXPECT_EQ(lines.back().from.x, 970);
    EXPECT_EQ(yOf(page, "20", 410), u - 20);
    EXPECT_EQ(yOf(page,
                  "temp (\xB0"
                  "C)",
                  1066),
              u - 20);

    const std::vector<ReportPolyline> polylines = itemsOf<ReportPolyline>(page);
    ASSERT_EQ(polylines.size(), 2u);  // frame, curve
    EXPECT_EQ(polylines[0].pen.printWidth, 4);
    ASSERT_EQ(polylines[1].points.size(), 101u);
    EXPECT_EQ(polylines[1].points.back().x, 1050);
    const std::vector<ReportDisc> discs = itemsOf<ReportDisc>(page);
    ASSERT_EQ(discs.size(), 1u);
    const int markerY = -1362;  // pH 4.8: 137.5 up, -1362.5
    EXPECT_EQ(discs[0].bounds, (ReportRect{450 - 6, markerY - 6, 450 + 5, markerY + 5}));
}

TEST(RecipeTemperaturePlot, CurveBreaksWhereThePhCannotBeComputed) {
    std::vector<double> series(101, 7.0);
    series[50] = NAN;
    series[100] = NAN;
    std::vector<ReportItem> items;
    drawTemperaturePlot(items, -1000, series, 25.0, 7.0);
    std::vector<std::size_t> pieces;
    for (const ReportItem& item : items)
        if (const auto* line = std::get_if<ReportPolyline>(&item);
            line && line->pen.printWidth == 2)
            pieces.push_back(line->points.size());
    EXPECT_EQ(pieces, (std::vector<std::size_t>{50, 49}));
}

TEST(RecipeCapacityScale, LabelsAtTheTopAndTheMiddleOfTheBox) {
    struct Case {
        double maximum;
        const char* top;
        const char* middle;
        double topCapacity;
    };
    const Case cases[] = {
        {0.035, "0.05", "0.02", 0.05},  {0.8, "1", "0.5", 1.0},
        {0.15, "0.2", "0.1", 0.2},      {0.0003, "0.0005", "0.0002", 0.0005},
        {3e-6, "5e-06", "2e-06", 5e-6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maximum);
        const RecipeCapacityScale scale = recipeCapacityScale(c.maximum);
        EXPECT_EQ(scale.topLabel, c.top);
        EXPECT_EQ(scale.middleLabel, c.middle);
        EXPECT_NEAR(c.topCapacity * scale.unitsPerCapacity, 0.8 * 280, 1e-9);
    }
}

TEST(RecipePage, CapacityPlotThenExpectedChanges) {
    RecipeContent content = phosphateRecipe();
    content.capacityCurve.assign(280, 0.0);
    for (std::size_t i = 60; i < 220; ++i) content.capacityCurve[i] = 0.02;
    content.capacityCurve[144] = 0.035;
    content.pHChanges.base10 = NAN;
    const Report page = recipePage(content);

    const int l = -450 - 525 - 140;
    const int u = l - 470;
    const int b = u - 550;
    EXPECT_EQ(yOf(page, "Buffer capacity vs pH plot:", 100), u - 190);
    EXPECT_EQ(yOf(page, "0", 240), b + 15);
    EXPECT_EQ(yOf(page, "0.05", 240), u - 311);
    EXPECT_EQ(yOf(page, "0.02", 240), b + 89 + 15);  // 0.4 of 0.8 of 280
    EXPECT_EQ(yOf(page, "12", 1210), b - 20);
    EXPECT_EQ(yOf(page, "pH", 1370), b - 20);

    // Clipped: the curve from index 60 to 219 and the marker at pH 7.2, capacity 0.0123.
    std::vector<ReportItem> clipped;
    bool inside = false;
    for (const ReportItem& item : page.items) {
        if (const auto* clip = std::get_if<ReportClip>(&item)) {
            inside = clip->box.has_value();
            if (inside) {
                EXPECT_EQ(*clip->box, (ReportRect{250, u - 270, 1370, b}));
            }
            continue;
        }
        if (inside) clipped.push_back(item);
    }
    ASSERT_EQ(clipped.size(), 2u);
    const auto& curve = std::get<ReportPolyline>(clipped[0]);
    ASSERT_EQ(curve.points.size(), 160u);
    EXPECT_EQ(curve.points.front(), (ReportPoint{250 + 240, b + 89}));  // 0.02 * 4480 = 89.6
    EXPECT_EQ(curve.points[84], (ReportPoint{250 + 576, b + 156}));     // 0.035 * 4480
    const auto& marker = std::get<ReportDisc>(clipped[1]);
    EXPECT_EQ(marker.bounds.left, 250 + 576 - 6);
    EXPECT_EQ(marker.bounds.top, b + 55 - 6);  // 0.0123 * 4480 = 55.1

    EXPECT_EQ(yOf(page, "at pH = 7.20 buffer capacity = 0.01230", 250), b - 80);
    EXPECT_EQ(yOf(page, "Expected pH changes:", 250), b - 150);
    EXPECT_EQ(yOf(page, "adding strong monoprotic acid", 300), b - 190);
    EXPECT_EQ(yOf(page, "6.91", 755), b - 230);
    EXPECT_EQ(yOf(page, "nominal buffer pH =", 675), b - 350);
    EXPECT_EQ(yOf(page, "7.20", 755), b - 350);
    EXPECT_EQ(yOf(page, "adding strong monoprotic base", 300), b - 390);
    EXPECT_EQ(yOf(page, "7.23", 755), b - 430);
    EXPECT_EQ(yOf(page, "???", 755), b - 510);
}

TEST(RecipePage, ACapacityThatIsNotAvailableHasNoMarkerAndReadsAsSuch) {
    RecipeContent content = phosphateRecipe();
    content.capacityCurve.assign(280, 0.02);
    content.capacity = NAN;
    const Report page = recipePage(content);
    const std::vector<ReportDisc> discs = itemsOf<ReportDisc>(page);
    ASSERT_EQ(discs.size(), 1u) << "only the temperature plot's marker";
    EXPECT_TRUE(find(page, "at pH = 7.20 buffer capacity = ???"));
}

TEST(RecipePage, WithoutCapacityCurveTheChangesFollowTheTemperaturePlot) {
    const Report page = recipePage(phosphateRecipe());
    const int u = -450 - 525 - 140 - 470;
    EXPECT_FALSE(find(page, "Buffer capacity vs pH plot:"));
    EXPECT_EQ(yOf(page, "Expected pH changes:", 250), u - 150);
    EXPECT_EQ(yOf(page, "10 mmol/L, pH =", 675), u - 230);
    EXPECT_TRUE(itemsOf<ReportClip>(page).empty());
}

}  // namespace
}  // namespace solvara
