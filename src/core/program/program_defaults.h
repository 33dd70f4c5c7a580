#pragma once

#include <cstdint>
#include <filesystem>

#include "core/equilibrium/equilibrium_constants.h"
#include "core/program/design_units.h"

namespace solvara {

// The start values of new buffer designs and pH calculations, the two constants
// of the equilibrium model, and what the program opens at start-up.
struct ProgramDefaults : EquilibriumConstants {
    double pH = 7.0;
    double concentration = 0.025;  // in concentrationUnit
    ConcentrationUnit concentrationUnit = ConcentrationUnit::molar;
    double volume = 1.0;  // in volumeUnit
    VolumeUnit volumeUnit = VolumeUnit::litres;
    double temperature = 25.0;  // °C
    bool forceIonicStrength = false;
    double ionicStrength = 0.0;  // mol/L
    double preparationTemperature = 25.0;
    StartDocument startWith = StartDocument::newBuffer;
};

// The built-in values.
void ResetProgramDefaults(ProgramDefaults& defaults);

// Replaces `defaults` with the contents of the defaults file ("config.dat"),
// taking the values as they are. A file that is missing, unreadable or too
// short leaves `defaults` entirely unchanged; the result says whether it was read.
bool ReadProgramDefaults(const std::filesystem::path& path, ProgramDefaults& defaults);

// Creates or replaces the defaults file. The old file survives a failed write;
// the result says whether the write succeeded.
bool WriteProgramDefaults(const std::filesystem::path& path, const ProgramDefaults& defaults);

}  // namespace solvara
