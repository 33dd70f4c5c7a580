#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <tuple>

#include "core/phcalc/ph_calculator_doc.h"
#include "core/phcalc/ph_calculator_file.h"
#include "core/program/program_model.h"
#include "support/stock_row.h"
#include "support/temporary_folder.h"

namespace solvara::testing {

// A pH calculator document over the starter database whose rows a test sets
// as (name, formula, concentration, volume).
class PhDocumentFixture : public ::testing::Test {
  protected:
    PhDocumentFixture() : program_(makeStarterProgramModel()), document_(*program_) {}

    void setRows(std::initializer_list<std::tuple<const char*, const char*, double, double>> rows) {
        document_.removeReagent(0);
        for (const auto& [name, formula, concentration, volume] : rows) {
            document_.addReagent(stockRow(*program_, formula, concentration, volume, name));
        }
    }

    // The document as its file gives it back: the same inputs, never calculated.
    std::unique_ptr<CpHCalculatorDoc> uncalculated() {
        const TemporaryFolder folder;
        const std::filesystem::path path = folder.path() / "document.phc";
        writepHCalculatorFile(document_, path);
        return readpHCalculatorFile(path, *program_);
    }

    std::shared_ptr<ProgramModel> program_;
    CpHCalculatorDoc document_;
};

}  // namespace solvara::testing
