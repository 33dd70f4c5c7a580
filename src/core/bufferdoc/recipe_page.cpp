#include "core/bufferdoc/recipe_page.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/bufferdoc/recipe_capacity_plot.h"
#include "core/bufferdoc/recipe_style.h"
#include "core/bufferdoc/recipe_temperature_plot.h"
#include "core/equilibrium/ionic_strength_limit.h"
#include "core/report/report_numbers.h"

namespace solvara {
namespace {

constexpr int kPageWidth = 2100;
constexpr int kPageHeight = 2970;
constexpr int kLineStep = 70;
constexpr const char* kDegrees =
    "\xB0"
    "C";

void text(std::vector<ReportItem>& items, int x, int y, std::string line) {
    items.push_back(ReportText{{x, y}, std::move(line), recipeTextFont});
}

bool isUsableAmount(double amount) { return std::isfinite(amount) && amount != 0.0; }

// Draws the header; returns a, the y of the ionic strength line.
int drawHeader(std::vector<ReportItem>& items, const RecipeContent& content) {
    items.push_back(ReportText{{100, -100}, "pH = " + twoDecimals(content.pH), recipeLargeFont});
    text(items, 100, -240, "at temperature " + shortNumber(content.temperature) + " " + kDegrees);
    text(items, 120, -310, content.bufferName.empty() ? "Unnamed buffer" : content.bufferName);
    int a = -380;
    if (content.mainComponentName) {
        items.push_back(
            ReportFormulaText{{120, a},
                              "C(<SUBSTANCEFORMULA>) = " + shortNumber(content.concentrationShown) +
                                  (content.concentrationInMillimolar ? " mM" : " M") + " (total)",
                              *content.mainComponentName});
        a = -450;
    }
    const std::string adjustment =
        content.forceIonicStrength ? "(adjusted with " + content.salt.name + ")" : std::string();
    text(items, 120, a, "ionic strength = " + fourDigits(content.ionicStrength) + " " + adjustment);
    text(items, 100, a - kLineStep,
         "Prepared by ........................................................");
    text(items, 100, a - 2 * kLineStep, content.date);
    return a;
}

// The texts of the two reagent amounts: empty where there is nothing sensible to measure, both
// empty when the stocks would not fit into the final volume.
std::pair<std::string, std::string> reagentAmountTexts(const RecipeContent& content) {
    const auto amountText = [](double amount) {
        return std::isfinite(amount) && amount > 0.0 ? twoDecimals(amount) : std::string();
    };
    if (content.stocksExceedVolume) return {};
    return {amountText(content.firstReagent.amount), amountText(content.secondReagent.amount)};
}

std::string saltAmountText(const RecipeContent& content) {
    const double amount = content.salt.amount;
    if (!content.forceIonicStrength) return "0.00";
    // A salt without ions needs an amount that is not a number: say so rather than "0.00".
    if (!std::isfinite(amount)) return fourDigits(amount);
    return amount > 0.0 ? fourDigits(amount) : "0.00";
}

void drawIngredient(std::vector<ReportItem>& items, int y, const RecipeIngredient& ingredient,
                    std::string amountText) {
    const std::string stock =
        ingredient.isSolid ? std::string() : fourDigits(ingredient.stockConcentration) + "M ";
    items.push_back(ReportFormulaText{
        {410, y}, "of " + stock + ingredient.name + " (<SUBSTANCEFORMULA>)", ingredient.formula});
    items.push_back(
        ReportText{{310, y}, std::move(amountText), recipeTextFont, ReportAlignment::right});
    text(items, 330, y, ingredient.isSolid ? "g" : "mL");
}

// Draws what to mix and the hints under the header; returns L, the y of the reminder line.
int drawBody(std::vector<ReportItem>& items, const RecipeContent& content, int a) {
    const std::string volumeText =
        shortNumber(content.volumeShown) + (content.volumeInMillilitres ? " mL" : " L");
    text(items, 100, a - 315, "To make " + volumeText + " of above solution mix:");
    auto [firstAmount, secondAmount] = reagentAmountTexts(content);
    drawIngredient(items, a - 385, content.firstReagent, std::move(firstAmount));
    drawIngredient(items, a - 455, content.secondReagent, std::move(secondAmount));
    int k = a - 525;
    if (content.forceIonicStrength) {
        drawIngredient(items, k, content.salt, saltAmountText(content));
        k -= kLineStep;
    }
    text(items, 100, k, "Fill up to " + volumeText);
    text(items, 100, k - kLineStep,
         "If preparing by titration @ " + shortNumber(content.preparationTemperature) + " " +
             kDegrees + ", titrate to pH = " + twoDecimals(content.pHAtPreparation));
    int l = k - 2 * kLineStep;
    if (content.stocksExceedVolume) {
        text(items, 100, l,
             "The stock solutions add up to more than " + volumeText +
                 ": this buffer cannot be made from them.");
        l -= kLineStep;
    }
    if (content.ionicStrengthTooHigh) {
        text(items, 100, l, std::string(kHighIonicStrengthWarning));
        l -= kLineStep;
    }
    if (content.lowForcingWarning) {
        text(items, 100, l,
             "Forced ionic strength lower than original ionic strength of the buffer.");
        l -= kLineStep;
    }
    text(items, 100, l, "Remember to check and - if necessary - adjust pH of your buffer!");
    return l;
}

void drawChange(std::vector<ReportItem>& items, int y, std::string label, double pH) {
    items.push_back(recipeSmallText(675, y, std::move(label), ReportAlignment::right));
    items.push_back(recipeSmallText(755, y, twoDecimals(pH), ReportAlignment::right));
}

void drawExpectedChanges(std::vector<ReportItem>& items, int y, const RecipeContent& content) {
    const RecipePhChanges& changes = content.pHChanges;
    items.push_back(recipeSmallText(250, y - 150, "Expected pH changes:", ReportAlignment::left));
    items.push_back(
        recipeSmallText(300, y - 190, "adding strong monoprotic acid", ReportAlignment::left));
    drawChange(items, y - 230, "10 mmol/L, pH =", changes.acid10);
    drawChange(items, y - 270, "5 mmol/L, pH =", changes.acid5);
    drawChange(items, y - 310, "1 mmol/L, pH =", changes.acid1);
    drawChange(items, y - 350, "nominal buffer pH =", content.pH);
    items.push_back(
        recipeSmallText(300, y - 390, "adding strong monoprotic base", ReportAlignment::left));
    drawChange(items, y - 430, "1 mmol/L, pH =", changes.base1);
    drawChange(items, y - 470, "5 mmol/L, pH =", changes.base5);
    drawChange(items, y - 510, "10 mmol/L, pH =", changes.base10);
}

}  // namespace

Report recipePage(const RecipeContent& content) {
    Report page{kPageWidth, kPageHeight, {}};
    std::vector<ReportItem>& items = page.items;
    const int a = drawHeader(items, content);
    if (!isUsableAmount(content.firstReagent.amount) ||
        !isUsableAmount(content.secondReagent.amount)) {
        text(items, 100, a - 315,
             "Buffer not properly defined or can be not prepared using selected reagents.");
        return page;
    }
    const int l = drawBody(items, content, a);
    const int u =
        drawTemperaturePlot(items, l, content.temperatureSeries, content.temperature, content.pH);
    int y = u;
    if (const auto b =
            drawCapacityPlot(items, u, content.capacityCurve, content.pH, content.capacity)) {
        y = *b;
        items.push_back(recipeSmallText(250, y - 80,
                                        "at pH = " + twoDecimals(content.pH) +
                                            " buffer capacity = " + fourDigits(content.capacity),
                                        ReportAlignment::left));
    }
    drawExpectedChanges(items, y, content);
    return page;
}

}  // namespace solvara
