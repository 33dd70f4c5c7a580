#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/buffer/buffer.h"
#include "core/chemistry/reagent.h"
#include "core/chemistry/reagent_ph_calculator.h"
#include "core/phcalc/ph_solution.h"
#include "core/program/program_model.h"

namespace solvara::testing {

// The starter program and buffers built from its reagents and acids by name.
class PreparationTest : public ::testing::Test {
  protected:
    Reagent& reagent(const std::string& name) {
        Reagent* found = program->reagents.FindByName(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    Buffer bufferOf(const std::string& first, const std::string& second,
                    const std::string& mainComponent) {
        Buffer buffer(*program);
        buffer.SetFirstReagent(reagent(first));
        buffer.SetSecondReagent(reagent(second));
        buffer.SetMainComponent(program->acids.FindByName(mainComponent)->id);
        return buffer;
    }

    Buffer phosphate72() {
        return bufferOf("sodium dihydrogenphosphate", "disodium hydrogenphosphate",
                        "phosphoric acid");
    }

    // The pH of the buffer's two reagents at c1 and c2, solved by the pH
    // calculator from its own rows: an independent account of the mixture.
    double calculatorPH(const Buffer& buffer, double c1, double c2, double temperature,
                        double addedBase, bool force, double ionicStrength) {
        pHSolution solution(*program);
        ReagentpHCalculator first(*buffer.FirstReagent(), 0.0);
        first.concentration = c1;
        ReagentpHCalculator second(*buffer.SecondReagent(), 0.0);
        second.concentration = c2;
        solution.addReagent(first);
        solution.addReagent(second);
        solution.distributeConcentrations(VolumeMode::ignoreVolumes);
        SolveConditions conditions;
        conditions.temperature = temperature;
        conditions.extraCharge = addedBase;
        conditions.forceIonicStrength = force;
        conditions.ionicStrengthValue = ionicStrength;
        return solution.calculatePH(conditions);
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

}  // namespace solvara::testing
