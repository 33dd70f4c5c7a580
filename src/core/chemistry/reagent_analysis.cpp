// Reading a reagent formula: ion lists such as "2Na^+,HPO_4^{2-}", pieces joined by "/" or
// "&", and an optional section after ";" that divides the reagent ("div=2") or fixes the ratio
// of its two acids by the pH of its stock ("pH=7.33").
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/chemistry_model.h"
#include "core/chemistry/formula_count.h"
#include "core/chemistry/reagent.h"
#include "core/chemistry/reagent_analysis_messages.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/text/message_format.h"

namespace solvara {

namespace messages = reagent_messages;

namespace {

// Ends an analysis; never leaves analyze.
struct AnalysisError {};

constexpr std::string_view kPieceSeparators = ",/;&";
constexpr std::string_view kTrailingWhiteSpace = " \t\r\n\f\v";
constexpr double kForcedPHTemperature = 25.0;  // degC
constexpr double kForcedPHAccuracy = 0.001;    // pH units
// Far more halvings than a double can tell apart; only a pH that will not
// settle reaches the limit.
constexpr int kMaxBisections = 200;

// The number at the start of `text` as strtod reads it in the "C" locale; 0
// when there is none or a double cannot hold it.
double leadingNumber(std::string_view text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

bool isWaterIon(std::string_view piece) {
    return piece == "H^+" || piece == "OH^-" || piece == "H_2O";
}

}  // namespace

// One run of the analysis over a reagent, with what the steps share.
class Reagent::Analysis {
  public:
    Analysis(Reagent& reagent, ChemistryModel& program) : reagent_(reagent), program_(program) {}

    void run(bool quiet);
    // Only the summary, for the acid entries the reagent already holds.
    void summarizeHeld();
    std::string log;

  private:
    void write(std::string_view text, std::initializer_list<MessageArgument> arguments = {}) {
        log += formatMessage(withoutArguments(text), arguments);
    }
    [[noreturn]] void fail() { throw AnalysisError(); }
    [[noreturn]] void failWith(std::string_view text,
                               std::initializer_list<MessageArgument> arguments = {}) {
        write(text, arguments);
        fail();
    }

    // An unknown symbol keeps the long-standing line; other faults say what is wrong.
    [[noreturn]] void failWithFault(std::string_view piece, FormulaFault fault) {
        if (fault == FormulaFault::unknownSymbol) failWith(messages::kNoMolarMass, {piece});
        failWith(messages::kFormulaFault, {piece, formulaFaultText(fault)});
    }

    void readSection(std::string_view section);
    void readPiece(std::string_view piece);
    BLAcid* findAcidWithForm(std::string_view piece) const;
    void addSpectator(std::string_view piece, double count, int charge);
    void forcePH(double pH);
    void summarize(bool quiet);

    Reagent& reagent_;
    ChemistryModel& program_;
    std::optional<double> forcedPH_;
    double divisor_ = 1.0;
    double totalCharge_ = 0.0;
};

void Reagent::Analysis::run(bool quiet) {
    if (reagent_.formula.empty()) fail();
    std::string_view text = reagent_.formula;
    text = text.substr(0, text.find_last_not_of(kTrailingWhiteSpace) + 1);
    const std::size_t semicolon = text.find(';');
    if (semicolon != std::string_view::npos) readSection(text.substr(semicolon + 1));

    std::string_view rest = text.substr(0, semicolon);
    for (bool more = true; more;) {
        const std::size_t separator = rest.find_first_of(kPieceSeparators);
        more = separator != std::string_view::npos;
        readPiece(rest.substr(0, separator));
        if (more) rest.remove_prefix(separator + 1);
    }

    if (totalCharge_ != 0.0) failWith(messages::kNotNeutral, {reagent_.formula, totalCharge_});
    if (divisor_ != 1.0) {
        reagent_.molarMass = 0.0;
        write(messages::kDivisor, {divisor_});
    }
    if (forcedPH_) forcePH(*forcedPH_);
    reagent_.concentrationData.formula = reagent_.formula;
    reagent_.concentrationData.molarMass = reagent_.molarMass;
    summarize(quiet);
}

// Only one number is read: a forced pH when "pH=" occurs anywhere, else a divisor.
void Reagent::Analysis::readSection(std::string_view section) {
    const bool hasPH = section.find("pH=") != std::string_view::npos;
    if (!hasPH && section.find("div=") == std::string_view::npos) failWith(messages::kNoSection);
    const std::size_t numberStart = section.find_first_of("0123456789.");
    const double number =
        numberStart == std::string_view::npos ? 0.0 : leadingNumber(section.substr(numberStart));
    if (number == 0.0) failWith(messages::kNoSectionNumber);
    if (hasPH) {
        forcedPH_ = number;
    } else {
        divisor_ = number;
    }
    reagent_.hasSection = true;
}

void Reagent::Analysis::readPiece(std::string_view piece) {
    if (piece.empty()) return write(messages::kEmptyPiece);
    const CountReading units = takeLeadingCount(piece);
    if (units.fault != FormulaFault::none) failWithFault(piece, units.fault);

    const ChemicalFormula formula(program_.elements, piece);
    if (formula.error()) failWithFault(piece, formula.fault());
    const double molarMass = formula.molarMass();
    if (molarMass == 0.0) failWith(messages::kNoMolarMass, {piece});
    const int charge = formula.composition().charge();
    const double count = units.value;
    reagent_.molarMass += count * molarMass;
    totalCharge_ += count * charge;

    if (const BLAcid* found = findAcidWithForm(piece); found != nullptr) {
        reagent_.acidIds.push_back(found->id);
        reagent_.acidMultipliers.push_back(count / divisor_);
    } else if (!isWaterIon(piece)) {
        addSpectator(piece, count, charge);
    }
}

// The reagent's own acid list first, then the program's.
BLAcid* Reagent::Analysis::findAcidWithForm(std::string_view piece) const {
    BLAcidDatabase* own = reagent_.acidDatabase();
    if (BLAcid* found = own->FindByFormula(piece, program_.acidChooser); found != nullptr)
        return found;
    // Searching the program's acids twice would ask the user twice.
    if (own == &program_.acids) return nullptr;
    return program_.acids.FindByFormula(piece, program_.acidChooser);
}

void Reagent::Analysis::addSpectator(std::string_view piece, double count, int charge) {
    const double perUnit = count / divisor_;
    write(messages::kSpectator, {piece, reagent_.concentration * perUnit});
    reagent_.spectatorCharge += perUnit * charge;
    reagent_.spectatorStrength += perUnit * charge * charge;
    const auto same = std::find_if(reagent_.spectators.begin(), reagent_.spectators.end(),
                                   [piece](const Spectator& ion) { return ion.formula == piece; });
    if (same != reagent_.spectators.end()) {
        same->count += perUnit;
    } else {
        reagent_.spectators.push_back({perUnit, std::string(piece), charge});
    }
}

// Bisects the second acid's multiplier between 0 and the number of steps of the first, so that
// the stock has the forced pH at 25 degC.
void Reagent::Analysis::forcePH(double pH) {
    reagent_.molarMass = 0.0;
    if (reagent_.acidCount() != 2) {
        failWith(messages::kWrongForcedPHCount, {static_cast<double>(reagent_.acidCount())});
    }
    write(messages::kForcedPH, {pH});
    const BLAcid* first = reagent_.acid(0);
    if (first == nullptr) fail();
    double& multiplier = reagent_.acidMultipliers[1];
    const auto pHWith = [&](double value) {
        multiplier = value;
        return reagent_.calculatePH(kForcedPHTemperature, 0.0);
    };
    try {
        double low = 0.0;
        double high = first->steps;
        double pHLow = pHWith(low);
        double pHHigh = pHWith(high);
        if (pHHigh < pHLow) {
            std::swap(low, high);
            std::swap(pHLow, pHHigh);
        }
        double middle = 0.0;
        for (int halvings = 0; halvings < kMaxBisections; ++halvings) {
            middle = (low + high) / 2.0;
            const double pHMiddle = pHWith(middle);
            if (pH < pHMiddle) {
                high = middle;
                pHHigh = pHMiddle;
            } else {
                low = middle;
                pHLow = pHMiddle;
            }
            if (pHHigh - pHLow <= kForcedPHAccuracy) break;
        }
        multiplier = middle;
    } catch (const pHCalculationError&) {
        fail();
    }
}

void Reagent::Analysis::summarizeHeld() {
    const std::string_view formula = reagent_.formula;
    const std::size_t semicolon = formula.find(';');
    // A forced pH is the section's own number, not a result worth a line.
    if (semicolon != std::string_view::npos &&
        formula.find("pH=", semicolon) != std::string_view::npos) {
        forcedPH_ = 0.0;
    }
    summarize(false);
}

void Reagent::Analysis::summarize(bool quiet) {
    for (int i = 0; i < reagent_.acidCount(); ++i) {
        const BLAcid* entry = reagent_.acid(i);
        if (entry == nullptr) continue;
        if (reagent_.isSolid) {
            write(messages::kSolidAcid, {entry->formula});
        } else {
            write(messages::kAcidConcentration,
                  {entry->formula,
                   reagent_.concentration * reagent_.acidMultipliers[static_cast<std::size_t>(i)]});
        }
    }
    if (quiet) return;
    double pH = 0.0;
    try {
        pH = reagent_.calculatePH(kForcedPHTemperature, 0.0);
    } catch (const pHCalculationError&) {
        return write(messages::kNoPH);
    }
    if (reagent_.isSolid) return;
    if (!forcedPH_) write(messages::kPH, {pH});
    write(messages::kIonicStrength, {reagent_.ownIonicStrength()});
    if (reagent_.ownIonicStrength() > program_.constants().highIonicStrengthLimit) {
        write(messages::kHighIonicStrength);
    }
}

bool Reagent::analyze(bool quiet) {
    spectatorCharge = 0.0;
    spectatorStrength = 0.0;
    molarMass = 0.0;
    acidIds.clear();
    acidMultipliers.clear();
    spectators.clear();
    // A flag left from an earlier formula would describe a section this one lacks.
    hasSection = false;
    analysisLog.clear();
    if (program_ == nullptr) return analysed = false;

    Analysis analysis(*this, *program_);
    try {
        analysis.run(quiet);
        analysed = true;
    } catch (const AnalysisError&) {
        spectatorCharge = 0.0;
        spectatorStrength = 0.0;
        molarMass = 0.0;
        hasSection = false;
        analysed = false;
    }
    analysisLog = std::move(analysis.log);
    return analysed;
}

std::string Reagent::analysisSummary() {
    if (program_ == nullptr) return {};
    Analysis analysis(*this, *program_);
    analysis.summarizeHeld();
    return std::move(analysis.log);
}

}  // namespace solvara
